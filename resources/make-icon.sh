#!/usr/bin/env bash
# Draws the application icon, resources/lumigrid.ico: a heart of lit LEDs on
# a dark LED board, at 16, 32 and 48 pixels. The .ico is committed; run this
# (ImageMagick) only to change it:  resources/make-icon.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

lit='#ffff00'
dark='#484848'
board='#101010'

# The small image has room for a 5 x 5 board only; the larger ones show 7 x 7.
small_heart=(
    '.#.#.'
    '#####'
    '#####'
    '.###.'
    '..#..'
)
heart=(
    '.##.##.'
    '#######'
    '#######'
    '#######'
    '.#####.'
    '..###..'
    '...#...'
)

# draw SIZE CELL MARGIN ROWS...: one image, each LED a disc in its cell
# (a square where a cell is too small for a round one).
draw() {
    local size=$1 cell=$2 margin=$3; shift 3
    local rows=("$@") commands=() y x
    local corner=$((size / 8))
    commands+=(-fill "$board" -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $corner,$corner")
    for ((y = 0; y < ${#rows[@]}; y++)); do
        local row=${rows[y]}
        for ((x = 0; x < ${#row}; x++)); do
            local colour=$dark
            [ "${row:x:1}" = '#' ] && colour=$lit
            local left=$((margin + x * cell)) top=$((margin + y * cell))
            if [ "$cell" -lt 6 ]; then
                commands+=(-fill "$colour" -draw "rectangle $left,$top $((left + cell - 2)),$((top + cell - 2))")
            else
                # Centre and radius in tenths, so that odd cells stay centred.
                local centre_x centre_y radius
                centre_x=$(awk "BEGIN { print $left + ($cell - 1) / 2 }")
                centre_y=$(awk "BEGIN { print $top + ($cell - 1) / 2 }")
                radius=$(awk "BEGIN { print $cell * 0.34 }")
                commands+=(-fill "$colour" -draw "circle $centre_x,$centre_y $(awk "BEGIN { print $centre_x + $radius }"),$centre_y")
            fi
        done
    done
    local antialias=-antialias
    [ "$cell" -lt 6 ] && antialias=+antialias
    convert -size "${size}x${size}" xc:none "$antialias" "${commands[@]}" \
        -define png:exclude-chunks=date,time "png32:$work/$size.png"
}

draw 16 3 1 "${small_heart[@]}"
draw 32 4 2 "${heart[@]}"
draw 48 6 3 "${heart[@]}"
convert "$work/16.png" "$work/32.png" "$work/48.png" "$here/lumigrid.ico"
echo "Wrote $here/lumigrid.ico"
