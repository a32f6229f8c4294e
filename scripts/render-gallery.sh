#!/usr/bin/env bash
# Renders the gallery of every mode into gallery/ with the command line of BUILD_DIR.
# Usage: scripts/render-gallery.sh [BUILD_DIR]   (default: build/default)
set -euo pipefail
build=${1:-build/default}
"$build/quentarb" gallery --out gallery
echo "gallery written to gallery/index.html"
