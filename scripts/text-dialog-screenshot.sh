#!/usr/bin/env bash
# Takes the picture of the editor's Text dialog for the README, as a person
# would make it: the real lumigrid.exe under Wine, Frame > Text... opened by
# a click on the menu and its letter, a text typed into the box; then the
# dialog alone is saved.
#   text-dialog-screenshot.sh BUILD_TREE OUT.png      (e.g. build/win64 docs/text-dialog.png)
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="$tree/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT

. "$here/window-wait.sh"

wine "$tree/bin/lumigrid.exe" &
main=$(await "^Lumigrid ver 1.0")
xdotool windowmove "$main" 0 0
sleep 1
# "F&rame" stands after "&View" in the menu bar.
xdotool mousemove --window "$main" 128 35 click 1
sleep 0.4
xdotool key t
dialog=$(await "^文字の入力\$")
sleep 0.5
# Into the text box, then the text.
xdotool mousemove --window "$dialog" 200 40 click 1
sleep 0.3
xdotool type --delay 150 "${TEXT:-こんにちは LED}"
sleep 1
import -window "$dialog" "$out"
echo "$out"
