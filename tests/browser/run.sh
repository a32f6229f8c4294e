#!/usr/bin/env bash
# The browser test of the playground: installs playwright-core from npm when it is missing,
# builds the page, and drives it in Debian's headless Chromium.
# Usage: tests/browser/run.sh [QUENTARB]   (the native command line the page is compared with;
# default build/default/quentarb). PLAYGROUND_BUILD picks the WebAssembly build folder.
#        tests/browser/run.sh --bench [--quick]   runs the browser benchmark instead.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${PLAYGROUND_BUILD:-$root/build/wasm}"
bench=0
if [ "${1:-}" = "--bench" ]; then
  bench=1
  shift
else
  export QUENTARB="$(realpath -m "${1:-${QUENTARB:-$root/build/default/quentarb}}")"
  [ -x "$QUENTARB" ] || { echo "test-browser: no command line at $QUENTARB (build it first)" >&2; exit 1; }
fi
[ -x /usr/bin/chromium ] || { echo "test-browser: /usr/bin/chromium is missing (scripts/install-deps.sh --playground)" >&2; exit 1; }

wanted="$(node -p "require('$here/package.json').devDependencies['playwright-core']")"
installed="$(node -p "try { require('$here/node_modules/playwright-core/package.json').version } catch { '' }")"
if [ "$wanted" != "$installed" ]; then
  (cd "$here" && npm ci --no-audit --no-fund)
fi

"$root/scripts/build-playground.sh" "$build"

export PLAYGROUND_SITE="$build/site"
cd "$here"
if [ "$bench" = 1 ]; then
  exec node bench.mjs "$@"
fi
export ARTIFACTS="${ARTIFACTS:-$build/artifacts}"
node --test playground.test.mjs canvas.test.mjs ux.test.mjs
echo "test-browser: screenshot in $ARTIFACTS/playground.png"
