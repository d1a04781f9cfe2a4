#!/usr/bin/env bash
# lumigrid-cli as help2man reads it: LUMIGRID_CLI=PROGRAM help2man cli-help-for-man.sh
# --version passes through. --help is laid out the way help2man understands:
# the usage lines as "Usage:" and "or:" lines (a wrapped one joined again), and
# each command's paragraph (its name, then a capital) as an indented tag and text.
set -euo pipefail
cli=${LUMIGRID_CLI:?LUMIGRID_CLI names the lumigrid-cli to describe}
[ "${1:-}" = --help ] || exec "$cli" "$@"
"$cli" --help | awk '
    /^Usage:$/ { usage = 1; next }
    usage && /^$/ { flush(); usage = 0; print; next }
    usage && /^  [^ ]/ { flush(); line = substr($0, 3); next }
    usage { sub(/^ +/, " "); line = line $0; next }
    /^[a-z]+ +[A-Z]/ { text = $0; sub(/^[a-z]+ +/, "", text); printf "  %-8s %s\n", $1, text; next }
    /^       [^ ]/ { print "           " trim($0); next }
    { print }
    function trim(text) { sub(/^ +/, "", text); return text }
    function flush() {
        if (line == "") return
        print (count++ ? "   or: " : "Usage: ") line
        line = ""
    }
'
