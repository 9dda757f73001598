#!/usr/bin/env bash
# End-to-end test of the main program on a real X server: starts Xvfb, runs the demo in a
# window, drives it with real input through xdotool (click, double click, drag, type, copy
# and paste, Tab, Shift+Tab, Space, arrows, Page Up, a held Up, Escape, Return) on its page
# and in its dialogs, reads screenshots of the windows and checks what the item stored when
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

# Where things are in the window: the presets in the strip at the top; on the page below, the
# identity texts (first group), the ratings beside them, the device group with the name, the
# address and the register, the protection pickers with their "Edit..." buttons and "More...",
# the "Details" and "Lock" buttons, and the output group with the mode, the output switch, the
# sensing radio row, the brightness bar, the current limit and the voltage.
identity=(12 52 210 36)
ratings=(300 58 200 45)
lock_text=(360 246 26 12)
details=(314 252)
name_field=(200 152)
name_text=(120 146 60 12)
register_field=(150 190)
trip_edit=(549 152)
profile_edit=(549 174)
alarms_edit=(549 196)
more_button=(421 218)
mode_combo=(190 273)
local_radio=(122 320)
level_thumb=(184 342)
current_field=(150 366)
voltage_field=(150 386)

settle
shot initial
expect_range initial "identity texts shown in black" "${identity[@]}" 0 60
expect_range initial "the name field shows PSU-1" "${name_text[@]}" 0 60

# Select the name, type a new one with a non-ASCII letter, copy it to the desktop's
# clipboard and paste it once more at the end, then click "Details": the field loses the
# focus and writes the item's name, and the identity texts are hidden.
xdotool mousemove --window "$window" "${name_field[@]}" click 1
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

# Clicks a field, selects its text and types over it.
type_into() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 40 "$3"
}

# The window of a dialog, once it is shown; the test stops when it never is.
dialog() {
    local id
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
    if [ -z "$id" ]; then
        fail "no \"$1\" window appeared"
        exit 1
    fi
    xdotool windowfocus --sync "$id"
    echo "$id"
}

# The current limit takes 1.75 A, committed by Tab; a voltage of 20 V lowers its largest
# value to 3.00 A. Page Up then steps to 2.00 A and Up, held for one and a half seconds,
# turns into page steps after the first second: only they reach 3.00 A in that time. A
# voltage typed over and taken back with Escape leaves 20 V; the register takes BEEF.
type_into "${current_field[@]}" '1.75'
xdotool key Tab
settle
type_into "${voltage_field[@]}" '20'
xdotool key Tab
settle
xdotool mousemove --window "$window" "${current_field[@]}" click 1
settle
xdotool key Prior
settle
xdotool keydown Up
sleep 1.5
xdotool keyup Up
settle
type_into "${voltage_field[@]}" '7'
settle
xdotool key Escape
settle
xdotool key Tab
settle
type_into "${register_field[@]}" 'beef'
xdotool key Tab
settle

# The mode's list opens under a click and takes two Down and Return: "Tracking". The list's
# window had the keyboard, so the main window gets it back. A click on the checked "Local"
# radio button gives it the focus; Shift+Tab goes to "Output on", which Space clears, and Tab
# and Right move the radio group to "Remote". The brightness bar's thumb is dragged past the
# bar's end: the largest value.
xdotool mousemove --window "$window" "${mode_combo[@]}" click 1
settle
xdotool key Down Down Return
settle
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" "${local_radio[@]}" click 1
settle
xdotool key shift+Tab
settle
xdotool key space
settle
xdotool key Tab
settle
xdotool key Right
settle
xdotool mousemove --window "$window" "${level_thumb[@]}" mousedown 1
xdotool mousemove --window "$window" $((level_thumb[0] + 30)) "${level_thumb[1]}"
xdotool mousemove --window "$window" $((level_thumb[0] + 80)) "${level_thumb[1]}" mouseup 1
settle

# The trip time's dialog refuses 75 s (at most 60.0) with a message box and stays open;
# 42.5 s is taken.
xdotool mousemove --window "$window" "${trip_edit[@]}" click 1
value=$(dialog 'Edit Value')
settle
xdotool key ctrl+a
xdotool type --delay 40 '75'
xdotool key Return
refusal=$(dialog 'Error')
settle
import -window "$refusal" "$work/refusal.png"
expect_range refusal "the refusal's text" 8 10 290 20 0 60
xdotool key Return
settle
xdotool windowfocus --sync "$value"
xdotool key ctrl+a
xdotool type --delay 40 '42.5'
xdotool key Return
settle
xdotool search --onlyvisible --name '^Edit Value$' >/dev/null && fail "the trip time's dialog stayed open"

# The profile's list: a double click on its fourth entry, "Custom", chooses it. The alarm
# sources: Space ticks the first check box, "Overvoltage" (the highest of four bits), and
# the dialog's OK button confirms.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" "${profile_edit[@]}" click 1
list=$(dialog 'Profile')
settle
xdotool mousemove --window "$list" 44 88 click --repeat 2 --delay 80 1
settle
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" "${alarms_edit[@]}" click 1
mask=$(dialog 'Edit Alarm sources')
settle
xdotool key space
settle
xdotool mousemove --window "$mask" 122 104 click 1
settle

# "More..." shows the further settings in a dialog: "Panel lock" sets the second flag bit.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" "${more_button[@]}" click 1
more=$(dialog 'Settings')
settle
xdotool mousemove --window "$more" 29 377 click 1
settle
xdotool mousemove --window "$more" 479 441 click 1
settle

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
expect_line() {
    grep -qx "$1" "$work/demo.out" || fail "$2: expected $1, got $(grep "^${1%%=*}=" "$work/demo.out")"
}
expect_line 'Name=Bench éBench é' "the typed name"
expect_line 'Voltage=20000' "the voltage typed in volts, stored in millivolts"
expect_line 'Current=300' "the current limit spun to its narrowed largest value"
expect_line 'Register=48879' "the hexadecimal register"
expect_line 'Mode=2' "the mode chosen from the list"
expect_line 'Enabled=0' "the output switch cleared with Space"
expect_line 'Sense=1' "the radio group moved with Right"
expect_line 'Level=16' "the brightness dragged to its end"
expect_line 'TripTime=425' "the trip time confirmed after the refusal"
expect_line 'Profile=3' "the profile chosen with a double click"
expect_line 'Alarms=8' "the alarm bit ticked"
expect_line 'Flags=3' "the flag ticked in the further settings"

if [ "$failures" -ne 0 ]; then
    for picture in initial hidden locked refusal; do
        [ -f "$work/$picture.png" ] && cp "$work/$picture.png" "${TMPDIR:-/tmp}/vantorui-e2e-$picture.png"
    done
    echo "$failures check(s) failed; pictures kept in ${TMPDIR:-/tmp}/vantorui-e2e-*.png" >&2
    exit 1
fi
echo "The demo passed its end-to-end checks on $DISPLAY."
