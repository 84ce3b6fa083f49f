#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Tavir need; skips what is there.
# Works as root and, for other users, through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n qt6-qpa-plugins
  fonts-liberation fontconfig
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth
  xdotool xclip imagemagick python3
  appstream desktop-file-utils shared-mime-info
  dpkg-dev file
)
if [ "${TAVIR_WITH_FUZZ:-0}" = 1 ]; then packages+=(clang libclang-rt-14-dev); fi
# The browser edition: Debian's emscripten (and the acorn its optimiser needs), the font tools
# that cut the page's fonts, and Chromium and Firefox ESR for its tests.
if [ "${TAVIR_WITH_WEB:-0}" = 1 ]; then
  packages+=(emscripten node-acorn python3-fonttools python3-brotli chromium firefox-esr poppler-utils)
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
