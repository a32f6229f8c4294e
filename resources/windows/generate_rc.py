#!/usr/bin/env python3
"""Writes the Windows module's resources from resources.json (layouts: README.md here).

Usage: generate_rc.py SOURCE_JSON OUTPUT_DIR

Writes OUTPUT_DIR/ZU41_QuenTarb.rc, OUTPUT_DIR/pipl.bin and one cursor file per cursor. A file
whose contents would not change is left alone, so a rebuild recompiles nothing.
"""
import json
import os
import struct
import sys

LANGUAGE_ENGLISH_US = (0x09, 0x01)  # primary and sub-language of 1033
PIPL_FORMAT_VERSION = 1
PIPL_OWNER = b"QTRB"
# Dialog frame: a captioned pop-up with the font given (DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU).
DIALOG_STYLE = "DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU"


def four_char(code):
    data = code.encode("ascii")
    if len(data) != 4:
        raise ValueError(f"'{code}' is not a four-character code")
    return data


def pipl_property(key, data):
    padding = b"\0" * (-len(data) % 4)
    return PIPL_OWNER + four_char(key) + struct.pack("<II", 0, len(data)) + data + padding


def pipl_bytes(pipl):
    properties = [
        pipl_property("kind", four_char(pipl["kind"])),
        pipl_property("ivrs", struct.pack("<I", pipl["interfaceVersion"])),
        pipl_property("wx86", pipl["entryPoint"].encode("ascii") + b"\0"),
        pipl_property("pinm", pipl["name"].encode("ascii") + b"\0"),
    ]
    return struct.pack("<III", PIPL_FORMAT_VERSION, 0, len(properties)) + b"".join(properties)


def cursor_bytes(cursor):
    """A .cur file with one 1-bit image: "1" black (AND 0, XOR 0), "0" transparent (AND 1)."""
    width, height = cursor["width"], cursor["height"]
    rows = cursor["rows"]
    if len(rows) != height or any(len(r) != width or set(r) - {"0", "1"} for r in rows):
        raise ValueError("cursor rows do not match its width and height")
    if width % 32:
        raise ValueError("cursor width must be a multiple of 32")
    hot_x, hot_y = cursor["hotspot"]

    def mask(bit_of):
        out = b""
        for row in reversed(rows):  # bottom-up
            bits = 0
            for ch in row:
                bits = (bits << 1) | bit_of(ch)
            out += bits.to_bytes(width // 8, "big")
        return out

    xor_mask = mask(lambda ch: 0)
    and_mask = mask(lambda ch: 0 if ch == "1" else 1)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    # BITMAPINFOHEADER: the height counts both masks.
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    image = info + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


def rc_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '""') + '"'


def rc_path(path):
    return rc_string(path.replace("\\", "/"))


def string_table_entries(table):
    """The string table in id order: each list's header string and the strings after it."""
    return [(i, table[str(i)]) for i in sorted(int(k) for k in table)]


def rc_text(source, source_dir, pipl_file, cursor_files):
    lines = [
        "// Generated from resources.json by generate_rc.py: do not edit.",
        "#include <winresrc.h>",
        "",
        "LANGUAGE %d, %d" % LANGUAGE_ENGLISH_US,
        "",
        f"{source['pipl']['id']} PIPL {rc_path(pipl_file)}",
        "",
    ]
    for image_id, image_file in sorted(source["images"].items()):
        lines.append(f"{image_id} PNGI {rc_path(os.path.join(source_dir, image_file))}")
    lines.append("")
    for cursor_id, cursor_file in sorted(cursor_files.items()):
        lines.append(f"{cursor_id} CURSOR {rc_path(cursor_file)}")
    lines.append("")
    for dialog_id, dialog in sorted(source["dialogs"].items()):
        lines += [
            f"{dialog_id} DIALOG 0, 0, {dialog['width']}, {dialog['height']}",
            f"STYLE {DIALOG_STYLE}",
            f"CAPTION {rc_string(dialog['caption'])}",
            f"FONT {dialog['pointSize']}, {rc_string(dialog['font'])}",
            "BEGIN",
            "END",
            "",
        ]
    lines += ["STRINGTABLE", "BEGIN"]
    for string_id, text in string_table_entries(source["stringTable"]):
        lines.append(f"    {string_id}, {rc_string(text)}")
    lines += ["END", ""]

    version = source["version"]
    file_version = ",".join(str(n) for n in version["fileVersion"])
    product_version = ",".join(str(n) for n in version["productVersion"])
    values = [
        ("CompanyName", version["companyName"]),
        ("FileDescription", version["fileDescription"]),
        ("FileVersion", version["versionText"]),
        ("InternalName", source["module"]),
        ("LegalCopyright", version["legalCopyright"]),
        ("OriginalFilename", source["module"] + ".aip"),
        ("ProductName", version["productName"]),
        ("ProductVersion", version["versionText"]),
    ]
    lines += [
        f"{version['id']} VERSIONINFO",
        f"FILEVERSION {file_version}",
        f"PRODUCTVERSION {product_version}",
        "FILEFLAGSMASK VS_FFI_FILEFLAGSMASK",
        "FILEFLAGS 0",
        "FILEOS VOS_NT_WINDOWS32",
        "FILETYPE VFT_DLL",
        "FILESUBTYPE VFT2_UNKNOWN",
        "BEGIN",
        '    BLOCK "StringFileInfo"',
        "    BEGIN",
        f'        BLOCK "{source["language"]:04x}04b0"',
        "        BEGIN",
    ]
    lines += [f'            VALUE "{name}", {rc_string(text)}' for name, text in values]
    lines += [
        "        END",
        "    END",
        '    BLOCK "VarFileInfo"',
        "    BEGIN",
        f'        VALUE "Translation", 0x{source["language"]:04x}, 1200',
        "    END",
        "END",
        "",
    ]
    return "\n".join(lines)


def write_if_changed(path, data):
    if isinstance(data, str):
        data = data.encode("utf-8")
    try:
        with open(path, "rb") as existing:
            if existing.read() == data:
                return
    except FileNotFoundError:
        pass
    with open(path, "wb") as out:
        out.write(data)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    source_path, out_dir = argv[1], argv[2]
    with open(source_path, encoding="utf-8") as f:
        source = json.load(f)
    if source["language"] != 1033:
        raise ValueError("the resource script is written for language 1033")
    source_dir = os.path.dirname(os.path.abspath(source_path))
    os.makedirs(out_dir, exist_ok=True)

    pipl_file = os.path.join(out_dir, "pipl.bin")
    write_if_changed(pipl_file, pipl_bytes(source["pipl"]))
    cursor_files = {}
    for cursor_id, cursor in source["cursors"].items():
        cursor_files[cursor_id] = os.path.join(out_dir, f"cursor_{cursor_id}.cur")
        write_if_changed(cursor_files[cursor_id], cursor_bytes(cursor))
    rc = rc_text(source, source_dir, pipl_file, cursor_files)
    write_if_changed(os.path.join(out_dir, source["module"] + ".rc"), rc)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
