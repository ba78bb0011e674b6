#!/usr/bin/env bash
# The window's figures: start to the first frame painted after the simulated
# mouse was read (median of five runs, target <= 400 ms), idle CPU with no
# mouse present over 30 s while the 50 ms presence timer runs (target <= 1% of
# one core), and resident memory (target <= 80 MB).
#
#   bench/startup_bench.sh [KVRM_CONFIG]
#
# Without an argument it builds kvrm-config optimised in build/bench-window.
# The window runs on a virtual X screen (xvfb-run) when there is no display;
# KVRM_BENCH_PLATFORM=offscreen uses Qt's offscreen platform instead.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-}
if [ -z "$program" ]; then
  build=${KVRM_BENCH_WINDOW_BUILD:-build/bench-window}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVRM_TESTS=OFF \
    -DKVRM_BENCHMARKS=OFF -DKVRM_GUI=ON >/dev/null
  cmake --build "$build" --target kvrm-config --parallel 2 >/dev/null
  program="$build/src/ui/kvrm-config"
fi
program=$(realpath "$program")

# A user name of its own, so a window the developer has open is not the one
# that answers, and a data folder that is thrown away.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export USER="kvrm-bench-$$" KVRM_DATA_DIR="$work/data" XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

run() {
  if [ "${KVRM_BENCH_PLATFORM:-}" = offscreen ]; then
    QT_QPA_PLATFORM=offscreen "$@"
  elif [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a "$@"
  fi
}

# --- Start to first frame after the read ------------------------------------
startup_once() {
  run bash -c 'start=$(date +%s%N); KVRM_REPORT_STARTUP=1 "$1" --simulate 2>/dev/null |
    sed -n "s/^first-frame-after-read epoch_us=\([0-9]*\).*/\1/p" |
    { read -r painted; echo $(( (painted - start / 1000) / 1000 )); }' _ "$program"
}
times=()
for _ in 1 2 3 4 5; do times+=("$(startup_once)"); done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "start to first frame after the read: median ${median} ms (runs: ${times[*]} ms; target <= 400)"

# --- Idle CPU and memory ------------------------------------------------------
# stat fields 14 and 15: user and system time in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

measure() {  # label, seconds, options...
  local label=$1 seconds=$2
  shift 2
  run "$program" "$@" >/dev/null 2>&1 &
  local launcher=$!
  local pid=""
  for _ in $(seq 100); do
    pid=$(pgrep -n -f "^$program" || true)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  if [ -z "$pid" ]; then
    echo "$label: kvrm-config did not start" >&2
    kill "$launcher" 2>/dev/null || true
    return 1
  fi
  sleep 2
  local before after hz
  hz=$(getconf CLK_TCK)
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  local rss
  rss=$(rss_kb "$pid")
  kill "$pid"
  wait "$launcher" 2>/dev/null || true
  awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v label="$label" -v rss="$rss" \
    'BEGIN { printf "%s: CPU %.2f%% of one core over %d s, VmRSS %.1f MB\n",
             label, 100 * t / (hz * s), s, rss / 1024 }'
}

measure "idle, no mouse (50 ms presence timer; targets <= 1%, <= 80 MB)" 30 --no-device
measure "mouse read, idle (3.5 s presence timer)" 10 --simulate
