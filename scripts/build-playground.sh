#!/usr/bin/env bash
# Builds the playground (the plug-in and the host in WebAssembly, and the static page) into
# build/wasm/site. Usage: scripts/build-playground.sh [BUILD_DIR]   (default: build/wasm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/wasm}"

if ! command -v emcmake >/dev/null; then
  echo "build-playground: emscripten is missing (scripts/install-deps.sh playground installs it)" >&2
  exit 1
fi
# Debian's emscripten finds its JavaScript helpers through NODE_PATH.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"

if [ ! -f "$build/CMakeCache.txt" ]; then
  emcmake cmake -S "$root/web" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j "${JOBS:-2}"
echo "build-playground: the page is in $build/site"
