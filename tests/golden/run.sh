#!/usr/bin/env bash
# Replays the fixed gesture set (gestures.py) through `quentarb draw` with seeds 1 and 7 and
# writes each document as JSON, SVG and PNG into OUT_DIR. Two runs compare with `diff -r`:
#   tests/golden/run.sh build/default/quentarb /tmp/before   (then change, rebuild)
#   tests/golden/run.sh build/default/quentarb /tmp/after && diff -r /tmp/before /tmp/after
set -euo pipefail
quentarb=${1:?usage: run.sh QUENTARB OUT_DIR}
out=${2:?usage: run.sh QUENTARB OUT_DIR}
here=$(cd "$(dirname "$0")" && pwd)
gestures=$(mktemp -d)
trap 'rm -rf "$gestures"' EXIT
python3 "$here/gestures.py" "$gestures"
mkdir -p "$out"
for g in "$gestures"/*.json; do
  stem=$(basename "$g" .json)
  for seed in 1 7; do
    for format in json svg png; do
      status=0
      "$quentarb" draw --gesture "$g" --seed "$seed" --out "$out/$stem-seed$seed.$format" \
        2>"$out/$stem-seed$seed.$format.stderr" || status=$?
      echo "$status" >"$out/$stem-seed$seed.$format.status"
    done
  done
done
# The option listing is part of the contract too.
"$quentarb" options >"$out/options.txt"
"$quentarb" options --json >"$out/options.json"
echo "$(ls "$out"/*.json | wc -l) files in $out"
