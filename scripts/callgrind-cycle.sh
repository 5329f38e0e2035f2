#!/usr/bin/env bash
# Counts the instructions of one create/show/Sprache/OK/free cycle of the module over the
# headless system under callgrind: the first cycle after start-up, and each further cycle.
# Needs the bench-native build (no sanitizers: they do not run under valgrind).
set -euo pipefail
cd "$(dirname "$0")/.."
cycle_program=${1:-build/bench-native/bin/pelk_cycle}
[ -x "$cycle_program" ] || { echo "callgrind-cycle: $cycle_program not built" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Collects only inside RunModuleCycle (and what it calls), over N cycles. Symbols are bound at
# start-up, so the dynamic loader's lazy binding does not land in whichever cycle first calls a
# library function.
instructions() {
  LD_BIND_NOW=1 valgrind --tool=callgrind --collect-atstart=no \
    --toggle-collect='pelk::bench::RunModuleCycle(*' \
    --callgrind-out-file="$work/callgrind.out.$1" --log-file="$work/log.$1" \
    "$cycle_program" "$1" >"$work/cycles.$1"
  sed -n 's/.*Collected : \([0-9][0-9]*\).*/\1/p' "$work/log.$1"
}

one=$(instructions 1)
two=$(instructions 2)
if [ -z "$one" ] || [ -z "$two" ] || [ "$one" -eq 0 ]; then
  echo "callgrind-cycle: no instructions collected" >&2
  cat "$work/log.1" >&2
  exit 1
fi
cat "$work/cycles.1"
echo "instructions, first create/show/Sprache/OK/free cycle: $one"
echo "instructions, each further cycle:                      $((two - one))"
