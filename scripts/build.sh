#!/usr/bin/env bash
# Configures and builds Tavir in build/ (or $TAVIR_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TAVIR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${TAVIR_BUILD_TYPE:-RelWithDebInfo} \
      -DTAVIR_WERROR=${TAVIR_WERROR:-OFF} "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
