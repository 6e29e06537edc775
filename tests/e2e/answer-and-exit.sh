#!/usr/bin/env bash
# Drives the real program in a real X server: Enter on the empty answer opens exactly one
# "Rechenfehler" box, Enter closes it without a second one, Escape asks before ending, and "Ja"
# ends the process with status 0 within a second.
set -uo pipefail
program=$1

for tool in Xvfb xdotool xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing, no X server can run here"; exit 77; }
done

# The server picks a free display itself and writes its number to us.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
display=":$(head -n 1 "$displayfile")"
rm -f "$displayfile"
[ "$display" != ":" ] || { kill "$xvfb" 2>/dev/null; echo "SKIP: Xvfb did not start"; exit 77; }
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "SKIP: Xvfb did not start"; exit 77; }

fail() {
    echo "FAIL: $*"
    xwininfo -root -tree 2>/dev/null | grep -E "\"" | head -n 8
    exit 1
}
# Number of visible windows whose title is exactly the given text.
count() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
wait_for() {
    local title=$1 want=$2
    for _ in $(seq 50); do [ "$(count "$title")" -eq "$want" ] && return 0; sleep 0.1; done
    return 1
}
# Gives the window with this title the keyboard focus (there is no window manager to do it) and
# presses keys there.
press() {
    local window
    window=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    shift
    sleep 0.3
    xdotool windowfocus --sync "$window"
    sleep 0.2
    xdotool key --delay 100 "$@"
}

env -u QT_QPA_PLATFORM "$program" &
app=$!
wait_for "Rovuva Raruredude: Freund und Gast" 1 || wait_for "Rovuva Raruredude: Freund und Gast" 1 \
    || fail "the main window did not appear"
main="Rovuva Raruredude: Freund und Gast"

press "$main" Return
wait_for "Rechenfehler" 1 || fail "Enter on the empty answer did not open one Rechenfehler box"
sleep 0.3
[ "$(count Rechenfehler)" -eq 1 ] || fail "more than one Rechenfehler box"
press Rechenfehler Return
wait_for "Rechenfehler" 0 || fail "Enter did not close the Rechenfehler box"
sleep 0.5
[ "$(count Rechenfehler)" -eq 0 ] || fail "a second Rechenfehler box followed"

press "$main" Escape
wait_for "Rovuva Raruredude" 1 || fail "Escape did not open the exit box"
# "Nein" is the default; Shift+Tab moves to "Ja", Space presses it.
press "Rovuva Raruredude" shift+Tab space
for _ in $(seq 10); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program still runs one second after Ja"
wait "$app"
status=$?
app=""
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)" -eq 0 ] || fail "a window is left"
echo "PASS: one Rechenfehler box per Enter, exit on Ja with status 0"
