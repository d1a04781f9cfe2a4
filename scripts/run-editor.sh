#!/usr/bin/env bash
# Starts the editor under Wine in the win64 tree's prefix. With a display it
# runs there until closed. Without one it runs on a virtual display for a few
# seconds, saves a screenshot under build/ and says where.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
editor=build/win64/bin/lumigrid.exe
prefix="$PWD/build/win64/wineprefix"
[ -f "$editor" ] || { echo "No $editor: build it with 'make win64'." >&2; exit 1; }
scripts/wine-prefix.sh "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

managed() { wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1; }

if [ -n "${DISPLAY:-}" ]; then
    # A real desktop: let its window manager frame the editor's windows.
    managed Y
    trap 'managed N; wineserver -w' EXIT
    wine "$editor"
    exit 0
fi

screenshot="$PWD/build/lumigrid-screenshot.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wine "$1" &
    for _ in $(seq 1 40); do
        xdotool search --name "Lumigrid ver" >/dev/null 2>&1 && break
        sleep 0.5
    done
    sleep 2
    import -window root "$2"
    wineserver -k
' _ "$editor" "$screenshot"
echo "No display: the editor ran on a virtual display. Screenshot: $screenshot"
