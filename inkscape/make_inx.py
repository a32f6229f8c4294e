#!/usr/bin/python3
"""Writes quentarb.inx, the extension's dialog, from the option table.

Every option is written once, in resources/option_table.def. The quentarb program expands it
and reads the live palette for what the table leaves to the palette (a popup's caption is its
entry 0, a swatch spin's range is the document's) and names the tools; the table's control
column says which options are popups. The pages follow the palette: the tool selector, one
page per mode, the shared options, then the Document page, whose parameters are the
extension's own (document_params.py).

    make_inx.py --quentarb build/default/quentarb --table resources/option_table.def \
                --out build/default/inkscape/quentarb.inx
"""
import argparse
import json
import re
import subprocess
import sys
from pathlib import Path
from xml.sax.saxutils import escape, quoteattr

sys.dont_write_bytecode = True  # the build leaves nothing in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parent))
import document_params  # noqa: E402

EXTENSION_ID = "zu41.quentarb"
NS = "http://www.inkscape.org/namespace/inkscape/extension"

# The palette's tool selector and line type popup are the extension's --tool and --shape.
RENAMED = {"currenttool": "tool", "currentpath": "shape"}

# One row of the table: QT_OPTION(name, type, default, min, max, item, tool, control, caption).
TABLE_ROW = re.compile(r"^QT_OPTION\((\w+),(?:[^,]*,){6}\s*(\w+)\s*,", re.M)
# One row of `quentarb options`: NAME TYPE DEFAULT [MIN to MAX] ITEM TOOL LABEL.
LISTING_ROW = re.compile(r"^(\S+)\s+(\S+)\s+(\S+)\s+(?:\S+ to \S+\s+)?(\S+)\s+(\S+)")


def run(program, *args):
    return subprocess.run([program, *args], check=True, capture_output=True, text=True).stdout


def tool_names(program, options):
    """The program's name of each tool number, read off its listing (the TOOL column)."""
    rows = run(program, "options").splitlines()[1:]
    if len(rows) != len(options):
        sys.exit(f"make_inx: `quentarb options` lists {len(rows)} rows, --json {len(options)}")
    names = {}
    for row, option in zip(rows, options):
        match = LISTING_ROW.match(row)
        if not match or match.group(1) != option["name"]:
            sys.exit(f"make_inx: cannot read the listing's row {row!r}")
        if option["tool"] is not None:
            names[option["tool"]] = match.group(5)
    return [names[t] for t in sorted(names)]


def number(value):
    return str(int(value)) if float(value).is_integer() else repr(float(value))


def controls(table_path, options):
    """The control of each option, from the table's control column."""
    found = dict(TABLE_ROW.findall(Path(table_path).read_text(encoding="utf-8")))
    if sorted(found) != sorted(o["name"] for o in options):
        sys.exit(f"make_inx: {table_path} and `quentarb options` name different options")
    return found


def option_param(option, control, indent):
    """One palette option as a parameter: its caption, range and default."""
    name = RENAMED.get(option["name"], option["name"])
    caption = (option["label"] or "").strip()
    tip = f"{option['name']}"
    if control == "Popup":
        tip += f": the palette popup's entry, 0 to {option['max']}; entry 0 is \u201c{caption}\u201d"
    text = caption or option["name"]
    attrs = f'name="{name}" gui-text={quoteattr(text)} gui-description={quoteattr(tip)}'
    if option["type"] == "bool":
        return f'{indent}<param {attrs} type="bool">{"true" if option["default"] else "false"}</param>'
    bounds = f'min="{number(option["min"])}" max="{number(option["max"])}"'
    if option["type"] == "int32":
        return f'{indent}<param {attrs} type="int" {bounds}>{number(option["default"])}</param>'
    return f'{indent}<param {attrs} type="float" precision="2" {bounds}>{number(option["default"])}</param>'


def tool_selector(option, names, indent):
    """The tools in the order of their numbers. Inkscape takes an optiongroup's first entry as its
    default, so the table's default tool must be tool 0."""
    if int(option["default"]) != 0:
        sys.exit(f"make_inx: the default tool is {option['default']}; the dialog can only default to tool 0")
    lines = [f'{indent}<param name="tool" type="optiongroup" appearance="combo" gui-text="Tool" '
             f'gui-description="currenttool: the palette\'s tool selector">']
    lines += [f'{indent}  <option value="{n}">{escape(n)}</option>' for n in names]
    lines.append(f'{indent}</param>')
    return lines


def document_param(param, indent):
    attrs = f'name="{param["name"]}" gui-text={quoteattr(param["label"])}'
    if param.get("tip"):
        attrs += f' gui-description={quoteattr(param["tip"])}'
    kind = param["type"]
    if kind == "optiongroup":
        lines = [f'{indent}<param {attrs} type="optiongroup" appearance="combo">']
        lines += [f'{indent}  <option value={quoteattr(v)}>{escape(t)}</option>' for v, t in param["choices"]]
        lines.append(f'{indent}</param>')
        return lines
    if kind in ("int", "float"):
        extra = f' min="{number(param["min"])}" max="{number(param["max"])}"'
        if kind == "float":
            extra += ' precision="2"'
        return [f'{indent}<param {attrs} type="{kind}"{extra}>{number(param["default"])}</param>']
    return [f'{indent}<param {attrs} type="string">{escape(param["default"])}</param>']


def inx(options, control, names):
    palette = [o for o in options if o["item"] is not None]  # options with no control are not the user's
    selector = next(o for o in palette if o["name"] == "currenttool")
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           f'<inkscape-extension xmlns="{NS}">',
           '  <name>QuenTarb</name>',
           f'  <id>{EXTENSION_ID}</id>']
    out += tool_selector(selector, names, "  ")
    out.append('  <param name="tab" type="notebook">')
    for tool, tool_name in enumerate(names):
        out.append(f'    <page name="{tool_name}" gui-text="{escape(tool_name)}">')
        out += [option_param(o, control[o["name"]], "      ") for o in palette if o["tool"] == tool]
        out.append('    </page>')
    out.append('    <page name="shared" gui-text="Shared">')
    out += [option_param(o, control[o["name"]], "      ") for o in palette if o["tool"] is None and o is not selector]
    out.append('    </page>')
    out.append('    <page name="document" gui-text="Document">')
    for param in document_params.PARAMS:
        out += document_param(param, "      ")
    out.append('    </page>')
    out.append('  </param>')
    out += ['  <effect needs-live-preview="true">',
            '    <object-type>all</object-type>',
            '    <effects-menu>',
            '      <submenu name="Generate from Path"/>',
            '    </effects-menu>',
            '  </effect>',
            '  <script>',
            '    <command location="inx" interpreter="python">quentarb.py</command>',
            '  </script>',
            '</inkscape-extension>']
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quentarb", required=True, help="the quentarb program of this build")
    parser.add_argument("--table", required=True, help="resources/option_table.def")
    parser.add_argument("--out", required=True, help="the .inx file to write")
    args = parser.parse_args()
    options = json.loads(run(args.quentarb, "options", "--json"))
    text = inx(options, controls(args.table, options), tool_names(args.quentarb, options))
    out = Path(args.out)
    tmp = out.with_name(out.name + ".tmp")
    tmp.write_text(text, encoding="utf-8")
    tmp.replace(out)


if __name__ == "__main__":
    main()
