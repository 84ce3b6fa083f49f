#!/usr/bin/env bash
# Installs what is missing, builds from scratch with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export TAVIR_BUILD_DIR=${TAVIR_BUILD_DIR:-build-test}
rm -rf "$TAVIR_BUILD_DIR"
TAVIR_WERROR=ON scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd "$TAVIR_BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" --timeout 300
