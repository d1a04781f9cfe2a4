#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz tree on its seed corpus for a
# bounded time:   fuzz.sh [SECONDS] [TREE]
# SECONDS per target (default 5), TREE defaults to build/native-fuzz. Inputs
# that find new paths go to TREE/fuzz-corpus/<target>; the seeds kept in the
# repo (fuzz/corpus/<target>) are only read. An input that breaks something is
# kept as TREE/fuzz-findings/<target>-crash-* and shown with the log. Each
# target's line gives its runs and their rate, and the coverage it reached.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-5}
tree=${2:-build/native-fuzz}

passed=0
failed=0
targets=(load_pattern display_list image_import hex_image_reader text_font display_program
         code_reader_c code_reader_python code_reader_json code_reader_xbm code_reader_rust
         code_reader_binary recovery_file)

for target in "${targets[@]}"; do
    program="$tree/bin/${target}_fuzzer"
    corpus="$tree/fuzz-corpus/$target"
    findings="$tree/fuzz-findings"
    mkdir -p "$corpus" "$findings"
    log="$findings/$target.log"
    if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$findings/$target-" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        passed=$((passed + 1))
        runs=$(grep -Eo 'Done [0-9]+ runs' "$log" | tail -n 1 | grep -Eo '[0-9]+')
        # The last status line: "#N DONE cov: C ft: F corp: ... exec/s: R ..."
        last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
        rate=$(grep -Eo 'exec/s: [0-9]+' <<<"$last" | grep -Eo '[0-9]+')
        cov=$(grep -Eo 'cov: [0-9]+' <<<"$last" | grep -Eo '[0-9]+')
        ft=$(grep -Eo 'ft: [0-9]+' <<<"$last" | grep -Eo '[0-9]+')
        echo "fuzz $target: no findings in ${runs:-?} runs, ${rate:-?} runs/s, cov ${cov:-?} ft ${ft:-?}"
    else
        failed=$((failed + 1))
        echo "fuzz $target: FAILED, see $log"
        tail -n 40 "$log"
    fi
done
echo "Fuzzing: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
