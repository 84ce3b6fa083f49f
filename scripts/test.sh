#!/usr/bin/env bash
# Installs what is missing, builds from scratch with warnings as errors, and runs every test.
#   scripts/test.sh              build-test/, then builds the Debian package there and checks it
#   scripts/test.sh --sanitize   build-sanitize/: everything built with AddressSanitizer and
#                                UndefinedBehaviorSanitizer; any report fails its test
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=0
for arg in "$@"; do
  case $arg in
    --sanitize) sanitize=1 ;;
    *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
  esac
done

TAVIR_WITH_WEB=1 scripts/deps.sh
started=$SECONDS
options=()
if [ $sanitize = 1 ]; then
  export TAVIR_BUILD_DIR=${TAVIR_BUILD_DIR:-build-sanitize}
  options+=(-DTAVIR_SANITIZE=ON -DTAVIR_BUILD_BENCH=OFF)
  supp=$PWD/tests/sanitize
  # Stop at the first report with a stack; leaks are checked at every exit. Only Qt's and the
  # system's own leaks are suppressed (tests/sanitize/lsan.supp).
  export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
  export LSAN_OPTIONS=suppressions=$supp/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
else
  export TAVIR_BUILD_DIR=${TAVIR_BUILD_DIR:-build-test}
fi
rm -rf "$TAVIR_BUILD_DIR"
TAVIR_WERROR=ON scripts/build.sh "${options[@]}"
export QT_QPA_PLATFORM=offscreen
# Instrumented programs run a few times slower: the same tests get longer to finish.
timeout=300
[ $sanitize = 1 ] && timeout=900
ctest --test-dir "$TAVIR_BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout $timeout

# The package a teacher installs, from the same build (an instrumented one is not for them).
if [ $sanitize = 0 ]; then
  cmake --build "$TAVIR_BUILD_DIR" --target package
  tests/package/check_deb.sh "$TAVIR_BUILD_DIR"/tavir_*.deb
fi
# How long the native suite took, for .ci/run to foresee the instrumented one.
echo $((SECONDS - started)) > "$TAVIR_BUILD_DIR/native-seconds"

# The browser edition, built afresh and driven in Debian's Chromium; its companion checked
# against the native one just built. Once is enough: the sanitizers do not reach WebAssembly.
if [ $sanitize = 0 ]; then
  rm -rf build-web
  TAVIR_WERROR=ON scripts/build-web.sh
  (cd tests/web && npm ci --no-audit --no-fund)
  TAVIR_CLI=$PWD/$TAVIR_BUILD_DIR/src/cli/tavir-cli node --test tests/web/page.test.mjs tests/web/exercise_files.test.mjs tests/web/firefox.test.mjs tests/web/cli.test.mjs
fi
