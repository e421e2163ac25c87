#!/usr/bin/env bash
# Start of Quillet to its first timer window drawn (the whole process: loading, launch steps, first
# window, exit), median of RUNS runs; and the resident memory with one window open and with ten.
# Offscreen, in dry run, with fresh folders: what a first launch costs.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-11}
quillet="$build/Quillet.app/Contents/MacOS/Quillet"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export QT_QPA_PLATFORM=offscreen QUILLET_DRY_RUN=1
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state"

probe() { QUILLET_PROBE=$1 dbus-run-session -- "$quillet" 2>/dev/null | sed -n 's/^probe: //p'; }

probe 1 >/dev/null # the first launch writes the settings; measure the launches after it
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  QUILLET_PROBE=1 "$quillet" >/dev/null 2>&1
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "start to first window: median ${median} ms over ${runs} runs (${times[*]})"
probe 1
probe 10
