#!/usr/bin/env python3
"""Compares two JSON documents written by `quentarb draw` (Linux) and the Windows test program.

Usage: compare_json.py LINUX_JSON WINDOWS_JSON

Only identical files pass: the host computes its trigonometry in double precision and rounds
once to single precision, so both platforms draw the same bits. When the files differ, the
documents are compared value by value to say where (the first 20 differences). Exit 0 when
identical, 1 otherwise.
"""
import json
import sys

def compare(a, b, path, report):
    if isinstance(a, bool) or isinstance(b, bool) or isinstance(a, str) or a is None:
        if a != b:
            report["errors"].append(f"{path}: {a!r} != {b!r}")
    elif isinstance(a, (int, float)) and isinstance(b, (int, float)):
        if a != b:
            report["errors"].append(f"{path}: {a!r} != {b!r}")
    elif isinstance(a, dict) and isinstance(b, dict):
        if list(a) != list(b):
            report["errors"].append(f"{path}: keys {list(a)} != {list(b)}")
            return
        for key in a:
            compare(a[key], b[key], f"{path}/{key}", report)
    elif isinstance(a, list) and isinstance(b, list):
        if len(a) != len(b):
            report["errors"].append(f"{path}: {len(a)} entries != {len(b)}")
            return
        for i, (x, y) in enumerate(zip(a, b)):
            compare(x, y, f"{path}[{i}]", report)
    else:
        report["errors"].append(f"{path}: {type(a).__name__} != {type(b).__name__}")


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    try:
        with open(argv[1], "rb") as f:
            linux_bytes = f.read()
        with open(argv[2], "rb") as f:
            windows_bytes = f.read()
    except OSError as e:
        print(f"cannot read {e.filename}: {e.strerror}")
        return 1
    if linux_bytes == windows_bytes:
        print(f"identical: {argv[1]} and {argv[2]} ({len(linux_bytes)} bytes)")
        return 0
    report = {"errors": []}
    compare(json.loads(linux_bytes), json.loads(windows_bytes), "", report)
    for line in report["errors"][:20]:
        print("DIFFERS " + line)
    print(f"{argv[1]} and {argv[2]} differ: {len(report['errors'])} values (or only in how they are written)")
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
