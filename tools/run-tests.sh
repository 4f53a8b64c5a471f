#!/usr/bin/env bash
# Installs what the build and the tests need, builds the program and its
# tests, runs every test, then runs the headless core's tests once more
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash tools/install-deps.sh

jobs=${TNM_JOBS:-2}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && ctest -j"$jobs" --output-on-failure --timeout 600)

if [ "${TNM_SKIP_SANITIZERS:-0}" != 1 ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTNM_CORE_ONLY=ON -DTNM_SANITIZE=ON
    cmake --build build-asan -j"$jobs"
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest -j"$jobs" -L core --output-on-failure --timeout 600)
fi
