#!/usr/bin/env bash
# Times lumigrid-cli build against objcopy (binutils) and srec_cat (srecord)
# turning the same image bytes into Intel HEX, in the 32-bit format (whose
# output is the same size as objcopy's) and, where the image fits, in the
# 20-bit one; prints the medians of wall-clock and CPU time and the ratios
# (below 1: lumigrid-cli is faster).
#
#   bench/run.sh [CLI]      CLI defaults to build/native/bin/lumigrid-cli;
#                           run-timer is taken from beside it
#
# First start-up alone: lumigrid-cli --version against objcopy --version
# (case version). Then display lists, all Scroll patterns with random pixels:
#   small    five patterns of 16 frames of 16 x 16, an image of 2,574 bytes,
#            as most lists are: its time is almost all start-up;
#   16x16    15 patterns of 2048 frames and one of 2046, an image of
#            1,048,548 bytes, just under the 1 MiB the 20-bit format can address;
#   64x64    one pattern of 2046 frames, an image of 1,047,556 bytes;
#   255x255  the largest pattern, 2048 frames of 255 x 255, an image of
#            16,648,196 bytes (32-bit format only).
# Each program runs RUNS times (15 by default), the three in turn, and its
# median counts; start-up and the small list, whose runs are short and
# scattered more, SMALL_RUNS times (four times RUNS by default). CASES chooses the cases (all five by default).
#
# It runs twice: in a directory on disk (bench-files/ in the CLI's build
# tree, beside CMake's own bench/, which it must not touch),
# where lumigrid-cli's safe replacement makes the new file durable before it
# takes the target's name and the other two do not, and in memory (/dev/shm,
# where there is one), where that costs nothing.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli=$(realpath "${1:-$here/../build/native/bin/lumigrid-cli}")
timer="$(dirname "$cli")/run-timer"
runs=${RUNS:-15}
small_runs=${SMALL_RUNS:-$((runs * 4))}
for tool in objcopy srec_cat; do
    command -v "$tool" >/dev/null || { echo "bench: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "bench: $cli is not built" >&2; exit 1; }
[ -x "$timer" ] || { echo "bench: $timer is not built" >&2; exit 1; }

disk="$(dirname "$cli")/../bench-files"
rm -rf "$disk"
mkdir -p "$disk"
memory=""
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    memory=$(mktemp -d /dev/shm/lumigrid-bench.XXXXXX)
    trap 'rm -rf "$memory"' EXIT
fi

# A Scroll pattern: header LED1, control code 2, wait 0, frame count (LE),
# rows, row bytes, columns, flag 0; then rows x row bytes a frame.
make_pattern() {
    local name=$1 frames=$2 columns=$3 rows=$4
    local row_bytes=$(( (columns + 7) / 8 ))
    printf 'LED1\x02\x00'"$(printf '\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x' $((frames & 255)) $((frames >> 8)) \
        "$rows" "$row_bytes" "$columns")"'\x00' > "$name"
    head -c $((frames * rows * row_bytes)) /dev/urandom >> "$name"
}

# lumigrid-cli --version against objcopy --version.
measure_version() {
    local ours=() ours_cpu=() objcopy_wall=() objcopy_cpu=()
    for _ in $(seq 1 "$small_runs"); do
        timed ours ours_cpu "$cli" --version
        timed objcopy_wall objcopy_cpu objcopy --version
    done
    awk -v a="$(median "${ours[@]}")" -v ac="$(median "${ours_cpu[@]}")" \
        -v b="$(median "${objcopy_wall[@]}")" -v bc="$(median "${objcopy_cpu[@]}")" 'BEGIN {
        printf "start-up: --version\n"
        printf "                                        wall        CPU\n"
        printf "  lumigrid-cli --version             %7.2f ms %7.2f ms\n", a / 1e6, ac / 1e3
        printf "  objcopy --version                  %7.2f ms %7.2f ms\n", b / 1e6, bc / 1e3
        printf "  ratio lumigrid-cli / objcopy:  wall %.2f  CPU %.2f\n", a / b, (bc ? ac / bc : 0)
    }'
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

# Runs a command once; appends its wall time (ns) and CPU time (us) to the
# arrays named by $1 and $2.
timed() {
    local -n walls=$1 cpus=$2
    shift 2
    local wall user system
    read -r wall user system < <("$timer" "$@" | tail -n 1)
    walls+=("$wall")
    cpus+=($((user + system)))
}

measure() {
    local where=$1 label=$2 format=$3
    cd "$where"
    "$cli" build list.ll -o lumigrid.hex --format "$format"
    local ours=() ours_cpu=() objcopy_wall=() objcopy_cpu=() srec_wall=() srec_cpu=()
    local count=$runs
    [ "$(stat -c %s image.bin)" -lt 65536 ] && count=$small_runs
    # Each program starts with no other program's writes still pending: on
    # ext4 a data sync commits the journal, which first writes out the data
    # of every file that the other two have just written and not synced.
    for _ in $(seq 1 "$count"); do
        sync; timed ours ours_cpu "$cli" build list.ll -o lumigrid.hex --format "$format"
        sync; timed objcopy_wall objcopy_cpu objcopy -I binary -O ihex image.bin objcopy.hex
        sync; timed srec_wall srec_cpu srec_cat image.bin -Binary -o srec.hex -Intel
    done
    awk -v label="$label" -v format="$format" -v image="$(stat -c %s image.bin)" \
        -v hex="$(stat -c %s lumigrid.hex)" -v objhex="$(stat -c %s objcopy.hex)" \
        -v a="$(median "${ours[@]}")" -v ac="$(median "${ours_cpu[@]}")" \
        -v b="$(median "${objcopy_wall[@]}")" -v bc="$(median "${objcopy_cpu[@]}")" \
        -v c="$(median "${srec_wall[@]}")" -v cc="$(median "${srec_cpu[@]}")" 'BEGIN {
        printf "%s, %s: image %d bytes, lumigrid.hex %d bytes, objcopy.hex %d bytes\n", label, format, image, hex, objhex
        printf "                                        wall        CPU\n"
        printf "  lumigrid-cli build --format %-6s %7.2f ms %7.2f ms\n", format, a / 1e6, ac / 1e3
        printf "  objcopy -I binary -O ihex          %7.2f ms %7.2f ms\n", b / 1e6, bc / 1e3
        printf "  srec_cat -Binary -o -Intel         %7.2f ms %7.2f ms\n", c / 1e6, cc / 1e3
        printf "  ratio lumigrid-cli / objcopy:  wall %.2f  CPU %.2f\n", a / b, (bc ? ac / bc : 0)
        printf "  ratio lumigrid-cli / srec_cat: wall %.2f  CPU %.2f\n", a / c, (cc ? ac / cc : 0)
    }'
}

