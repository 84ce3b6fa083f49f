#!/usr/bin/env bash
# Builds in release mode and runs every benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export TAVIR_BUILD_DIR=${TAVIR_BUILD_DIR:-build-bench}
TAVIR_BUILD_TYPE=Release scripts/build.sh
export QT_QPA_PLATFORM=offscreen
"$TAVIR_BUILD_DIR/bench/tavir_core_bench" --benchmark_min_time=0.2
"$TAVIR_BUILD_DIR/bench/tavir_ui_bench" --benchmark_min_time=0.2
"$TAVIR_BUILD_DIR/bench/tavir_startup_bench"
