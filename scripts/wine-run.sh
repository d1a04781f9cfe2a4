#!/usr/bin/env bash
# Runs a Windows program of a build tree under Wine, in that tree's own
# prefix (<tree>/wineprefix, made on first use):  wine-run.sh PROGRAM.exe ARGS...
# The program is looked for in <tree>/bin, so the prefix is <tree>/wineprefix.
set -euo pipefail
program=$1; shift
tree=$(cd "$(dirname "$program")/.." && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/wine-prefix.sh" "$tree/wineprefix"
export WINEPREFIX="$tree/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$program" "$@"
