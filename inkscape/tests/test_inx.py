"""The dialog is the palette: every option with its caption, range and default, on its page."""
import json
import subprocess
import xml.etree.ElementTree as ElementTree

from conftest import exported_art, tool_names

NS = "{http://www.inkscape.org/namespace/inkscape/extension}"
RENAMED = {"currenttool": "tool", "currentpath": "shape"}


def dialog(build):
    root = ElementTree.parse(build / "inkscape" / "quentarb.inx").getroot()
    params = {}
    for page in root.iter(NS + "page"):
        for param in page.findall(NS + "param"):
            params[param.get("name")] = (page.get("name"), param)
    for param in root.findall(NS + "param"):
        if param.get("type") != "notebook":
            params[param.get("name")] = (None, param)
    return root, params


def test_every_palette_option_is_a_parameter(build):
    options = json.loads(subprocess.run([str(build / "quentarb"), "options", "--json"], check=True,
                                        capture_output=True, text=True).stdout)
    tools = tool_names(build)
    _, params = dialog(build)
    for o in options:
        name = RENAMED.get(o["name"], o["name"])
        if o["item"] is None:
            assert name not in params, f"{name} has no control in the palette"
            continue
        page, param = params[name]
        if name == "tool":
            assert page is None and [x.get("value") for x in param.iter(NS + "option")][0] == tools[o["default"]]
            continue
        assert page == (tools[o["tool"]] if o["tool"] is not None else "shared"), name
        assert param.get("gui-text") == ((o["label"] or "").strip() or o["name"]), name
        if o["type"] == "bool":
            assert param.get("type") == "bool" and param.text == str(o["default"]).lower(), name
        else:
            assert param.get("type") == ("int" if o["type"] == "int32" else "float"), name
            assert (float(param.get("min")), float(param.get("max")), float(param.text)) == \
                   (o["min"], o["max"], o["default"]), name
    document = [n for n, (page, _) in params.items() if page == "document"]
    assert set(params) - {"tool"} - set(document) == {RENAMED.get(o["name"], o["name"]) for o in options
                                                      if o["item"] is not None and o["name"] != "currenttool"}


def test_the_dialog_sits_under_generate_from_path_with_live_preview(build):
    root, _ = dialog(build)
    effect = root.find(NS + "effect")
    assert effect.get("needs-live-preview") == "true"
    assert effect.find(f"{NS}effects-menu/{NS}submenu").get("name") == "Generate from Path"
    assert root.find(NS + "id").text == "zu41.quentarb"


def test_each_tool_name_is_the_program_s_tool_of_that_number(build, program):
    # The names come from the program's listing; the numbers from its palette.
    for number, name in enumerate(tool_names(build)):
        by_name = program.draw("--tool", name, "--steps", "3")
        assert exported_art(by_name) == exported_art(program.draw("--tool", str(number), "--steps", "3")), name
