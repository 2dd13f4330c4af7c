#!/usr/bin/env bash
# What the running monitor costs the machine: the Release program under Xvfb with trayer as the
# tray, for two minutes with the graph window hidden and two minutes with it shown. CPU time is
# the sum over the program's threads of /proc/<pid>/task/*/schedstat (nanoseconds on a CPU),
# taken after a settling time; memory is the resident set (VmRSS) at the end.
# Usage: bench/measure_idle_cost.sh [seconds per run, default 120]
# METERLY_BENCH_BUILD=<dir> picks the Release build directory; METERLY_BENCH_BUILT=1 measures the
# program already built there without configuring or building it again.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-120}
settle=10
build=${METERLY_BENCH_BUILD:-$root/build/release}

if [[ ${METERLY_BENCH_BUILT:-0} != 1 ]]; then
  "$root/scripts/install-deps"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMETERLY_TESTS=OFF >/dev/null
  cmake --build "$build" --target meterly >/dev/null
fi

export E2E_WORK=$(mktemp -d /tmp/meterly-bench.XXXXXX)
source "$root/tests/e2e/lib.sh"
start_display || { echo "cannot start Xvfb with trayer"; exit 1; }
trap 'stop_display; rm -rf "$E2E_WORK"' EXIT

cpu_ns() {
  local pid=$1 sum=0 task
  for task in /proc/"$pid"/task/*/schedstat; do
    read -r ns _ <"$task" && sum=$((sum + ns))
  done
  echo "$sum"
}

measure() {  # measure LABEL DISPLAY_ON_STARTUP
  new_home
  mkdir -p "$(dirname "$REGISTRY_FILE")"
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"DisplayOnStartup"="%s"\n' "$2" \
    >"$REGISTRY_FILE"
  METERLY_BIN=$build/src/app/meterly start_meterly
  wait_for 20 tray_has_icons || { echo "$1: no tray icon"; exit 1; }
  sleep "$settle"
  local begin end
  begin=$(cpu_ns "$METERLY_PID")
  sleep "$seconds"
  end=$(cpu_ns "$METERLY_PID")
  local rss
  rss=$(awk '/^VmRSS/ {print $2}' /proc/"$METERLY_PID"/status)
  kill -TERM "$METERLY_PID"
  wait "$METERLY_PID" || true
  awk -v label="$1" -v ns=$((end - begin)) -v s="$seconds" -v rss="$rss" \
    'BEGIN { printf "%-14s CPU %.1f ms per minute, resident %.1f MB\n", label, ns / 1e6 * 60 / s, rss / 1024 }'
}

measure "graph hidden" 0
measure "graph shown" 1
