#!/usr/bin/env bash
# Unpacks Debian's giflib source package (the version of the installed
# libgif-dev, with Debian's patches) into /usr/local/src/giflib, where the
# Windows trees compile it, as they compile GoogleTest from /usr/src/googletest.
# The source index is fetched into a scratch folder of its own, so the
# machine's package sources stay as they are. Quick when it is there already.
set -euo pipefail

target=/usr/local/src/giflib
[ -f "$target/gif_lib.h" ] && exit 0

version=$(dpkg-query -W -f='${source:Version}' libgif-dev)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/lists/partial" "$scratch/cache" "$scratch/src"
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
cat >"$scratch/sources.list" <<SOURCES
deb-src http://deb.debian.org/debian $codename main
deb-src http://deb.debian.org/debian $codename-updates main
deb-src http://deb.debian.org/debian-security $codename-security main
SOURCES
apt=(apt-get -qq -o Dir::Etc::SourceList="$scratch/sources.list" -o Dir::Etc::SourceParts=/nonexistent
     -o Dir::State::Lists="$scratch/lists" -o Dir::Cache="$scratch/cache" -o APT::Sandbox::User=root)
echo "Fetching giflib $version sources for the Windows builds"
"${apt[@]}" update
(cd "$scratch/src" && "${apt[@]}" source "giflib=$version" >/dev/null)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo mkdir -p "$(dirname "$target")"
$sudo rm -rf "$target"
$sudo cp -r "$scratch"/src/giflib-*/ "$target"
