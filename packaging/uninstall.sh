#!/usr/bin/env bash
# make uninstall: removes what make install put in place, as its manifest
# lists it, and the folders that were Lumigrid's alone. The manifest holds
# the paths under the prefix (its last line has no line end): give the same
# DESTDIR as to make install.
#   DESTDIR=... uninstall.sh build/native/install_manifest.txt
set -euo pipefail
manifest=$1
if [ ! -f "$manifest" ]; then
    echo "uninstall: no $manifest: nothing was installed from this tree" >&2
    exit 1
fi
while IFS= read -r file || [ -n "$file" ]; do
    [ -n "$file" ] || continue
    file="${DESTDIR:-}$file"
    if [ -e "$file" ] || [ -L "$file" ]; then
        rm -f -- "$file"
        echo "Removed $file"
    fi
    folder=$(dirname "$file")
    if [ "$(basename "$folder")" = lumigrid ] && [ -d "$folder" ]; then
        rmdir --ignore-fail-on-non-empty -- "$folder"
    fi
done < "$manifest"
