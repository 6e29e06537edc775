#!/usr/bin/env bash
# Drives the real program in a real X server: Enter on the empty answer opens exactly one
# "Rechenfehler" box, Enter closes it without a second one, Escape asks before ending, and "Ja"
# ends the process with status 0 within a second.
set -uo pipefail
program=$1

for tool in Xvfb xdotool xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing, no X server can run here"; exit 77; }
done

display=""
for n in $(seq 150 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "SKIP: no free X display"; exit 77; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "SKIP: Xvfb did not start"; exit 77; }

fail() { echo "FAIL: $*"; exit 1; }
# Number of visible windows whose title is exactly the given text.
count() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
wait_for() {
    local title=$1 want=$2
    for _ in $(seq 50); do [ "$(count "$title")" -eq "$want" ] && return 0; sleep 0.1; done
    return 1
}

env -u QT_QPA_PLATFORM "$program" &
app=$!
wait_for "Rovuva Raruredude: Freund und Gast" 1 || fail "the main window did not appear"
main=$(xdotool search --onlyvisible --name "^Rovuva Raruredude: Freund und Gast\$" | head -n 1)
xdotool windowfocus --sync "$main" 2>/dev/null || true

xdotool key --window "$main" Return
wait_for "Rechenfehler" 1 || fail "Enter on the empty answer did not open one Rechenfehler box"
sleep 0.3
[ "$(count Rechenfehler)" -eq 1 ] || fail "more than one Rechenfehler box"
box=$(xdotool search --onlyvisible --name "^Rechenfehler\$" | head -n 1)
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
wait_for "Rechenfehler" 0 || fail "Enter did not close the Rechenfehler box"
sleep 0.5
[ "$(count Rechenfehler)" -eq 0 ] || fail "a second Rechenfehler box followed"

xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --window "$main" Escape
wait_for "Rovuva Raruredude" 1 || fail "Escape did not open the exit box"
exitbox=$(xdotool search --onlyvisible --name "^Rovuva Raruredude\$" | head -n 1)
xdotool windowfocus --sync "$exitbox" 2>/dev/null || true
# "Nein" is the default; Shift+Tab moves to "Ja", Space presses it.
xdotool key shift+Tab space
for _ in $(seq 10); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program still runs one second after Ja"
wait "$app"
status=$?
app=""
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)" -eq 0 ] || fail "a window is left"
echo "PASS: one Rechenfehler box per Enter, exit on Ja with status 0"
