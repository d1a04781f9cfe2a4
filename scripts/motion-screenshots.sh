#!/usr/bin/env bash
# Takes the pictures of the Effects dialog and the Preview List window for
# the manual, as a person would: the real lumigrid.exe under Wine, a pattern
# loaded and a list chosen in the file dialogs, the menus opened by clicks
# and letters; then each window alone is saved.
#   motion-screenshots.sh BUILD_TREE CLI OUT_DIR   (e.g. build/win64 build/native/bin/lumigrid-cli docs/images)
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
choose_file() {
    local dialog
    dialog=$(await "^$1\$")
    focus_dialog "$dialog"
    xdotool type --delay 20 "$2"
    xdotool key Return
    gone "^$1\$"
}

# A sign's show: a greeting held, a reset, and a marquee.
"$cli" text "こんにちは" -o "$work/hello.led" --mode normal --wait 8 >/dev/null
"$cli" text "LED" -o "$work/marquee.led" --mode animation --step 2 >/dev/null
"$cli" list add "$work/show.ll" "$work/hello.led" >/dev/null
"$cli" list reset "$work/show.ll" >/dev/null
"$cli" list add "$work/show.ll" "$work/marquee.led" >/dev/null

wine "$tree/bin/lumigrid.exe" &
main=$(await "^Lumigrid ver 1.0")
xdotool windowmove "$main" 0 0
sleep 1
# File > Load... the greeting.
xdotool mousemove --window "$main" 20 35 click 1
sleep 0.4
xdotool key l
choose_file "Open" "$(windows_path "$work/hello.led")"
# View > Option..., Browse (four tabs from OK) for the list, the notice, Esc.
xdotool mousemove --window "$main" 90 35 click 1
sleep 0.4
xdotool key p
options=$(await "^設定\$")
focus_dialog "$options"
xdotool key Tab Tab Tab Tab space
choose_file "Open" "$(windows_path "$work/show.ll")"
notice=$(await "^確認\$")
focus_dialog "$notice"
xdotool key Return
gone "^確認\$"
focus_dialog "$options"
xdotool key Escape
gone "^設定\$"

# Frame > Effects..., by its letter.
xdotool mousemove --window "$main" 128 35 click 1
sleep 0.4
xdotool key e
effects=$(await "^ｴﾌｪｸﾄ\$")
sleep 1.2
import -window "$effects" "$out/effects-dialog.png"
focus_dialog "$effects"
xdotool key Escape
gone "^ｴﾌｪｸﾄ\$"

# File > Preview List..., a moment into the marquee.
xdotool mousemove --window "$main" 20 35 click 1
sleep 0.4
xdotool key p
preview=$(await "^ﾘｽﾄのﾌﾟﾚﾋﾞｭｰ\$")
sleep 3.3
import -window "$preview" "$out/preview-list.png"
echo "$out/effects-dialog.png $out/preview-list.png"
