#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and starts the main program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "${V72_BUILD_DIR:-$root/build}/bin/V72CmdLoader" --print "$root/examples/macros.V72"
