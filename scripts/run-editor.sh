#!/usr/bin/env bash
# Starts the editor under Wine. The editor program is not part of the build
# yet: until it is, say so rather than pretend.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
editor=build/win64/bin/lumigrid.exe
if [ ! -f "$editor" ]; then
    echo "The editor (lumigrid.exe) is not built yet: so far Lumigrid has its library and" >&2
    echo "document core. 'make test' builds and tests those." >&2
    exit 2
fi
exec scripts/wine-run.sh "$editor"
