#!/usr/bin/env bash
# Makes a Wine prefix ready for Lumigrid, once:  wine-prefix.sh PREFIX
# Mono and Gecko are not offered (there is no network), the dialogs' font
# faces are mapped to IPA fonts with the same metrics, so Japanese texts are
# legible whatever the locale, and Marlett draws the caption buttons. Windows
# are unmanaged: the virtual display has no window manager, and Wine would
# otherwise wait two seconds for one each time a window is hidden
# (scripts/run-editor.sh hands them to the window manager of a real display).
set -euo pipefail
prefix=$(realpath -m "$1")
# The marker names the version of these settings; a newer one redoes them.
ready="$prefix/.lumigrid-ready-3"
[ -f "$ready" ] && exit 0
# The caption buttons' symbols come from Marlett, which Debian ships apart
# from Wine (fonts-wine) and which Wine 8 finds only in the prefix's own
# font folder; without it the buttons read "0", "1", "r".
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] || { echo "wine-prefix: $marlett is missing (scripts/setup.sh installs fonts-wine)" >&2; exit 1; }

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
[ -f "$prefix/system.reg" ] || wineboot --init >/dev/null 2>&1 || true

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic" "ＭＳ ＵＩ Gothic"; do
        printf '"%s"="IPAPGothic"\r\n' "$face"
    done
    for face in "ＭＳ ゴシック" "MS Gothic"; do
        printf '"%s"="IPAGothic"\r\n' "$face"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    printf '"Managed"="N"\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
wineserver -w
mkdir -p "$prefix/drive_c/windows/Fonts"
cp -f "$marlett" "$prefix/drive_c/windows/Fonts/marlett.ttf"
touch "$ready"
