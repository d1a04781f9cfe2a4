#!/usr/bin/env bash
# Takes the manual's picture of the Preview List window with a 128 x 16 sign:
# the real lumigrid.exe under Wine, the list chosen in the options dialog,
# File > Preview List... opened by a click and its letter, the window made
# larger by its frame so that the sign grows, then the window alone saved.
#   preview-list-screenshot.sh BUILD_TREE CLI OUT_DIR   (e.g. build/win64 build/native/bin/lumigrid-cli docs/images)
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
cli=$(realpath "$2")
out=$(realpath -m "$3")
mkdir -p "$out"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="$tree/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$WINEPREFIX"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
. "$here/window-wait.sh"

# A 128 x 16 show: a greeting held, then a marquee; and a pattern of
# another size, which the window's notes name in Japanese.
"$cli" text "Lumigrid 128x16" -o "$work/hello.led" --size 128x16 --mode normal --wait 8 >/dev/null
"$cli" text "ようこそ" -o "$work/marquee.led" --size 128x16 --step 2 >/dev/null
"$cli" text "16" -o "$work/small.led" >/dev/null
"$cli" list add "$work/show.ll" "$work/hello.led" "$work/marquee.led" "$work/small.led" >/dev/null

wine "$tree/bin/lumigrid.exe" &
main=$(await "^Lumigrid ver 1.0")
xdotool windowmove "$main" 0 0
sleep 1
# View > Option..., Browse (four tabs from OK) for the list, the notice, Esc.
xdotool mousemove --window "$main" 90 35 click 1
sleep 0.4
xdotool key p
options=$(await "^設定\$")
focus_dialog "$options"
xdotool key Tab Tab Tab Tab space
dialog=$(await "^Open\$")
focus_dialog "$dialog"
xdotool type --delay 20 "$(windows_path "$work/show.ll")"
xdotool key Return
gone "^Open\$"
notice=$(await "^確認\$")
focus_dialog "$notice"
xdotool key Escape
gone "^確認\$"
focus_dialog "$options"
xdotool key Escape
gone "^設定\$"

# File > Preview List..., dragged larger by its bottom-right corner.
xdotool mousemove --window "$main" 20 35 click 1
sleep 0.4
xdotool key p
preview=$(await "^ﾘｽﾄのﾌﾟﾚﾋﾞｭｰ\$")
eval "$(xdotool getwindowgeometry --shell "$preview")"
xdotool mousemove $((X + WIDTH - 3)) $((Y + HEIGHT - 3)) mousedown 1 \
    mousemove $((X + WIDTH + 240)) $((Y + HEIGHT + 60)) mouseup 1
sleep 2.5
import -window "$preview" "$out/preview-list-128x16.png"
echo "$out/preview-list-128x16.png"
