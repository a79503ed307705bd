#!/usr/bin/env bash
# Configures and builds into build/ (or $VORLAN_BUILD).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLAN_BUILD:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
