#!/usr/bin/env bash
# The Windows checks: builds the modules and the test program (scripts/build-windows.sh),
# reads the i686 module statically (the PeModule tests of the Linux test binary), runs the
# test program under Wine and compares its drawings with the Linux build's.
# Usage: scripts/test-windows.sh [LINUX_BUILD_DIR]   (default build/default, built by `make build`)
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=${1:-build/default}

scripts/build-windows.sh
cmake --build "$linux_build" -j 2 --target quentarb quentarb_tests
ctest --test-dir "$linux_build" -R '^PeModule\.' --output-on-failure --no-tests=error
tests/windows/run.sh "$linux_build/quentarb"
