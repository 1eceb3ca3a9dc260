#!/usr/bin/env bash
# Configures and builds into build/ (or $V72_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${V72_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${V72_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build"
