#!/usr/bin/env bash
# Makes the seeds of the display program, exported code and recovery file
# targets with the project's own commands; the seeds are committed, run this
# only to change them:
#   fuzz/corpus/make-seeds.sh [NATIVE-TREE] [FUZZ-TREE]
# (defaults build/native, for lumigrid-cli, and build/native-fuzz, for
# recovery_seed_maker). The patterns are imported from pictures of the
# image_import seeds. Each target's seeds go to fuzz/corpus/<target>/; seeds
# kept there from findings (finding-*) are left alone.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
cli=$(realpath "${1:-build/native}/bin/lumigrid-cli")
maker=$(realpath "${2:-build/native-fuzz}/bin/recovery_seed_maker")
pictures=fuzz/corpus/image_import
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# pattern NAME PICTURE SIZE MODE [OPTIONS...]: a pattern imported from a picture.
pattern() {
    local name=$1 picture=$2 size=$3 mode=$4
    shift 4
    "$cli" import "$pictures/$picture" -o "$work/$name.led" --size "$size" --mode "$mode" "$@"
}

pattern scroll-5x7 anim.gif 5x7 scroll
pattern normal-5x7 plain.bmp 5x7 normal --wait 3
pattern onoff-8x8 palette.png 8x8 onoff --wait 2
pattern animation-8x8 anim.gif 8x8 animation
pattern scroll-3x3 gray.png 3x3 scroll
pattern normal-3x3 alpha.png 3x3 normal --wait 9
pattern onoff-12x10 gradient.jpg 12x10 onoff
pattern animation-16x16 interlaced.gif 16x16 animation --planes one

# The display program target: one byte that picks the frame size (its index
# in the target's list of sizes), then the program's image, the bytes of
# the HEX file that lumigrid-cli build writes.
out=fuzz/corpus/display_program
mkdir -p "$out"
# program NAME SIZE-INDEX ENTRY...: ENTRY is a pattern's name or "reset".
program() {
    local name=$1 index=$2
    shift 2
    "$cli" list new "$work/$name.ll"
    for entry in "$@"; do
        if [ "$entry" = reset ]; then "$cli" list reset "$work/$name.ll"
        else "$cli" list add "$work/$name.ll" "$work/$entry.led"; fi
    done
    "$cli" build "$work/$name.ll" -o "$work/$name.hex" --format 32bit >/dev/null
    objcopy -I ihex -O binary "$work/$name.hex" "$work/$name.bin"
    { printf "\\x$(printf %02x "$index")"; cat "$work/$name.bin"; } > "$out/$name"
}
program empty 0
program scroll-5x7 1 scroll-5x7
program normal-and-reset-5x7 1 normal-5x7 reset normal-5x7
program onoff-and-animation-8x8 2 onoff-8x8 animation-8x8
program every-item-3x3 4 scroll-3x3 normal-3x3 reset scroll-3x3
program onoff-12x10 6 onoff-12x10
program animation-16x16 0 animation-16x16

# The exported code targets: a few exports in each language, with layouts
# and options of several kinds.
# code TARGET NAME PATTERN OPTIONS...
code() {
    local target=$1 name=$2 from=$3
    shift 3
    mkdir -p "fuzz/corpus/code_reader_$target"
    "$cli" export "$work/$from.led" -o "fuzz/corpus/code_reader_$target/$name" --language "$target" "$@" 2>/dev/null
}
code c gfx-5x7.h normal-5x7
code c ssd1306-bin-8x8.h onoff-8x8 --layout ssd1306 --base bin --no-art
code c u64-rotated.h animation-8x8 --layout u64-8x8 --rotate 90 --planes one
code python max7219-3x3.py scroll-3x3 --layout max7219-rows --planes one
code python serpentine-dec.py normal-5x7 --layout ws2812-serpentine --base dec --mirror vertical
code json gfx-8x8.json onoff-8x8
code json pages-inverted.json scroll-5x7 --layout ssd1306 --invert --planes one
code xbm xbm-5x7.xbm normal-5x7 --layout xbm
code xbm xbm-12x10.xbm onoff-12x10 --layout xbm --no-art --planes one
code rust words16-little.rs normal-3x3 --word 16 --byte-order little --mirror horizontal
code rust strip-8x8.rs animation-8x8 --layout ws2812-progressive --rotate 270 --no-art
# Binary has no text to say its layout: the target takes five bytes first,
# the preset's index, the transform (bit 0 one plane, bits 1-2 the rotation
# in quarter turns, bits 3-4 the mirror, bit 5 inverted, bit 6 little-endian),
# the exported frame's width - 1 and height - 1 (below 64), and the packing (its own
# when bit 7 is set, as the target reads it).
# binary NAME PATTERN PRESET-INDEX TRANSFORM WIDTH HEIGHT OPTIONS...
binary() {
    local name=$1 from=$2 preset=$3 transform=$4 width=$5 height=$6
    shift 6
    mkdir -p fuzz/corpus/code_reader_binary
    "$cli" export "$work/$from.led" -o "$work/$name.bin" --language binary "$@" 2>/dev/null
    { printf "\\x$(printf %02x "$preset")\\x$(printf %02x "$transform")\\x$(printf %02x $((width - 1)))"
      printf "\\x$(printf %02x $((height - 1)))\\x00"
      cat "$work/$name.bin"; } > "fuzz/corpus/code_reader_binary/$name"
}
binary gfx-two-planes-5x7 normal-5x7 0 0 10 7
binary ssd1306-one-plane-8x8 animation-8x8 2 1 8 8 --layout ssd1306 --planes one
binary max7219-columns-rotated-3x3 scroll-3x3 4 3 3 3 --layout max7219-columns --planes one --rotate 90
binary u64-inverted-8x8 onoff-8x8 5 32 16 8 --layout u64-8x8 --invert

# The recovery file target: files as the editor writes them, named and
# unnamed, and one cut inside its pattern.
out=fuzz/corpus/recovery_file
mkdir -p "$out"
"$maker" "$out/named-5x7.recovery" "$work/normal-5x7.led" "C:\\Signs\\shop.led"
"$maker" "$out/unnamed-8x8.recovery" "$work/onoff-8x8.led"
"$maker" "$work/cut.recovery" "$work/scroll-3x3.led" "sign.led"
head -c -2 "$work/cut.recovery" > "$out/cut-in-pattern.recovery"
