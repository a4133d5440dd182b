#!/usr/bin/env bash
# Start-up time to the first shown main window, resident memory after start, and idle wake-ups,
# for `vexmo --demo` and for an empty Qt window of the same size, on an Xvfb screen.
# usage: bench/startup.sh BUILD_DIR [RUNS [SCREEN]]   with a Release build with the benchmarks;
# SCREEN 1920x1080 (UiScale 1.0, the default) or 2560x1700 (2.0); needs Xvfb, xdotool, strace, bc
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-7}
screen=${3:-1920x1080}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 ${screen}x24 -nolisten tcp >/dev/null 2>&1 &
read -r -t 20 -u "$fd" number
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Starts the program, waits for its visible window, prints "<ms> <pid>".
start() {
    local title=$1; shift
    local t0; t0=$(now_ms)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    local deadline=$((t0 + 30000))
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        (($(now_ms) < deadline)) || { echo "no window: $*" >&2; exit 1; }
        sleep 0.005
    done
    echo "$(($(now_ms) - t0)) $pid"
}
# Wake-ups of the main thread over ten seconds: the event-loop waits it returned from.
idle_wakeups() {
    timeout 10 strace -p "$1" -e trace=poll,ppoll,select,pselect6,epoll_wait -o "$work/strace" \
        >/dev/null 2>&1 || true
    echo "scale=1; $(grep -c '= ' "$work/strace") / 10" | bc
}
stop() {  # ends a program and waits until it is gone (it is not this shell's child)
    kill "$1" 2>/dev/null || true
    while kill -0 "$1" 2>/dev/null; do sleep 0.01; done
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

measure() {
    local name=$1 title=$2; shift 2
    local times=() rss="" idle=""
    for ((i = 0; i < runs; i++)); do
        read -r ms pid < <(start "$title" "$@")
        times+=("$ms")
        if ((i == runs - 1)); then
            sleep 3
            rss=$(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)
            idle=$(idle_wakeups "$pid")
        fi
        stop "$pid"
    done
    printf '%-14s start %4s ms (median of %d)   RSS %6s kB   idle %3s main-thread wake-ups/s\n' \
        "$name" "$(printf '%s\n' "${times[@]}" | median)" "$runs" "$rss" "$idle"
}

"$build/vexmo" --demo >/dev/null 2>&1 & first=$!  # creates the data folder: later runs are warm
until xdotool search --onlyvisible --name "Tessik TK-508 Gaming mouse" >/dev/null 2>&1; do sleep 0.05; done
stop "$first"

scale=1
[[ "$screen" == 2560x1700 ]] && scale=2
measure "empty window" "Empty window" "$build/bench/vexmo_empty_window" "$scale"
measure "vexmo --demo" "Tessik TK-508 Gaming mouse" "$build/vexmo" --demo
