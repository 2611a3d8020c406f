#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds the project.
# Shared by run.sh and test.sh; safe to run again.
#
#   scripts/setup.sh [PACKAGE...]   further Debian packages the caller needs as well
#
# BUILD_TARGETS (space-separated) builds only those targets and what they need;
# unset, everything is built (the program, the simulator, tests and benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh "$@"

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$BUILD_DIR" -j "$(nproc)" "${targets[@]}"
