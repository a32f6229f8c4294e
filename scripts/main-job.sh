#!/usr/bin/env bash
# The main job: render the gallery of every mode with the command-line host.
set -euo pipefail
build=${1:-build/default}
"$build/quentarb" gallery --out gallery
echo "gallery written to gallery/index.html"
