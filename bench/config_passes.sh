#!/usr/bin/env bash
# Times the configuration analysis on a generated 50,000-line Cisco IOS
# configuration: loading the text into the analysis window, then the
# highlighting and tree-building passes. Runs the benchmark case of
# test_configwindow five times and prints each run's figures. Run by hand
# after a build:
#   bash bench/config_passes.sh [build-dir]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
for run in 1 2 3 4 5; do
    QT_QPA_PLATFORM=offscreen "$build/bin/test_configwindow" benchmarkPasses 2>&1 \
        | sed -n 's/.*\(50000-line IOS configuration: .*\)/run '"$run"': \1/p'
done
