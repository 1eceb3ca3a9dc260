#!/usr/bin/env bash
# Times the built loader in both modes: bench/loader/run.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" --target loader_timing V72CmdLoader >/dev/null
for mode in "" --gui; do
  "$build/bin/loader_timing" "$build/bin/V72CmdLoader" "$root/examples/macros.V72" $mode
  echo
done
