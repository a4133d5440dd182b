#!/usr/bin/env bash
# End to end: starts `vexmo --demo` on an Xvfb screen of 1920x1080 (UiScale 1.0), presses the
# simulated mouse's DPI button through VEXMO_DEMO_CONTROL, clicks 500 Hz in the window, and checks
# the HID trace and the profile file; then a second start must leave at once, and unplugging both
# products must end the program with its files written.
set -u
vexmo=$1
for tool in Xvfb xdotool iconv; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=""
vexmo_pid=""
cleanup() {
    [[ -n "$vexmo_pid" ]] && kill "$vexmo_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    echo "--- trace"; tail -n 20 "$work/trace.txt" 2>/dev/null
    echo "--- program output"; cat "$work/out.txt" 2>/dev/null
    exit 1
}
# Waits up to $1 seconds for the command to succeed.
wait_for() {
    local seconds=$1; shift
    for ((i = 0; i < seconds * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.txt" 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$displayfd" number || fail "Xvfb did not start"
export DISPLAY=":$number"
export QT_QPA_PLATFORM=xcb
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export VEXMO_HID_TRACE="$work/trace.txt" VEXMO_DEMO_CONTROL="$work/control"
mkfifo "$VEXMO_DEMO_CONTROL"
profile="$XDG_DATA_HOME/VexmoraData20240827B/config/default0.psf"
profile_has() { [[ -f "$profile" ]] && iconv -f UTF-16 -t UTF-8 "$profile" | grep -q "$1"; }

"$vexmo" --demo >"$work/out.txt" 2>&1 &
vexmo_pid=$!
window=""
find_window() { window=$(xdotool search --name "Tessik TK-508 Gaming mouse" 2>/dev/null | head -n 1); [[ -n "$window" ]]; }
wait_for 60 find_window || fail "the main window did not appear"
wait_for 20 grep -q " get 5b2e " "$VEXMO_HID_TRACE" || fail "no status query at start"
sleep 1

# The mouse's DPI button: an input report arrives and nothing is sent back.
echo "dpi-button 3" >"$VEXMO_DEMO_CONTROL"
wait_for 20 grep -q " in 5b2e 05 06 00 01 03" "$VEXMO_HID_TRACE" || fail "no input report in the trace"
sleep 1
after_in=$(sed -n '/ in 5b2e 05 06 00 01 03/,$p' "$VEXMO_HID_TRACE" | grep -c " set ")
[[ "$after_in" == 0 ]] || fail "the program sent reports back after the mouse's change"

# 500 Hz at its design position (the window is frameless: client and window coincide).
xdotool mousemove --window "$window" 1013 416 click 1
wait_for 20 grep -q " set 5b2e 0c 01 07 00 .. 01 01 02 " "$VEXMO_HID_TRACE" \
    || fail "no polling-rate command 0x07 with 2 in the trace"
profile_has "PollingRateValue=020000" && fail "the profile was written before its ten seconds"

# A second start hands over to the running one and leaves.
timeout 20 "$vexmo" --demo >/dev/null 2>&1 || fail "a second start did not leave cleanly"
kill -0 "$vexmo_pid" 2>/dev/null || fail "the first instance ended on a second start"

wait_for 15 profile_has "PollingRateValue=020000" || fail "the polling rate was not saved"
profile_has "CurrentDPILevelValue=02" || fail "the DPI level the mouse reported was not saved"

# Unplugging both products ends the program.
echo "unplug 5b2e" >"$VEXMO_DEMO_CONTROL"
echo "unplug 5b2f" >"$VEXMO_DEMO_CONTROL"
ended() { ! kill -0 "$vexmo_pid" 2>/dev/null; }
wait_for 20 ended || fail "unplugging the last product did not end the program"
wait "$vexmo_pid"
status=$?
vexmo_pid=""
[[ "$status" == 0 ]] || fail "the program ended with status $status"

# SIGTERM ends the program like the tray's exit: a change made a moment before is written.
"$vexmo" --demo >>"$work/out.txt" 2>&1 &
vexmo_pid=$!
wait_for 60 find_window || fail "the main window did not appear again"
sleep 1
xdotool mousemove --window "$window" 941 416 click 1  # 250 Hz
wait_for 20 grep -q " set 5b2e 0c 01 07 00 .. 01 01 04 " "$VEXMO_HID_TRACE" \
    || fail "no polling-rate command 0x07 with 4 in the trace"
kill -TERM "$vexmo_pid"
wait_for 20 ended || fail "SIGTERM did not end the program"
wait "$vexmo_pid"
status=$?
vexmo_pid=""
[[ "$status" == 0 ]] || fail "the program ended on SIGTERM with status $status"
profile_has "PollingRateValue=010000" || fail "SIGTERM did not write the pending change"
echo "PASSED"
