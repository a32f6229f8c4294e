#!/usr/bin/env bash
# Builds the playground and serves it on loopback: scripts/serve-playground.sh [PORT]
# (default 8041). The page is static and works offline; stop the server with Ctrl+C.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
port="${1:-8041}"
build="${PLAYGROUND_BUILD:-$root/build/wasm}"

command -v emcmake >/dev/null || "$root/scripts/install-deps.sh" playground
"$root/scripts/build-playground.sh" "$build"
echo "The playground: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build/site"
