#!/usr/bin/env bash
# Builds the whole project with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize) and runs every test under
# them, headless. Any finding stops the program that has it, so its test
# fails; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize}

scripts/install-packages.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVO_SANITIZE=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan-suppressions.txt}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1:suppressions=$PWD/scripts/ubsan-suppressions.txt}
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" --timeout 300
