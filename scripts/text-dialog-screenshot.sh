#!/usr/bin/env bash
# Takes the picture of the editor's Text dialog for the manual, as a person
# would make it: the real lumigrid.exe under Wine, Frame > Text... opened by
# a click on the menu and its letter, a text typed into the box; then the
# dialog alone is saved.
#   text-dialog-screenshot.sh BUILD_TREE OUT.png      (e.g. build/win64 docs/images/text-dialog.png)
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/window-wait.sh"
start_editor "$tree"
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
