# Drawing on the editor's grid with xdotool, for the scripts that drive the
# real editor (the drawing tools' end-to-end test, the manual's picture).
# Sourced after window-wait.sh, with $main the editor's window. Not run.

# File > New... with a size, through its dialog: the columns box has the
# focus with its text selected, Tab goes on to the rows and the frames.
new_pattern() {
    xdotool mousemove --window "$main" 20 35 click 1
    sleep 0.4
    xdotool key n
    local dialog
    dialog=$(await "^新規作成\$") || return 1
    sleep 0.3
    xdotool type "$1"
    xdotool key Tab ctrl+a
    xdotool type "$2"
    xdotool key Return
    gone "^新規作成\$" || return 1
    sleep 0.5
}

# Finds the target view on the screen by its green frame, 3 pixels wide and
# 2 outside the view: sets grid_left, grid_top (screen pixels of LED (0, 0)'s
# cell) and grid_cell from the pattern's columns ($1).
find_grid() {
    local picture
    picture=$(mktemp --suffix=.png)
    import -window root "$picture"
    read -r x0 y0 x1 y1 < <(convert "$picture" -fill black +opaque '#00FF00' -fill white -opaque '#00FF00' \
        -format '%@' info: | sed -E 's/([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)/\3 \4 \1 \2/' |
        awk '{print $1, $2, $1 + $3, $2 + $4}')
    rm -f "$picture"
    grid_left=$((x0 + 3))
    grid_top=$((y0 + 3))
    grid_cell=$(((x1 - 3 - grid_left) / $1))
}

# The screen pixel at the middle of LED (column, row).
led_x() { echo $((grid_left + grid_cell * $1 + grid_cell / 2)); }
led_y() { echo $((grid_top + grid_cell * $1 + grid_cell / 2)); }

# Press on one LED, move to another, release.
drag() {
    xdotool mousemove "$(led_x "$1")" "$(led_y "$2")" mousedown 1
    sleep 0.1
    xdotool mousemove "$(led_x "$3")" "$(led_y "$4")"
    sleep 0.1
    xdotool mouseup 1
    sleep 0.2
}
click_led() { drag "$1" "$2" "$1" "$2"; }
