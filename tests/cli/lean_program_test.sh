#!/usr/bin/env bash
# lumigrid-cli as it runs on Linux: the commands that need no fonts or
# pictures run in a program that loads no shared library at all, and the
# ones that draw are carried out by lumigrid-cli-media, which it starts; with
# that program missing, or missing a library itself, a drawing command fails
# with a clear message while the others still work.
#
#   lean_program_test.sh CLI MEDIA static|dynamic EXAMPLES
#
# dynamic: the sanitizer trees link lumigrid-cli as the other programs, so
# only the hand-off is checked there.
set -euo pipefail
cli=$1 media=$2 linking=$3 examples=$4
scratch=$(mktemp -d /tmp/lumigrid-lean.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "lean program: $*" >&2; exit 1; }
cd "$scratch"

# Runs "$@", keeping stdout, stderr and the status in out, err and status.
run() {
    status=0
    "$@" >out 2>err || status=$?
}

echo "-- the commands that need no fonts or pictures load no library"
"$cli" list new list.ll
"$cli" list add list.ll "$examples/heart.led" "$examples/arrow.led" >/dev/null
if [ "$linking" = static ]; then
    ! readelf -l "$cli" | grep -q INTERP || fail "$cli asks for a program interpreter"
    ! readelf -d "$cli" | grep -q NEEDED || fail "$cli needs shared libraries: $(readelf -d "$cli" | grep NEEDED)"
    for command in "build list.ll -o list.hex" "check list.ll" "show $examples/heart.led" \
                   "decode list.hex" "export $examples/heart.led -o heart.c" "--help" "text --help"; do
        # shellcheck disable=SC2086
        strace -f -e trace=open,openat -o trace "$cli" $command >/dev/null
        ! grep -E '\.so(\.[0-9]+)*"' trace || fail "$command opened a shared library"
    done
fi

echo "-- build's plain command lines, read without CLI11, as CLI11 reads the others"
"$cli" build list.ll -o plain.hex --format 20bit --start 0x100 --strict
"$cli" build --strict list.ll --output=parsed.hex --format=20bit --start=256
cmp -s plain.hex parsed.hex || fail "a plain build line and its '=' form wrote different files"
# A value the plain reading refuses goes to CLI11, which says what is wrong
# as it does for the '=' form.
for option in format=24bit start=0x100000000; do
    run "$cli" build list.ll -o bad.hex "--${option%%=*}" "${option#*=}"
    cp err plain.err
    plain_status=$status
    run "$cli" build list.ll -o bad.hex "--$option"
    [ "$plain_status" = 2 ] && [ "$status" = 2 ] && cmp -s plain.err err \
        || fail "--$option: $plain_status $(cat plain.err) / $status $(cat err)"
    [ ! -e bad.hex ] || fail "--$option wrote bad.hex"
done

echo "-- the commands that draw, through $(basename "$media")"
run "$cli" render "$examples/heart.led" -o heart.png
[ "$status" = 0 ] || fail "render: status $status: $(cat err)"
[ "$(head -c 8 heart.png | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "render wrote no PNG"
"$cli" build list.ll -o list.hex
run "$cli" decode list.hex --render frames
[ "$status" = 0 ] && [ -f frames/pattern-000-frame-0000.png ] || fail "decode --render: status $status: $(cat err)"
[ "$("$media" --version)" = "$("$cli" --version)" ] || fail "the two programs differ in version"

echo "-- without $(basename "$media")"
mkdir alone
cp "$cli" alone/
if [ "$linking" = dynamic ]; then cp "$(dirname "$cli")"/libPanekit.so alone/; fi
lonely=alone/$(basename "$cli")
run "$lonely" text A -o a.led
[ "$status" = 1 ] || fail "text without the media program: status $status"
grep -q "lumigrid-cli: text needs lumigrid-cli-media, which draws with fonts and pictures, and it is missing" err \
    || fail "text without the media program said: $(cat err)"
grep -qF "'$scratch/alone/lumigrid-cli-media' nor at '$scratch/lib/lumigrid/lumigrid-cli-media'" err \
    || fail "the message does not say where it looked: $(cat err)"
[ ! -e a.led ] || fail "text without the media program left a.led"
run "$lonely" decode list.hex --render frames2
[ "$status" = 1 ] && [ ! -e frames2 ] || fail "decode --render without the media program: status $status"
run "$lonely" render
[ "$status" = 2 ] && grep -q "render: no PATTERN.led given" err || fail "a usage error of render: $status $(cat err)"
run "$lonely" preview --help
[ "$status" = 0 ] && grep -q "OUT.gif" out || fail "preview --help without the media program: $status"
run "$lonely" --help
[ "$status" = 0 ] && grep -q "lumigrid-cli text TEXT -o PATTERN.led" out || fail "--help without the media program"
run "$lonely" build list.ll -o alone.hex
[ "$status" = 0 ] && cmp -s list.hex alone.hex || fail "build without the media program: $(cat err)"

if [ "$linking" = static ]; then
    echo "-- $(basename "$media") without a library it needs"
    cp "$media" alone/
    run "$lonely" render "$examples/heart.led" -o heart2.png
    [ "$status" = 1 ] || fail "render with libPanekit.so missing: status $status"
    grep -q "libPanekit.so" err && grep -q "cannot start: a library it needs is missing" err \
        || fail "render with libPanekit.so missing said: $(cat err)"
    [ ! -e heart2.png ] || fail "render with libPanekit.so missing left heart2.png"
fi
echo "lean program: all passed"
