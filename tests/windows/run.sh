#!/usr/bin/env bash
# Runs the Windows test program under Wine and compares its drawings with the Linux build's.
# Usage: tests/windows/run.sh QUENTARB
#   QUENTARB: the Linux command line, whose `draw` gives the reference JSON.
# Needs scripts/build-windows.sh first. The x86_64 build runs under 64-bit Wine; the i686
# build runs too when 32-bit Wine (wine32:i386) is installed and the i686 program was built.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
quentarb=$1

export WINEPREFIX=${WINEPREFIX:-$root/build/win-wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no .NET or browser engine installers
out=$root/build/win-compare
mkdir -p "$out"

windows_path() { echo "Z:${1//\//\\}"; }

wine_bin=$(command -v wine || true)
if [ -z "$wine_bin" ]; then
  echo "wine is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
echo "wine: $(wine --version)"
wineboot --init >/dev/null 2>&1 || true

archs=(x86_64)
if [ -x build/win-i686-tests/quentarb_windows_test.exe ] &&
   dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
  archs=(i686 x86_64)
fi

passed=0
failed=0
record() {  # record STATUS WHAT
  if [ "$1" -eq 0 ]; then passed=$((passed + 1)); echo "ok   $2"; else failed=$((failed + 1)); echo "FAIL $2"; fi
}

for arch in "${archs[@]}"; do
  program=build/win-$arch-tests/quentarb_windows_test.exe
  module=$(windows_path "$root/build/win-$arch/ZU41_QuenTarb.aip")
  echo "== $arch under Wine: checks"
  status=0
  wine "$program" check "$module" || status=$?
  record "$status" "$arch: the Windows test program's checks"

  for gesture in tests/windows/gestures/*.json; do
    name=$(basename "$gesture" .json)
    for seed in 1 7; do
      linux_json=$out/linux-$name-$seed.json
      windows_json=$out/$arch-$name-$seed.json
      rm -f "$windows_json"
      "$quentarb" draw --tool grid --shape 0 --seed "$seed" --gesture "$gesture" --out "$linux_json"
      status=0
      wine "$program" draw "$module" grid 0 "$seed" "$(windows_path "$root/$gesture")" "$(windows_path "$windows_json")" &&
        /usr/bin/python3 tests/windows/compare_json.py "$linux_json" "$windows_json" || status=$?
      record "$status" "$arch: $name, seed $seed: the same art as the Linux build"
    done
  done
done
wineserver -k 2>/dev/null || true

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
