#!/usr/bin/env bash
# Runs the Windows test program under Wine and compares its drawings with the Linux build's.
# Usage: tests/windows/run.sh QUENTARB
#   QUENTARB: the Linux command line, whose `draw` gives the reference JSON.
# Needs scripts/build-windows.sh first. The x86_64 build runs under 64-bit Wine's own loader,
# in a 64-bit prefix. The i686 build, the deliverable, runs under 32-bit Wine in a 32-bit
# prefix when i386 programs execute here (natively, or through qemu-i386 registered with
# binfmt_misc by scripts/install-deps.sh); otherwise one line says why it was not run.
# Each prefix is made once (build/wine-ARCH) and served by one wineserver for all the runs.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
quentarb=$1
. scripts/i386-programs.sh

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no .NET or browser engine installers
out=$root/build/win-compare
mkdir -p "$out"

windows_path() { echo "Z:${1//\//\\}"; }

# Debian installs the loaders under /usr/lib/wine; /usr/bin/wine prefers the 32-bit one, which
# must never decide whether the 64-bit run works.
wine64=/usr/lib/wine/wine64
wineserver64=/usr/lib/wine/wineserver64
[ -x "$wine64" ] || wine64=$(command -v wine64 || true)
[ -x "$wineserver64" ] || wineserver64=$(command -v wineserver || true)
if [ -z "$wine64" ] || [ -z "$wineserver64" ]; then
  echo "64-bit Wine is not installed (scripts/install-deps.sh windows installs it)" >&2
  exit 1
fi
echo "wine: $("$wine64" --version)"

archs=(x86_64)
skipped=""
if [ ! -x build/win-i686-tests/quentarb_windows_test.exe ]; then
  skipped="the i686 test program was not built (scripts/build-windows.sh builds it)"
elif i386_programs_run || { [ "$(id -u)" -eq 0 ] && i386_programs_enable; }; then
  archs=(i686 x86_64)
else
  skipped=$(i386_programs_reason)
fi

passed=0
failed=0
record() {  # record STATUS WHAT
  if [ "$1" -eq 0 ]; then passed=$((passed + 1)); echo "ok   $2"; else failed=$((failed + 1)); echo "FAIL $2"; fi
}

# use_wine ARCH: the loader, server and prefix of ARCH; the prefix is made when missing.
use_wine() {
  if [ "$1" = i686 ]; then
    loader=$i386_wine_loader
    export WINEARCH=win32
  else
    loader=$wine64
    export WINEARCH=win64
  fi
  # The 64-bit server serves 32-bit clients too, and is not emulated.
  export WINESERVER=$wineserver64 WINELOADER=$loader WINEPREFIX=$root/build/wine-$1
  mkdir -p "$WINEPREFIX"
  "$WINESERVER" -p  # stays up across the runs below, until -k
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    local start=$SECONDS
    "$loader" wineboot --init >/dev/null 2>&1 || true
    echo "made the $WINEARCH prefix $WINEPREFIX in $((SECONDS - start)) s"
  fi
}

# A server left up would keep the prefix busy after a failed run.
trap 'if [ -n "${WINESERVER:-}" ]; then "$WINESERVER" -k 2>/dev/null || true; fi' EXIT

ran=()
for arch in "${archs[@]}"; do
  start=$SECONDS
  program=build/win-$arch-tests/quentarb_windows_test.exe
  module=$(windows_path "$root/build/win-$arch/ZU41_QuenTarb.aip")
  # The Linux references first, then the checks and every drawing in one process: under
  # emulation a process start costs more than all the drawings.
  runs=()
  compared=()
  for gesture in tests/windows/gestures/*.json; do
    name=$(basename "$gesture" .json)
    for seed in 1 7; do
      linux_json=$out/linux-$name-$seed.json
      windows_json=$out/$arch-$name-$seed.json
      rm -f "$windows_json"
      "$quentarb" draw --tool grid --shape 0 --seed "$seed" --gesture "$gesture" --out "$linux_json"
      runs+=("$seed" "$(windows_path "$root/$gesture")" "$(windows_path "$windows_json")")
      compared+=("$name:$seed")
    done
  done
  use_wine "$arch"
  echo "== $arch ZU41_QuenTarb.aip under Wine ($WINEARCH prefix): checks and ${#compared[@]} drawings"
  status=0
  "$loader" "$program" check "$module" + draw "$module" grid 0 "${runs[@]}" || status=$?
  record "$status" "$arch: the Windows test program's checks and drawings"
  for entry in "${compared[@]}"; do
    name=${entry%:*}
    seed=${entry#*:}
    status=0
    /usr/bin/python3 tests/windows/compare_json.py "$out/linux-$name-$seed.json" "$out/$arch-$name-$seed.json" ||
      status=$?
    record "$status" "$arch: $name, seed $seed: the same art as the Linux build"
  done
  "$WINESERVER" -k 2>/dev/null || true
  ran+=("$arch")
  echo "$arch: done in $((SECONDS - start)) s"
done

echo "modules run under Wine: ${ran[*]}"
[ -n "$skipped" ] && echo "i686 module not run under Wine: $skipped"
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
