#!/usr/bin/env bash
# Runs the repaint benchmark of a Windows build tree under Wine on a virtual
# display, in the tree's own prefix, and ends that prefix's wineserver after.
#
#   bench/repaint.sh [TREE]      TREE defaults to build/win64
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tree=$(realpath "${1:-$here/../build/win64}")
program="$tree/bin/repaint_bench.exe"
[ -f "$program" ] || { echo "bench: $program is not built" >&2; exit 1; }
export WINEPREFIX="$tree/wineprefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
# The prefix's wineserver ends while the display is still there, so that no
# Wine process loses its connection to it.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '"$1" "$2"; status=$?; wineserver -k; exit $status' \
    repaint "$here/../scripts/wine-run.sh" "$program"
