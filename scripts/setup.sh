#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds the project.
# Shared by run.sh and test.sh; safe to run again.
#
#   scripts/setup.sh [PACKAGE...]   further Debian packages the caller needs as well
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh "$@"

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
