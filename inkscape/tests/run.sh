#!/usr/bin/env bash
# The Inkscape extension's tests: the script run as Inkscape runs it, compared with the build's
# quentarb, and one run of Inkscape itself (skipped, with the reason, where it or Xvfb is missing).
#
#   inkscape/tests/run.sh [BUILD_DIR]      (make test-inkscape; BUILD_DIR defaults to build/default)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build/default}" && pwd)"

# The script tests need inkex, which comes with Inkscape (Debian puts it in Inkscape's
# extensions folder), and pytest.
if ! /usr/bin/python3 -c 'import sys; sys.path.append("/usr/share/inkscape/extensions"); import inkex, pytest' 2>/dev/null; then
  echo "inkscape tests skipped: inkex or pytest is missing (scripts/install-deps.sh inkscape could not install them)"
  exit 0
fi
cd "$here"
export PYTHONDONTWRITEBYTECODE=1   # nothing left in the source tree
exec /usr/bin/python3 -m pytest -p no:cacheprovider -q -rs --build "$build" .
