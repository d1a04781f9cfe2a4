#!/usr/bin/env bash
# Runs every test of the built trees and fails when any of them fails:
# the native tests, the same under AddressSanitizer and UBSan, and the win64
# tests under Wine on a virtual display. Each runner's summary is printed.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

failed=()
passed_programs=0
failed_programs=0

run_ctest() {
    local tree=$1; shift
    echo "== $tree"
    local log
    log=$(mktemp)
    "$@" ctest --test-dir "build/$tree" --output-on-failure 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    # "N% tests passed, F tests failed out of T"
    local summary
    summary=$(grep -E 'tests failed out of [0-9]+' "$log" | tail -n 1)
    rm -f "$log"
    if [ -n "$summary" ]; then
        local failures total
        failures=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$summary")
        passed_programs=$((passed_programs + total - failures))
        failed_programs=$((failed_programs + failures))
    fi
    if [ "$status" -ne 0 ] || [ -z "$summary" ]; then
        failed+=("$tree")
        [ -n "$summary" ] || failed_programs=$((failed_programs + 1))
    fi
}

run_ctest native
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest native-sanitize

# Windows programs need an X display: a virtual one of their own.
prefix="$PWD/build/win64/wineprefix"
scripts/wine-prefix.sh "$prefix"
run_ctest win64 xvfb-run -a -s "-screen 0 1280x1024x24"
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true

# The real editor, driven as a person would, on a virtual display of its own:
# run_end_to_end NAME SCREEN SCRIPT SCREENSHOTS
run_end_to_end() {
    echo "== win64 $1"
    if xvfb-run -a -s "-screen 0 $2x24" "$3" build/win64; then
        passed_programs=$((passed_programs + 1))
    else
        failed_programs=$((failed_programs + 1))
        failed+=("win64 $1 (screenshots in $4)")
    fi
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
}
run_end_to_end "end to end" 1024x768 tests/e2e/editor_end_to_end.sh build/win64/e2e-screenshots
run_end_to_end "drawing tools end to end" 1280x1024 tests/e2e/drawing_tools_end_to_end.sh \
    build/win64/e2e-screenshots/drawing-tools
run_end_to_end "recovery end to end" 1024x768 tests/e2e/recovery_end_to_end.sh \
    build/win64/e2e-screenshots/recovery

# The releases that make dist made, and make install, as people get them;
# on a virtual display of their own, with a Wine prefix of their own.
echo "== releases"
if xvfb-run -a -s "-screen 0 1024x768x24" tests/packaging/releases_test.sh; then
    passed_programs=$((passed_programs + 1))
else
    failed_programs=$((failed_programs + 1))
    failed+=("releases")
fi

# The libFuzzer targets of the fuzz tree, a few seconds each; make fuzz runs
# them longer.
echo "== native-fuzz"
fuzz_log=$(mktemp)
scripts/fuzz.sh "${FUZZ_TEST_SECONDS:-5}" build/native-fuzz 2>&1 | tee "$fuzz_log"
fuzz_status=${PIPESTATUS[0]}
fuzz_summary=$(grep -E '^Fuzzing: [0-9]+ passed, [0-9]+ failed' "$fuzz_log" | tail -n 1)
rm -f "$fuzz_log"
if [ -n "$fuzz_summary" ]; then
    passed_programs=$((passed_programs + $(sed -E 's/Fuzzing: ([0-9]+) passed.*/\1/' <<<"$fuzz_summary")))
    failed_programs=$((failed_programs + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$fuzz_summary")))
else
    failed_programs=$((failed_programs + 1))
fi
[ "$fuzz_status" -eq 0 ] && [ -n "$fuzz_summary" ] || failed+=(native-fuzz)

# One line over all trees; it counts test programs, each a group of cases.
echo "Summary: $passed_programs passed, $failed_programs failed"
if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED in: ${failed[*]}"
    exit 1
fi
