#!/usr/bin/env bash
# Times lumigrid-cli text on a 20-character text (kana, kanji, Latin) in the
# default font, Unifont's unifont_jp.hex: each run reads and indexes the
# 3.7 MB file once and draws only the glyphs of the text. Prints the mean of
# a number of runs, whole process included, in wall-clock and CPU time.
#   bench/text.sh [LUMIGRID-CLI] [RUNS]
set -euo pipefail
cli=${1:-build/native/bin/lumigrid-cli}
runs=${2:-20}
text="こんにちは、世界。LED 表示板です!!"
[ "$(printf '%s' "$text" | wc -m)" = 20 ] || { echo "the benchmark text is not 20 characters" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" text "$text" -o "$work/warm.led"   # the font file into the page cache
TIMEFORMAT='%R %U %S'
measure() {   # what a run costs: wall-clock and CPU milliseconds
    { time (for _ in $(seq "$runs"); do "$@" > /dev/null; done) ; } 2> "$work/time"
    read -r real user system < "$work/time"
    awk -v r="$real" -v u="$user" -v s="$system" -v n="$runs" 'BEGIN { printf "%.1f ms wall clock, %.1f ms CPU", r * 1000 / n, (u + s) * 1000 / n }'
}
echo "lumigrid-cli text, 20 characters in unifont_jp.hex: $(measure "$cli" text "$text" -o "$work/text.led") a run"
echo "lumigrid-cli --version, the start of the process alone: $(measure "$cli" --version) a run (mean of $runs each)"
