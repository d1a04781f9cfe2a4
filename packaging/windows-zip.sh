#!/usr/bin/env bash
# Lays out one Windows release and packs it:
#   windows-zip.sh OBJDUMP STRIP STAGE ZIP FILE...
# STAGE (a folder named like the release, remade here) gets the programs and
# DLLs at its top, without their debugging information, README.md and LICENSE as Windows text files README.txt and
# LICENSE.txt, the user guide user-guide.html beside them, and the .led patterns under examples\. Every program and DLL
# may import system DLLs and Panekit.dll only: nothing else is shipped beside
# them. ZIP holds the folder, and appears only when it is complete.
set -euo pipefail
objdump=$1 strip=$2 stage=$3 zip=$4
shift 4

# The DLLs every supported Windows has; MinGW's own runtime DLLs are not among them.
declare -A system_dll
for dll in kernel32 user32 gdi32 comctl32 comdlg32 advapi32 shell32 ole32 oleaut32 shlwapi msvcrt uxtheme usp10 version; do
    system_dll[$dll.dll]=1
done

windows_text() { sed 's/\r$//; s/$/\r/' "$1" > "$2"; }

rm -rf "$stage"
mkdir -p "$stage/examples"
for file in "$@"; do
    case $(basename "$file") in
        *.exe|*.dll) "$strip" --strip-all -o "$stage/$(basename "$file")" "$file" ;;
        README.md)   windows_text "$file" "$stage/README.txt" ;;
        LICENSE)     windows_text "$file" "$stage/LICENSE.txt" ;;
        user-guide.html) cp "$file" "$stage/" ;;
        *.led)       cp "$file" "$stage/examples/" ;;
        *) echo "windows-zip: no place in the release for $file" >&2; exit 1 ;;
    esac
done

status=0
for binary in "$stage"/*.exe "$stage"/*.dll; do
    imports=$("$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
    [ -n "$imports" ] || { echo "windows-zip: $(basename "$binary") shows no imports" >&2; status=1; }
    for dll in $imports; do
        [ "$dll" = panekit.dll ] || [ -n "${system_dll[$dll]:-}" ] && continue
        echo "windows-zip: $(basename "$binary") needs $dll, which Windows does not have" >&2
        status=1
    done
done
[ $status -eq 0 ] || exit 1

mkdir -p "$(dirname "$zip")"
zip=$(realpath -m "$zip")
partial="$zip.part"
rm -f "$partial"
(cd "$(dirname "$stage")" && find "$(basename "$stage")" -type f | LC_ALL=C sort | zip -q -X -D "$partial" -@)
mv -f "$partial" "$zip"