# Writes the list of case $2 in directory $1 and the image bytes it builds.
prepare() {
    cd "$1"
    rm -f ./*.led list.ll
    : > list.ll
    case $2 in
    small)
        for i in $(seq 1 5); do
            make_pattern "p$i.led" 16 16 16
            printf '%s\r\n' "$PWD/p$i.led" >> list.ll
        done ;;
    16x16)
        for i in $(seq 1 16); do
            make_pattern "p$i.led" $([ "$i" -lt 16 ] && echo 2048 || echo 2046) 16 16
            printf '%s\r\n' "$PWD/p$i.led" >> list.ll
        done ;;
    64x64)
        make_pattern p1.led 2046 64 64
        printf '%s\r\n' "$PWD/p1.led" >> list.ll ;;
    255x255)
        make_pattern p1.led 2048 255 255
        printf '%s\r\n' "$PWD/p1.led" >> list.ll ;;
    esac
    "$cli" build list.ll -o lumigrid.hex --format 32bit
    objcopy -I ihex -O binary lumigrid.hex image.bin
}

# Runs case $1 in the directory $2, named $3.
run_case() {
    local name=$1 where=$2 label=$3
    prepare "$where" "$name"
    measure "$where" "$name, $label" 32bit
    # The 20-bit format addresses just under 1 MiB.
    [ "$(stat -c %s "$where/image.bin")" -lt 1048576 ] && measure "$where" "$name, $label" 20bit
    return 0
}

for name in ${CASES:-version small 16x16 64x64 255x255}; do
    if [ "$name" = version ]; then
        measure_version
        continue
    fi
    run_case "$name" "$disk" "on disk ($(realpath "$disk"))"
    [ -n "$memory" ] && run_case "$name" "$memory" "in memory ($memory)"
done
