#!/usr/bin/env bash
# Counts how often an idle Quillet process with a running timer and no open window wakes up: the
# context switches of its main thread over a quiet stretch of real time.
set -euo pipefail
build=${1:-build}
seconds=${2:-20}
export QT_QPA_PLATFORM=offscreen
dbus-run-session -- "$build/examples/dry-run-timer" 3600 >/dev/null 2>&1 &
runner=$!
sleep 3
pid=$(pgrep -n -f "$build/examples/dry-run-timer 3600")
switches() { awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { s += $2 } END { print s }' "/proc/$pid/task/$pid/status"; }
before=$(switches)
sleep "$seconds"
after=$(switches)
kill "$pid" 2>/dev/null || true
wait "$runner" 2>/dev/null || true
awk -v n=$((after - before)) -v s="$seconds" 'BEGIN { printf "idle wake-ups: %d in %d s = %.2f per second\n", n, s, n / s }'
