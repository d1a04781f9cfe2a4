#!/usr/bin/env bash
# End to end, as a person would: the real lumigrid.exe under Wine on a virtual
# display, driven with xdotool (clicks on LEDs, menus by keyboard, file names
# typed into the real file dialogs). It draws a pattern (one stroke of it
# undone and redone with Ctrl+Z and Ctrl+Y), creates a list,
# saves the pattern with the Scroll control code into the list, adds a reset,
# exports a HEX file in the 20-bit format with a start address, and checks
# the bytes of the .led, .ll and .hex files.
#
#   editor_end_to_end.sh BUILD_TREE        (e.g. build/win64)
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="$tree/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/../../scripts/wine-prefix.sh" "$WINEPREFIX"

work=$(mktemp -d /tmp/lumigrid-e2e.XXXXXX)
shots="$tree/e2e-screenshots"
mkdir -p "$shots"
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

step=0
shot() { step=$((step + 1)); import -window root "$shots/$(printf '%02d' $step)-$1.png"; }
fail() { echo "end-to-end: $*" >&2; shot failure; exit 1; }
. "$here/../../scripts/window-wait.sh"
# Puts the keyboard focus in a dialog by clicking its caption.
# Opens a menu of the main window by clicking its name, then picks an item by its letter.
menu() {
    local x
    case $1 in File) x=20 ;; Edit) x=53 ;; View) x=90 ;; esac
    xdotool mousemove --window "$main" "$x" 35 click 1
    sleep 0.4
    xdotool key "$2"
}
# Types a Windows path into the file dialog titled $1 and confirms it.
choose_file() {
    local dialog
    dialog=$(await "^$1\$") || fail "no file dialog '$1'"
    focus_dialog "$dialog"
    xdotool type --delay 20 "$2"
    xdotool key Return
    gone "^$1\$" || fail "file dialog '$1' stayed open"
}

wine "$tree/bin/lumigrid.exe" &
main=$(await "^Lumigrid ver 1.0") || fail "the editor did not start"
xdotool windowmove "$main" 0 0
sleep 1
shot started

# 1. A new list file, through the options dialog's New button.
list="$work/show.ll"
menu View p
options=$(await "^設定\$") || fail "no options dialog"
focus_dialog "$options"
# Tab order from OK: Cancel, frame count, list file, Browse, New.
xdotool key Tab Tab Tab Tab Tab space
choose_file "Save As" "$(windows_path "$list")"
notice=$(await "^確認\$") || fail "no list-changed notice"
shot list-created
focus_dialog "$notice"
xdotool key Return
gone "^確認\$" || fail "notice stayed open"
# The New button keeps the focus; the list stays chosen whichever way the
# dialog is left, so Esc closes it.
focus_dialog "$options"
xdotool key Escape
gone "^設定\$" || fail "options dialog stayed open"

# 2. Draw: the green target frame lies 3 pixels outside view 0's first LED
# cell; LED (c, r) is 20 pixels a cell from there.
import -window root "$work/grid.png"
read -r gx gy < <(convert "$work/grid.png" txt:- | grep -m1 '#00FF00' | sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')
[ -n "${gx:-}" ] || fail "no target frame on the screen"
led() { xdotool mousemove $((gx + 3 + 10 + 20 * $1)) $((gy + 3 + 10 + 20 * $2)) click 1; sleep 0.1; }
led 0 0
led 1 1
led 15 15
led 15 0
sleep 0.5
shot drawn

# 2b. One more stroke, undone with Ctrl+Z, redone with Ctrl+Y and undone again,
# read back from the screen: the LED's centre is yellow when lit, grey when not.
led_colour() {
    import -window root "$work/led.png"
    convert "$work/led.png" -format "%[hex:u.p{$((gx + 3 + 10 + 20 * $1)),$((gy + 3 + 10 + 20 * $2))}]" info: | cut -c1-6
}
expect_led() {
    local colour
    colour=$(led_colour "$1" "$2")
    [ "$colour" = "$3" ] || fail "LED ($1, $2) after $4 is #$colour, not #$3"
}
led 5 5
sleep 0.3
expect_led 5 5 FFFF00 "the stroke"
xdotool key ctrl+z
sleep 0.5
expect_led 5 5 7F7F7F "Ctrl+Z"
shot undone
xdotool key ctrl+y
sleep 0.5
expect_led 5 5 FFFF00 "Ctrl+Y"
shot redone
xdotool key ctrl+z
sleep 0.5
expect_led 5 5 7F7F7F "the second Ctrl+Z"

# 3. Save As, with the Scroll control code, into the list.
pattern="$work/art.led"
menu File a
choose_file "Save As" "$(windows_path "$pattern")"
options=$(await "^保存方法の決定\$") || fail "no save options dialog"
focus_dialog "$options"
xdotool key alt+s alt+l
shot save-options
xdotool key Return
gone "^保存方法の決定\$" || fail "save options stayed open"

# 4. A reset after the pattern, in the list editor; Esc closes and rewrites.
menu Edit l
editor=$(await "^ﾘｽﾄ編集ﾀﾞｲｱﾛｸﾞ\$") || fail "no list editor"
focus_dialog "$editor"
xdotool key alt+r
shot list-edited
xdotool key Escape
gone "^ﾘｽﾄ編集ﾀﾞｲｱﾛｸﾞ\$" || fail "list editor stayed open"

# 5. The HEX file, 20-bit format, start address 4660.
hex="$work/show.hex"
menu File h
choose_file "Save As" "$(windows_path "$hex")"
hexoptions=$(await "^Hex File 作成ｵﾌﾟｼｮﾝ\$") || fail "no hex options dialog"
focus_dialog "$hexoptions"
xdotool key alt+t Down Down alt+s alt+a ctrl+a
xdotool type 4660
shot hex-options
xdotool key Return
gone "^Hex File 作成ｵﾌﾟｼｮﾝ\$" || fail "hex options stayed open"
sleep 1

# The files, byte for byte.
expect_file() {
    local file=$1 expected=$2
    [ -f "$file" ] || fail "no $(basename "$file")"
    local actual
    actual=$(od -An -v -tx1 "$file" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
    [ "$actual" = "$expected" ] || fail "$(basename "$file"): expected [$expected], got [$actual]"
}
# Header: LED1, Scroll (2), wait 0, 2 frames, 16 rows, 2 row bytes, 16 columns,
# add-to-list 1; frame 0 has (0,0), (1,1), (15,0) and (15,15) lit.
led_bytes="4c 45 44 31 02 00 02 00 10 02 10 01 80 01 40 00"
for _ in $(seq 1 13); do led_bytes+=" 00 00"; done
led_bytes+=" 00 01"
for _ in $(seq 1 16); do led_bytes+=" 00 00"; done
expect_file "$pattern" "$led_bytes"

# The list: the path as the file dialog gave it, then the reset, CR LF each.
printf '%s\r\n:Reset\r\n' "$(windows_path "$pattern")" > "$work/expected.ll"
cmp -s "$work/expected.ll" "$list" || fail "show.ll differs: $(od -c "$list" | head -5)"

# Display program: F0 00, scroll block 3001, frame 0 and frame 1 column by
# column (1 = unlit), reset 60 00, end 00 00.
cmp -s "$here/editor_end_to_end.hex" "$hex" || fail "show.hex differs: $(cat "$hex")"

shot done
echo "end-to-end: 1 passed, 0 failed"
