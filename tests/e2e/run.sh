#!/usr/bin/env bash
# End-to-end test of the main program on a real X server: starts Xvfb, runs the demo in a
# window, drives it with real input through xdotool (click, type, copy and paste, Tab,
# Shift+Tab, Space), reads screenshots of the window and checks what the item stored when
# the window closed.
# Usage: run.sh <path of vantorui-demo>. Exits 77 (skipped) only when no X server starts.
set -uo pipefail

demo=$1
work=$(mktemp -d)
xvfb_pid=
demo_pid=
failures=0

cleanup() {
    [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in xdotool convert import; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing; scripts/setup.sh installs it" >&2
        exit 1
    fi
done
if ! command -v Xvfb >/dev/null; then
    echo "SKIPPED: Xvfb is not installed, so no X server can be started" >&2
    exit 77
fi

# Xvfb picks a free display number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "SKIPPED: the X server did not start: $(tail -n 3 "$work/xvfb.log")" >&2
    exit 77
fi
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY

# In a sanitizer build, the desktop's libraries (D-Bus, fontconfig, the X libraries that SDL
# loads and unloads itself) leave allocations behind at exit that no suppression can name;
# the leak check of the program's own code is left to the unit tests.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    "$demo" >"$work/demo.out" 2>"$work/demo.err" &
demo_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Example device$' | head -n 1)
if [ -z "$window" ]; then
    echo "FAIL: the demo showed no window" >&2
    cat "$work/demo.err" >&2
    exit 1
fi
xdotool windowfocus --sync "$window"

# Lets the demo handle what was sent and paint before a picture is taken.
settle() { sleep 0.5; }

shot() { import -window "$window" "$work/$1.png"; }

# The darkest and lightest intensity (0 to 255) in a rectangle of a picture: x y w h.
range_of() {
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace Gray \
        -format '%[fx:int(255*minima)] %[fx:int(255*maxima)]' info:
}

# expect_range <picture> <what> x y w h <lowest darkest> <highest darkest>
expect_range() {
    local picture=$1 what=$2 darkest
    read -r darkest _ < <(range_of "$picture" "$3" "$4" "$5" "$6")
    if [ "$darkest" -lt "$7" ] || [ "$darkest" -gt "$8" ]; then
        fail "$picture: $what: darkest pixel $darkest, expected $7 to $8"
    fi
}

# Where things are in the window: the name field in the strip at the top, the identity texts
# in the first group of the view below it, the ratings in the second, the "Details" and
# "Lock" buttons at the bottom left.
identity=(12 52 210 36)
field_text=(106 8 100 16)
ratings=(12 125 200 50)
lock_text=(74 196 30 12)
details=(32 202)

settle
shot initial
expect_range initial "identity texts shown in black" "${identity[@]}" 0 60
expect_range initial "the name field shows PSU-1" "${field_text[@]}" 0 60

# Select the name, type a new one with a non-ASCII letter, copy it to the desktop's
# clipboard and paste it once more at the end, then click "Details": the field loses the
# focus and writes the item's name, and the identity texts are hidden.
xdotool mousemove --window "$window" 200 15 click 1
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 40 'Bench é'
xdotool key ctrl+a ctrl+c End ctrl+v
xdotool mousemove --window "$window" "${details[@]}" click 1
settle
shot hidden
expect_range hidden "identity texts hidden" "${identity[@]}" 200 255
# What the relayout moved or left in place is painted again, not only erased.
expect_range hidden "the ratings still shown" "${ratings[@]}" 0 60
expect_range hidden "the Lock button still shown" "${lock_text[@]}" 0 60

# Tab moves on to "Lock" and Space presses it; Shift+Tab goes back to "Details" and Space
# shows the identity again, now greyed by the lock.
xdotool key Tab
xdotool key space
xdotool key shift+Tab
xdotool key space
settle
shot locked
expect_range locked "identity texts shown greyed" "${identity[@]}" 80 140

# A request to end (as a desktop's quit or a signal) closes the main window cleanly.
kill -TERM "$demo_pid"
for _ in $(seq 100); do
    kill -0 "$demo_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$demo_pid" 2>/dev/null; then
    fail "the demo did not end when asked to"
else
    wait "$demo_pid"
    status=$?
    demo_pid=
    [ "$status" -eq 0 ] || fail "the demo ended with status $status: $(tail -n 40 "$work/demo.err")"
fi
grep -qx 'Name=Bench éBench é' "$work/demo.out" || fail "the item did not store the typed name: $(grep '^Name=' "$work/demo.out")"
grep -qx 'Voltage=12000' "$work/demo.out" || fail "the item's voltage changed"

if [ "$failures" -ne 0 ]; then
    for picture in initial hidden locked; do
        [ -f "$work/$picture.png" ] && cp "$work/$picture.png" "${TMPDIR:-/tmp}/vantorui-e2e-$picture.png"
    done
    echo "$failures check(s) failed; pictures kept in ${TMPDIR:-/tmp}/vantorui-e2e-*.png" >&2
    exit 1
fi
echo "The demo passed its end-to-end checks on $DISPLAY."
