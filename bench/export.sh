#!/usr/bin/env bash
# Runs the Create Hex File benchmark of a Windows build tree under Wine, in
# the tree's own prefix, with its files in a scratch directory removed after;
# ends that prefix's wineserver after.
#
#   bench/export.sh [TREE]      TREE defaults to build/win64
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tree=$(realpath "${1:-$here/../build/win64}")
program="$tree/bin/export_bench.exe"
[ -f "$program" ] || { echo "bench: $program is not built" >&2; exit 1; }
export WINEPREFIX="$tree/wineprefix"
scratch=$(mktemp -d "$tree/export-bench.XXXXXX")
trap 'rm -rf "$scratch"; wineserver -k 2>/dev/null || true' EXIT
"$here/../scripts/wine-run.sh" "$program" "Z:$(echo "$scratch" | tr / '\\')"
