#!/usr/bin/python3
"""Prints what a PE file holds as one JSON object, read with Debian's python3-pefile.

Usage: pe_summary.py FILE

{"machine": 332, "magic": 267, "characteristics": 8462, "exports": ["PluginMain"],
 "imports": ["KERNEL32.dll", ...],
 "resources": [{"type": "PIPL" | 16, "id": 16000, "language": 1033, "data": "<hex>"}, ...]}

A resource type or id that is a name is given as its text, a number as the number.
"""
import json
import sys

import pefile


def entry_key(entry):
    return str(entry.name) if entry.name is not None else entry.id


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    pe = pefile.PE(argv[1])
    summary = {
        "machine": pe.FILE_HEADER.Machine,
        "magic": pe.OPTIONAL_HEADER.Magic,
        "characteristics": pe.FILE_HEADER.Characteristics,
        "exports": [],
        "imports": [],
        "resources": [],
    }
    if hasattr(pe, "DIRECTORY_ENTRY_EXPORT"):
        summary["exports"] = [s.name.decode() if s.name else f"#{s.ordinal}" for s in pe.DIRECTORY_ENTRY_EXPORT.symbols]
    if hasattr(pe, "DIRECTORY_ENTRY_IMPORT"):
        summary["imports"] = [d.dll.decode() for d in pe.DIRECTORY_ENTRY_IMPORT]
    if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
            for id_entry in type_entry.directory.entries:
                for language_entry in id_entry.directory.entries:
                    data = language_entry.data.struct
                    summary["resources"].append({
                        "type": entry_key(type_entry),
                        "id": entry_key(id_entry),
                        "language": language_entry.data.lang | (language_entry.data.sublang << 10),
                        "data": pe.get_data(data.OffsetToData, data.Size).hex(),
                    })
    print(json.dumps(summary))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
