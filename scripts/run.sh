#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tavir.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
exec "${TAVIR_BUILD_DIR:-build}/src/app/tavir" "$@"
