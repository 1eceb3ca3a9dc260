#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time: fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
seconds="${2:-60}"
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz" >&2; exit 1; }
for t in "${targets[@]}"; do
  [ -x "$t" ] || continue
  name="$(basename "$t")"
  corpus="$build/fuzz/corpus-$name"
  mkdir -p "$corpus"
  # Seeds: fuzz/<subsystem>/seeds for fuzz_<subsystem>_*, so the fuzzer starts from valid input.
  subsystem="${name#fuzz_}"; subsystem="${subsystem%%_*}"
  seeds=()
  [ -d "$root/fuzz/$subsystem/seeds" ] && seeds=("$root/fuzz/$subsystem/seeds")
  echo "-- $name for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1 "$t" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 "$corpus" "${seeds[@]}" 2>&1 | tail -n 40
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$name failed" >&2; exit 1; }
done
