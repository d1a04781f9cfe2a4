#!/usr/bin/env bash
# Times lumigrid-cli build on a display list whose image is about 1 MiB in the
# 20-bit format, against objcopy (binutils) and srec_cat (srecord) turning the
# same image bytes into Intel HEX, and prints the ratios (below 1: faster).
#
#   bench/run.sh [CLI]      CLI defaults to build/native/bin/lumigrid-cli
#
# The list holds 16 Scroll patterns of 16 x 16 frames with random pixels:
# 15 of 2048 frames and one of 2046, an image of 1,048,548 bytes, just under
# the 1 MiB the 20-bit format can address. Each program runs RUNS times (15
# by default), the three in turn, and its median counts.
#
# It runs twice: in a directory on disk (bench/ in the CLI's build tree),
# where lumigrid-cli's safe replacement waits for the new file to reach the
# disk (fsync) before it takes the target's name and the other two do not,
# and in memory (/dev/shm, where there is one), where that wait costs nothing.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli=$(realpath "${1:-$here/../build/native/bin/lumigrid-cli}")
runs=${RUNS:-15}
for tool in objcopy srec_cat; do
    command -v "$tool" >/dev/null || { echo "bench: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "bench: $cli is not built" >&2; exit 1; }

disk="$(dirname "$cli")/../bench"
rm -rf "$disk"
mkdir -p "$disk"
memory=""
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    memory=$(mktemp -d /dev/shm/lumigrid-bench.XXXXXX)
    trap 'rm -rf "$memory"' EXIT
fi

# A Scroll pattern: header LED1, control code 2, wait 0, frame count (LE),
# 16 rows, 2 row bytes, 16 columns, flag 0; then 32 bytes a frame.
make_pattern() {
    local name=$1 frames=$2
    printf 'LED1\x02\x00'"$(printf '\\x%02x\\x%02x' $((frames & 255)) $((frames >> 8)))"'\x10\x02\x10\x00' > "$name"
    head -c $((frames * 32)) /dev/urandom >> "$name"
}

# Wall clock in nanoseconds, without starting a process.
now() { local t=${EPOCHREALTIME/[.,]/}; echo $((10#$t * 1000)); }

measure() {
    local where=$1 label=$2
    cd "$where"
    : > list.ll
    for i in $(seq 1 16); do
        make_pattern "p$i.led" $([ "$i" -lt 16 ] && echo 2048 || echo 2046)
        printf '%s\r\n' "$PWD/p$i.led" >> list.ll
    done
    "$cli" build list.ll -o lumigrid.hex --format 20bit
    objcopy -I ihex -O binary lumigrid.hex image.bin
    local ours=() objcopy_times=() srec_times=() start
    for _ in $(seq 1 "$runs"); do
        start=$(now); "$cli" build list.ll -o lumigrid.hex --format 20bit; ours+=($(( $(now) - start )))
        start=$(now); objcopy -I binary -O ihex image.bin objcopy.hex; objcopy_times+=($(( $(now) - start )))
        start=$(now); srec_cat image.bin -Binary -o srec.hex -Intel; srec_times+=($(( $(now) - start )))
    done
    median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
    local a b c
    a=$(median "${ours[@]}"); b=$(median "${objcopy_times[@]}"); c=$(median "${srec_times[@]}")
    awk -v label="$label" -v a="$a" -v b="$b" -v c="$c" -v image="$(stat -c %s image.bin)" \
        -v hex="$(stat -c %s lumigrid.hex)" 'BEGIN {
        printf "%s: image %d bytes, lumigrid.hex %d bytes\n", label, image, hex
        printf "  lumigrid-cli build --format 20bit  %7.2f ms\n", a / 1e6
        printf "  objcopy -I binary -O ihex          %7.2f ms\n", b / 1e6
        printf "  srec_cat -Binary -o -Intel         %7.2f ms\n", c / 1e6
        printf "  ratio lumigrid-cli / objcopy:  %.2f\n", a / b
        printf "  ratio lumigrid-cli / srec_cat: %.2f\n", a / c
    }'
}

measure "$disk" "on disk ($(realpath "$disk"))"
[ -z "$memory" ] || measure "$memory" "in memory ($memory)"
