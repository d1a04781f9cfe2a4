#!/usr/bin/env bash
# Takes the picture of the editor's Import Picture dialog for the manual, as
# a person would make it: the real lumigrid.exe under Wine, Frame > Import
# Picture... opened by a click on the menu and its letter, the picture's path
# typed into the file dialog, then 64 x 32 and error diffusion chosen with
# the keys; then the dialog alone is saved.
#   import-dialog-screenshot.sh BUILD_TREE PICTURE OUT.png
#   (e.g. build/win64 docs/images/astronaut-640x480.jpg docs/images/import-picture-fitted.png)
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
picture=$(realpath "$2")
out=$(realpath -m "$3")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/window-wait.sh"
start_editor "$tree"
# "F&rame" stands after "&View" in the menu bar.
xdotool mousemove --window "$main" 128 35 click 1
sleep 0.4
xdotool key i
chooser=$(await "^Open\$")
xdotool mousemove --window "$chooser" 60 8 click 1
sleep 0.3
xdotool type --delay 20 "Z:${picture//\//\\}"
xdotool key Return
dialog=$(await "^画像の読み込み\$")
sleep 0.5
xdotool mousemove --window "$dialog" 60 8 click 1
sleep 0.3
# Size: the columns box, then the rows box after it; then the dithering list.
xdotool key alt+z ctrl+a
xdotool type --delay 50 64
xdotool key Tab ctrl+a
xdotool type --delay 50 32
xdotool key alt+d Down
# Each change imports the picture again; on a busy machine that takes a while.
sleep 3
import -window "$dialog" "$out"
echo "$out"
