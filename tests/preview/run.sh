#!/usr/bin/env bash
# The preview tool's answers, good and bad: exit status, the message on standard error and
# the picture it writes. Usage: run.sh <vantorui-preview> <test module with CPreviewItem and
# CPreviewOddItem> <plugin library whose class is no CUIItem>.
set -uo pipefail

preview=$1
module=$2
plugin=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passed=0

# check <name> <expected status> <regular expression the standard error must match, or
# "nothing" for an empty standard error> -- args
check() {
    local name=$1 expected=$2 pattern=$3
    shift 4
    local status
    # Sanitizer builds would list the suppressions they used on standard error.
    env -u DISPLAY -u WAYLAND_DISPLAY \
        LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0" \
        "$preview" "$@" >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" -ne "$expected" ]; then
        echo "FAIL: $name: exit status $status, expected $expected" >&2
        sed 's/^/    /' "$work/err" >&2
        failures=$((failures + 1))
    elif [ "$pattern" = nothing ] && [ -s "$work/err" ]; then
        echo "FAIL: $name: unexpected complaints:" >&2
        sed 's/^/    /' "$work/err" >&2
        failures=$((failures + 1))
    elif [ "$pattern" != nothing ] && ! grep -Eq -- "$pattern" "$work/err"; then
        echo "FAIL: $name: standard error does not match /$pattern/:" >&2
        sed 's/^/    /' "$work/err" >&2
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
}

# png_size <file>: "W H" of a PNG file, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

check "no arguments" 2 '^usage: ' --
"$preview" --help | grep -q '^usage: ' || {
    echo "FAIL: --help does not print the usage, or does not exit 0" >&2
    failures=$((failures + 1))
}
check "no class" 2 '^usage: ' -- --module "$module"
check "a size that is no size" 2 '^usage: ' -- --module "$module" --class CPreviewItem --size 10by10
check "a module that cannot be loaded" 1 '^Cannot load the module .*/missing/libnothing\.so: ' -- \
    --module "$work/missing/libnothing.so" --class CPreviewItem --out "$work/a.png"
check "a class the module does not register" 1 \
    '^The module .* registers no class CNoSuchItem\.$' -- \
    --module "$module" --class CNoSuchItem --out "$work/a.png"
check "a class that is no CUIItem" 1 '^The class CTestPluginThing is not a CUIItem' -- \
    --module "$plugin" --class CTestPluginThing --out "$work/a.png"
check "a class made by a base's construct function" 1 'The class CUIItem cannot be made by name: its construct function makes a CMetaItem\.' -- \
    --module "$(dirname "$module")/libvantorui.so" --class CUIItem --out "$work/a.png"
check "a page without a script" 1 "ERROR: Can't load UI page CPreviewItemUIPage7" -- \
    --module "$module" --class CPreviewItem --page 7 --out "$work/a.png"
check "a tag the schema lacks" 1 'NoSuchTag' -- \
    --module "$module" --class CPreviewItem --page 1 --out "$work/a.png"
check "a missing tag names its script and line" 1 'ERROR: UI page CPreviewItemUIPage1, line 1: G:1,root,Facts,Model,NoSuchTag' -- \
    --module "$module" --class CPreviewItem --page 1 --out "$work/a.png"
check "a script line the view refuses" 1 'ERROR: a group needs at least one column' -- \
    --module "$module" --class CPreviewItem --page 2 --out "$work/a.png"
check "an element class that does not exist" 1 \
    '^Page 0 of class CPreviewOddItem has problems:|no element class "CUINoSuchEditor"' -- \
    --module "$module" --class CPreviewOddItem --out "$work/a.png"
grep -q 'no element class "CUINoSuchEditor"' "$work/err" || {
    echo "FAIL: the unknown element class is not named" >&2
    failures=$((failures + 1))
}
check "no desktop and no file" 1 '^No desktop to show the page on .*--out file\.png' -- \
    --module "$module" --class CPreviewItem

check "a window smaller than the page" 1 'smaller than the page.s minimum' -- \
    --module "$module" --class CPreviewItem --size 60x40 --out "$work/small.png"
if [ "$(png_size "$work/small.png")" != "60 40" ]; then
    echo "FAIL: the picture of the small window is $(png_size "$work/small.png"), expected 60 40" >&2
    failures=$((failures + 1))
fi

check "a clean page written at its own minimum" 0 nothing -- \
    --module "$module" --class CPreviewItem --lang de --out "$work/page.png"
read -r width height < <(png_size "$work/page.png")
if [ "${width:-0}" -lt 60 ] || [ "${height:-0}" -lt 30 ]; then
    echo "FAIL: the page's picture is ${width:-?}x${height:-?}" >&2
    failures=$((failures + 1))
fi
check "a clean page written at a size asked for" 0 nothing -- \
    --module "$module" --class CPreviewItem --size 700x500 --out "$work/big.png"
[ "$(png_size "$work/big.png")" = "700 500" ] || {
    echo "FAIL: the picture is $(png_size "$work/big.png"), expected 700 500" >&2
    failures=$((failures + 1))
}

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
