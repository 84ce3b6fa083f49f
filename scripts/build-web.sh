#!/usr/bin/env bash
# Builds the browser edition into build-web/ (installs what is missing, like deps.sh):
#   build-web/tavir.html      one self-contained page: open it from the disk or serve it
#   build-web/tavir-cli.mjs   the companion under node: node build-web/tavir-cli.mjs analyse ...
set -euo pipefail
cd "$(dirname "$0")/.."

TAVIR_WITH_WEB=1 scripts/deps.sh
out=build-web
build=$out/cmake
# emcc's optimiser needs acorn, which Debian ships as a node module outside node's own path
# when the machine's node is not Debian's.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export EM_CACHE=${EM_CACHE:-$([ -w /usr/share/emscripten/cache ] && echo /usr/share/emscripten/cache || echo "$HOME/.cache/emscripten")}

emcmake cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVIR_BUILD_WEB=ON \
    -DTAVIR_WERROR=${TAVIR_WERROR:-OFF} >/dev/null
cmake --build "$build" -j"$(nproc)"

# The two faces the page writes in, cut down to the characters French texts and formulas use.
mkdir -p "$out/fonts"
for face in Regular Bold; do
  lower=$(echo "$face" | tr 'A-Z' 'a-z')
  /usr/bin/python3 -m fontTools.subset "/usr/share/fonts/truetype/liberation/LiberationSans-$face.ttf" \
      --unicodes="U+0020-007E,U+00A0-00FF,U+0152-0153,U+0178,U+02C6,U+02DC,U+03B4,U+2013-2014,U+2018-201E,U+2022,U+2026,U+2070-209F,U+20AC,U+2212" \
      --layout-features='*' --flavor=woff2 --output-file="$out/fonts/liberation-sans-$lower.woff2"
done

cat src/web/node_prelude.mjs "$build/src/cli/tavir-cli.js" > "$out/tavir-cli.mjs"

# The guided tour and the exercises, made from data/ by the companion as the desktop build
# makes them (and checked by the same analysis); again only when their sources changed.
stamp=$out/content.stamp
if [ ! -f "$stamp" ] || [ -n "$(find data "$out/tavir-cli.mjs" -newer "$stamp" -print -quit)" ]; then
  rm -rf "$out/content"
  cmake "-DCLI=node;$PWD/$out/tavir-cli.mjs" -DSOURCE="$PWD/data" -DOUT="$PWD/$out/content" -P data/build_content.cmake
  touch "$stamp"
fi

node scripts/assemble-web.mjs "$build/src/web/tavir-core.js" "$out/fonts" "$out/content" "$out/tavir.html"
echo "build-web: $out/tavir.html and $out/tavir-cli.mjs"
