#!/usr/bin/env python3
"""Compares two JSON documents written by `quentarb draw` (Linux) and the Windows test program.

Usage: compare_json.py LINUX_JSON WINDOWS_JSON

Identical files pass. Otherwise everything must still match exactly (the results, the alerts,
the layers, the number, kind, order, closing, colours, tags and styles of every object and
the number of segments) except single-precision coordinates, which may differ in their last
digits: the host's trigonometry comes from the platform's math library, whose float sin and
cos may round differently from glibc's by an ulp. Such numbers must agree within 1e-5 relative
(or 1e-4 points). Prints what differs; exit 0 when the documents agree, 1 otherwise.
"""
import json
import sys

RELATIVE = 1e-5
ABSOLUTE = 1e-4


def compare(a, b, path, report):
    if isinstance(a, bool) or isinstance(b, bool) or isinstance(a, str) or a is None:
        if a != b:
            report["errors"].append(f"{path}: {a!r} != {b!r}")
    elif isinstance(a, (int, float)) and isinstance(b, (int, float)):
        if a != b:
            if "/segments[" in path:
                if abs(a - b) <= max(ABSOLUTE, RELATIVE * max(abs(a), abs(b))):
                    report["rounding"].append(f"{path}: {a!r} vs {b!r}")
                    return
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
    with open(argv[1], "rb") as f:
        linux_bytes = f.read()
    with open(argv[2], "rb") as f:
        windows_bytes = f.read()
    if linux_bytes == windows_bytes:
        print(f"identical: {argv[1]} and {argv[2]} ({len(linux_bytes)} bytes)")
        return 0
    report = {"errors": [], "rounding": []}
    compare(json.loads(linux_bytes), json.loads(windows_bytes), "", report)
    for line in report["errors"][:20]:
        print("DIFFERS " + line)
    for line in report["rounding"][:5]:
        print("rounding " + line)
    print(f"{len(report['errors'])} differences, {len(report['rounding'])} coordinates differing in the last digits")
    return 1 if report["errors"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
