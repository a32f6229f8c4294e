#!/usr/bin/env bash
# Builds the Windows modules and the Windows test program with Debian's mingw-w64:
#   build/win-i686/ZU41_QuenTarb.aip        the deliverable: PE32 i386 DLL, resources inside
#   build/win-x86_64/ZU41_QuenTarb.aip      the same sources for x64, run under 64-bit Wine
#   build/win-ARCH-tests/quentarb_windows_test.exe   the Windows test program, for both
# The packages come from scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

for arch in i686 x86_64; do
  cmake --preset "win-$arch" >/dev/null
  cmake --build --preset "win-$arch" -j 2
done

for arch in i686 x86_64; do
  cmake -S tests/windows -B "build/win-$arch-tests" -DCMAKE_BUILD_TYPE=Release \
    --toolchain "$root/cmake/toolchains/$arch-w64-mingw32.cmake" >/dev/null
  cmake --build "build/win-$arch-tests" -j 2
done

echo "Windows module: build/win-i686/ZU41_QuenTarb.aip"
