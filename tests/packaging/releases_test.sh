#!/usr/bin/env bash
# The releases as people get them, each in a scratch folder outside the build
# trees, with one fresh Wine prefix for all the Windows steps (the launcher's):
#   1. make install DESTDIR=...: lumigrid-cli runs from there, the commands
#      that draw through lumigrid-cli-media, and its man page reads; the
#      lumigrid launcher prepares its own prefix and starts the editor;
#      make uninstall leaves nothing behind.
#   2. The win64 zip, unpacked: the editor starts, lumigrid-cli.exe tells its
#      version, and the README's line makes the examples' list. A DLL that
#      needs MinGW's runtime is refused a place in a zip.
#   3. The installer, silent, for everyone and with the file types, then for
#      one user: the files, the Start menu entry, the editor starting, and
#      after the silent uninstaller nothing left.
# Each carries the user guide, whole: every page of docs/user/ and every
# picture inside it. Before all that, every relative link of README.md and
# docs/ must lead to a file of the repo.
#
#   releases_test.sh        (from make test, after make dist; needs a display: xvfb-run)
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
version=$(sed -n 's/^project(Lumigrid VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
zip="$repo/dist/lumigrid-$version-win64.zip"
setup="$repo/dist/lumigrid-$version-win64-setup.exe"
manifest="$repo/build/native/install_manifest.txt"
for artifact in "$zip" "$setup"; do
    [ -f "$artifact" ] || { echo "releases: no $artifact: make dist makes it" >&2; exit 1; }
done

scratch=$(mktemp -d /tmp/lumigrid-releases.XXXXXX)
root="$scratch/root"
export HOME="$scratch/home"
mkdir -p "$HOME"
prefix="$HOME/.local/share/lumigrid/wineprefix"
# A make install of this tree before the test keeps its manifest for make uninstall.
[ -f "$manifest" ] && cp "$manifest" "$scratch/kept-manifest"
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    if [ -f "$scratch/kept-manifest" ]; then cp "$scratch/kept-manifest" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "releases: $*" >&2; exit 1; }
# Waits for a window whose title matches, at most SECONDS (default 20).
await() {
    for _ in $(seq 1 $((${2:-20} * 4))); do
        xdotool search --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.25
    done
    return 1
}
# Starts a Windows editor in the prefix and waits for its fresh document's
# title; the first start also makes the prefix, which takes a while.
editor_starts() {
    local seconds=20
    [ -d "$prefix" ] || seconds=300
    "$@" >/dev/null 2>&1 &
    await "^Lumigrid ver $version  \[    0 /    2 \]\$" $seconds || fail "no editor window from $*"
    WINEPREFIX="$prefix" wineserver -k
    wait || true
}
expect_files() {
    for file in "$@"; do [ -f "$file" ] || fail "missing $file"; done
}
# The user guide of this version, with every page of docs/user/ and each of
# their pictures inside it, byte for byte, and no picture it would need beside it.
guide_whole() {
    local guide=$1 page id picture
    expect_files "$guide"
    grep -q "<title>Lumigrid $version: user guide</title>" "$guide" || fail "$guide is not the user guide of $version"
    for page in "$repo"/docs/user/*.md; do
        id=$(basename "$page" .md)
        [ "$id" = README ] && id=contents
        grep -q "<section id=\"$id\">" "$guide" || fail "$guide lacks the page $(basename "$page")"
        for picture in $(grep -o '!\[[^]]*\]([^)]*)' "$page" | sed 's/.*(\(.*\))/\1/'); do
            grep -qF "$(base64 -w0 "$repo/docs/user/$picture")" "$guide" || fail "$guide lacks the picture $picture"
        done
    done
    ! grep -q '<img [^>]*src="[^d]' "$guide" || fail "$guide needs pictures beside it"
}

echo "-- the links of README.md and docs/"
python3 "$repo/tests/packaging/docs_links.py" "$repo" || fail "links in README.md or docs/ lead nowhere"

echo "-- make install"
make -C "$repo" --no-print-directory install DESTDIR="$root" >/dev/null
usr="$root/usr/local"
expect_files "$usr/bin/lumigrid-cli" "$usr/lib/lumigrid/lumigrid-cli-media" "$usr/lib/libPanekit.so" \
    "$usr/share/man/man1/lumigrid-cli.1" \
    "$usr/bin/lumigrid" "$usr/lib/lumigrid/lumigrid.exe" "$usr/lib/lumigrid/Panekit.dll" \
    "$usr/share/applications/lumigrid.desktop" "$usr/share/icons/hicolor/48x48/apps/lumigrid.png"
guide_whole "$usr/share/doc/lumigrid/user-guide.html"
[ "$("$usr/bin/lumigrid-cli" --version)" = "lumigrid-cli $version" ] || fail "installed lumigrid-cli --version"
! readelf -d "$usr/bin/lumigrid-cli" | grep -q 'NEEDED\|R.*PATH' || fail "lumigrid-cli needs shared libraries"
readelf -d "$usr/lib/lumigrid/lumigrid-cli-media" | grep -q 'R.*PATH.*\[\$ORIGIN/\.\./\.\./lib\]' \
    || fail "lumigrid-cli-media's RPATH is not \$ORIGIN/../../lib"
"$usr/bin/lumigrid-cli" render "$repo/examples/patterns/heart.led" -o "$scratch/heart.png" \
    || fail "the installed lumigrid-cli does not render through lumigrid-cli-media"
page=$(MANWIDTH=100 man -l "$usr/share/man/man1/lumigrid-cli.1" 2>&1 | tr -s ' ')
grep -q '^SYNOPSIS' <<<"$page" && grep -q 'lumigrid-cli build LIST.ll -o OUT.hex' <<<"$page" \
    || fail "the man page lacks the synopsis: $page"
for section in COMMANDS 'FILE FORMATS' 'EXIT STATUS' EXAMPLES; do
    grep -q "^$section" <<<"$page" || fail "the man page lacks $section"
done
grep -q 'lumigrid-cli decode FILE.hex' <<<"$page" || fail "the man page lacks the decode command"
completion="$usr/share/bash-completion/completions/lumigrid-cli"
expect_files "$completion"
completed=$(bash -c 'source /usr/share/bash-completion/bash_completion && source "$1" &&
    COMP_WORDS=(lumigrid-cli build x.ll --format ""); COMP_CWORD=4; COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}; _lumigrid_cli; echo "${COMPREPLY[*]}"' completion "$completion")
[ "$completed" = "8bit 16bit 20bit 32bit" ] || fail "the bash completion of build --format: $completed"

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
editor_starts "$usr/bin/lumigrid"
expect_files "$prefix/drive_c/windows/Fonts/marlett.ttf"
[ "$(identify -format '%wx%h' "$usr/share/icons/hicolor/48x48/apps/lumigrid.png")" = 48x48 ] || fail "the 48 px icon"

make -C "$repo" --no-print-directory uninstall DESTDIR="$root" >/dev/null
left=$(find "$root" -type f)
[ -z "$left" ] || fail "make uninstall left: $left"

echo "-- the win64 zip"
# A DLL MinGW builds need and Windows lacks is refused, and no zip is made.
libstdcxx=$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)
if "$repo/packaging/windows-zip.sh" x86_64-w64-mingw32-objdump x86_64-w64-mingw32-strip "$scratch/refused" \
        "$scratch/refused.zip" "$libstdcxx" 2>/dev/null || [ -e "$scratch/refused.zip" ]; then
    fail "windows-zip.sh packed $libstdcxx, which needs MinGW's runtime DLLs"
fi
export WINEPREFIX="$prefix"
mkdir "$scratch/zip"
(cd "$scratch/zip" && unzip -q "$zip")
unpacked="$scratch/zip/lumigrid-$version-win64"
expected="LICENSE.txt Panekit.dll README.txt examples/arrow.led examples/heart.led examples/smile.led lumigrid-cli.exe lumigrid.exe user-guide.html"
[ "$(cd "$unpacked" && find . -type f -printf '%P\n' | LC_ALL=C sort | xargs)" = "$expected" ] \
    || fail "the zip holds $(cd "$unpacked" && find . -type f | xargs)"
guide_whole "$unpacked/user-guide.html"
editor_starts wine "$unpacked/lumigrid.exe"
[ "$(wine "$unpacked/lumigrid-cli.exe" --version | tr -d '\r')" = "lumigrid-cli $version" ] || fail "lumigrid-cli.exe --version"
line=$(tr -d '\r' < "$unpacked/README.txt" | grep -o 'lumigrid-cli list add examples\\examples.ll [^`]*') \
    || fail "no list line in README.txt"
(cd "$unpacked" && wine $line >/dev/null)
(cd "$unpacked" && wine lumigrid-cli.exe check examples\\examples.ll >/dev/null) || fail "the examples' list does not check"
grep -q "$(winepath -w "$unpacked/examples/heart.led" | sed 's/\\/\\\\/g')"$'\r'\$ "$unpacked/examples/examples.ll" \
    || fail "the list does not hold the full path of heart.led"

echo "-- the installer"
drive="$prefix/drive_c"
programs_all="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
registry_has() { wine reg query "$1" >/dev/null 2>&1; }
installed() {
    local folder=$1
    expect_files "$folder/lumigrid.exe" "$folder/Panekit.dll" "$folder/lumigrid-cli.exe" "$folder/README.txt" \
        "$folder/LICENSE.txt" "$folder/examples/heart.led" "$folder/examples/arrow.led" "$folder/examples/smile.led" \
        "$folder/uninstall.exe"
    guide_whole "$folder/user-guide.html"
}
uninstalled() {
    local folder=$1 root_key=$2
    wine "$folder/uninstall.exe" /S
    wineserver -w
    [ ! -e "$folder" ] || fail "the uninstaller left $(find "$folder")"
    for key in "$root_key\\Software\\Lumigrid" "$root_key\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumigrid" \
               "$root_key\\Software\\Classes\\.led" "$root_key\\Software\\Classes\\Lumigrid.Pattern" \
               "$root_key\\Software\\Classes\\.ll" "$root_key\\Software\\Classes\\Lumigrid.DisplayList"; do
        ! registry_has "$key" || fail "the uninstaller left $key"
    done
}

wine "$setup" /S /ASSOCIATE
wineserver -w
everyone="$drive/Program Files/Lumigrid"
installed "$everyone"
expect_files "$programs_all/Lumigrid.lnk"
[ "$(wine reg query 'HKLM\Software\Classes\.led' /ve | tr -d '\r' | grep -o 'Lumigrid.Pattern')" = Lumigrid.Pattern ] \
    || fail "no .led file type"
wine reg query 'HKLM\Software\Classes\Lumigrid.DisplayList\DefaultIcon' /ve | grep -qi 'lumigrid.exe,0' || fail "no .ll icon"
editor_starts wine "$everyone/lumigrid.exe"
uninstalled "$everyone" HKLM
[ ! -e "$programs_all/Lumigrid.lnk" ] || fail "the uninstaller left the Start menu entry"

wine "$setup" /S /CurrentUser
wineserver -w
user_folder=$(find "$drive/users" -maxdepth 5 -type d -path '*AppData/Local/Programs/Lumigrid')
[ -n "$user_folder" ] || fail "no per-user installation under AppData\\Local\\Programs"
installed "$user_folder"
user_entry=$(find "$drive/users" -path '*AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Lumigrid.lnk')
[ -n "$user_entry" ] || fail "no per-user Start menu entry"
! registry_has 'HKCU\Software\Classes\.led' || fail "the file types were taken without being asked for"
uninstalled "$user_folder" HKCU
[ ! -e "$user_entry" ] || fail "the uninstaller left the per-user Start menu entry"
echo "releases: all passed"
