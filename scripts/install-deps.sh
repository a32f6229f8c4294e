#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# `install-deps.sh windows` also installs what the Windows module and its tests need;
# `install-deps.sh playground` what the playground and its browser test need;
# `install-deps.sh reliability` what the fuzz targets need;
# `install-deps.sh inkscape` what the Inkscape extension and its tests need (`inkscape
# screenshots` also what inkscape/screenshots/take.sh needs);
# `install-deps.sh python` what the Python package and its tests need.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev nlohmann-json3-dev libcli11-dev libutfcpp-dev libfmt-dev libfast-float-dev
  librsvg2-bin poppler-utils
)
# The mingw-w64 cross compilers (windres and objdump come with them), 64-bit Wine, a PE reader,
# and qemu-i386 for machines that run 64-bit programs only (32-bit Wine's loader is an i386 one).
windows_packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 python3-pefile qemu-user)
[ "${1:-}" = windows ] && packages+=("${windows_packages[@]}")
# The playground's WebAssembly toolchain and the browser its test drives.
playground_packages=(emscripten chromium)
[ "${1:-}" = playground ] && packages+=("${playground_packages[@]}")
# clang with libFuzzer and the sanitizer runtimes, for the fuzz targets.
reliability_packages=(clang-14 libclang-rt-14-dev)
[ "${1:-}" = reliability ] && packages+=("${reliability_packages[@]}")
# The Python package: pybind11, the interpreter's headers, numpy, pytest, and what
# `pip install --no-build-isolation .` builds with (setuptools, wheel, pip, venv).
python_packages=(pybind11-dev python3-pybind11 python3-dev python3-numpy python3-pytest
                 python3-setuptools python3-wheel python3-pip python3-venv)
[ "${1:-}" = python ] && packages+=("${python_packages[@]}")
# The format check: the clang-format Debian ships, so every machine formats alike.
format_packages=(clang-format)
[ "${1:-}" = format ] && packages+=("${format_packages[@]}")

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  # One mirror index being synced can make update end with 100; install decides.
  $sudo_cmd apt-get update || true
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

# 32-bit Wine runs the i686 module itself. Its i386 packages do not always install (an i386
# index mid-sync leaves them at other versions than the installed amd64 libraries); the
# Windows tests then run only the x86_64 build under Wine and say why.
if [ "${1:-}" = windows ]; then
  if ! installed wine32:i386; then
    echo "trying 32-bit Wine (wine32:i386)"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then $sudo_cmd dpkg --add-architecture i386; fi
    $sudo_cmd apt-get update -qq || true
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends wine32:i386 ||
      echo "32-bit Wine could not be installed: the Windows tests will run the x86_64 module only"
  fi
  # Its loader is an i386 program: where those do not execute, register qemu-i386 for them.
  . "$(dirname "$0")/i386-programs.sh"
  if installed wine32:i386 && ! i386_programs_run; then
    if [ "$(id -u)" -eq 0 ] && i386_programs_enable; then
      echo "i386 programs run through qemu-i386 (registered with binfmt_misc)"
    else
      echo "i386 programs cannot run here: $(i386_programs_reason)"
    fi
  fi
fi

# Inkscape brings inkex, the extensions' Python library, which needs lxml, tinycss2 and
# cssselect (recommends only, so named here); the tests run under pytest, and the one run of
# Inkscape itself needs a display: Xvfb and xauth for xvfb-run. Inkscape is optional: what
# does not install is named in one line, and the tests say what they skip for it.
if [ "${1:-}" = inkscape ]; then
  inkscape_packages=(inkscape python3-lxml python3-tinycss2 python3-cssselect python3-numpy python3-pytest xvfb xauth)
  [ "${2:-}" = screenshots ] && inkscape_packages+=(imagemagick xdotool)
  wanted=()
  for p in "${inkscape_packages[@]}"; do
    installed "$p" || wanted+=("$p")
  done
  if [ ${#wanted[@]} -gt 0 ]; then
    echo "installing: ${wanted[*]}"
    $sudo_cmd apt-get update -qq || true
    if ! DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${wanted[@]}"; then
      for p in "${wanted[@]}"; do
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "$p" >/dev/null 2>&1 ||
          echo "$p could not be installed: the Inkscape tests that need it are skipped"
      done
    fi
  fi
fi
