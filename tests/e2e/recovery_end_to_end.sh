#!/usr/bin/env bash
# Work survives a crash, end to end: the real lumigrid.exe under Wine on a
# virtual display draws four LEDs, waits for its recovery file, and is
# killed. Started again, it asks "復元の確認"; Yes brings the drawing back,
# and Ctrl+Shift+S saves it: the saved file is byte for byte the pattern of
# the recovery file as it was last written. A clean exit then leaves no
# recovery file behind.
#
#   recovery_end_to_end.sh BUILD_TREE [SCREENSHOT_DIR]
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="$tree/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/../../scripts/wine-prefix.sh" "$WINEPREFIX"

work=$(mktemp -d /tmp/lumigrid-recovery.XXXXXX)
shots=${2:-"$tree/e2e-screenshots/recovery"}
mkdir -p "$shots"
editor_pid=
cleanup() {
    [ -n "$editor_pid" ] && kill -9 "$editor_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

step=0
shot() { step=$((step + 1)); import -window root "$shots/$(printf '%02d' $step)-$1.png"; }
fail() { echo "recovery end-to-end: $*" >&2; shot failure; exit 1; }
. "$here/../../scripts/window-wait.sh"
focus_window() { xdotool mousemove --window "$1" 60 8 click 1; sleep 0.3; }

# The recovery folder of the prefix's user, emptied of what earlier runs left.
local_data=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
recovery=$(winepath -u "$local_data\\Lumigrid\\Recovery" 2>/dev/null)
[ -n "$recovery" ] || fail "no local application data folder in the prefix"
rm -rf "$recovery"

start() {
    wine "$tree/bin/lumigrid.exe" &
    editor_pid=$!
    main=$(await "^Lumigrid ver 1.0") || fail "the editor did not start"
    xdotool windowmove "$main" 0 0
    sleep 1
}

# 1. Draw, as in the other end-to-end test: the green target frame lies 3
# pixels outside view 0's first LED cell; LED (c, r) is 20 pixels a cell on.
start
import -window root "$work/grid.png"
read -r gx gy < <(convert "$work/grid.png" txt:- | grep -m1 '#00FF00' | sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')
[ -n "${gx:-}" ] || fail "no target frame on the screen"
led() { xdotool mousemove $((gx + 3 + 10 + 20 * $1)) $((gy + 3 + 10 + 20 * $2)) click 1; sleep 0.1; }
led 0 0
led 3 2
led 15 15
led 7 9
shot drawn

# 2. The copy comes within 30 seconds of the change.
copy=
for _ in $(seq 1 80); do
    copy=$(find "$recovery" -name 'lumigrid-*.recovery' 2>/dev/null | head -n 1 || true)
    [ -n "$copy" ] && break
    sleep 0.5
done
[ -n "$copy" ] || fail "no recovery file in $recovery"
sleep 1
cp "$copy" "$work/copy.recovery"

# 3. The crash.
kill -9 "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
editor_pid=
gone "^Lumigrid ver 1.0" || fail "the killed editor's window stayed"
[ -f "$copy" ] || fail "the recovery file went with the editor"

# 4. Started again: the window first, then the question; Yes restores.
start
question=$(await "^復元の確認\$") || fail "no recovery question"
sleep 0.5
shot question
import -window "$question" "$shots/recovery-question.png"
focus_window "$question"
xdotool key alt+y
gone "^復元の確認\$" || fail "the question stayed open"
sleep 0.5
shot restored

# 5. Ctrl+Shift+S: the restored drawing, saved.
saved="$work/restored.led"
focus_window "$main"
xdotool key ctrl+shift+s
dialog=$(await "^Save As\$") || fail "no save dialog after Ctrl+Shift+S"
focus_window "$dialog"
xdotool type --delay 20 "$(windows_path "$saved")"
xdotool key Return
gone "^Save As\$" || fail "the save dialog stayed open"
options=$(await "^保存方法の決定\$") || fail "no save options dialog"
focus_window "$options"
xdotool key Return
gone "^保存方法の決定\$" || fail "save options stayed open"
sleep 1

# The pattern of the recovery file follows its record: 30 bytes and the
# name (none: the drawing was never saved).
[ -f "$saved" ] || fail "nothing saved"
tail -c +31 "$work/copy.recovery" > "$work/expected.led"
cmp -s "$work/expected.led" "$saved" || fail "the restored drawing differs: $(od -An -tx1 "$saved" | head -3)"
# And it is the drawing: (0,0), (3,2), (7,9) and (15,15) lit in frame 0.
expected="4c 45 44 31 01 00 02 00 10 02 10 00 80 00 00 00 10 00"
actual=$(head -c 18 "$saved" | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
[ "$actual" = "$expected" ] || fail "header and first rows: expected [$expected], got [$actual]"

# 6. A clean exit leaves no recovery file.
xdotool mousemove --window "$main" 20 35 click 1
sleep 0.4
xdotool key x
for _ in $(seq 1 40); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.25; done
kill -0 "$editor_pid" 2>/dev/null && fail "the editor did not close"
editor_pid=
left=$(find "$recovery" -name 'lumigrid-*.recovery' 2>/dev/null || true)
[ -z "$left" ] || fail "recovery files left after a clean exit: $left"

echo "recovery end-to-end: 1 passed, 0 failed"
