"""Runs the extension as Inkscape runs it, and the quentarb program it must agree with.

    /usr/bin/python3 -m pytest inkscape/tests --build build/default
"""
import json
import os
import subprocess
import sys
from pathlib import Path

import pytest
from lxml import etree

try:
    import inkex  # noqa: F401
except ImportError:  # Debian's inkex is in Inkscape's extensions folder
    sys.path.append("/usr/share/inkscape/extensions")

HERE = Path(__file__).resolve().parent
FIXTURES = HERE / "fixtures"
PYTHON = "/usr/bin/python3"
SVG = "{http://www.w3.org/2000/svg}"
INKSCAPE_LABEL = "{http://www.inkscape.org/namespaces/inkscape}label"
NO_PATH = "Select a path: it is the drag the tool follows"


def pytest_addoption(parser):
    parser.addoption("--build", default=str(HERE.parents[1] / "build" / "default"),
                     help="the build folder whose inkscape/ and quentarb are tested")


def build_folder(config):
    folder = Path(config.getoption("--build")).resolve()
    if not (folder / "inkscape" / "quentarb.py").exists():
        pytest.exit(f"{folder}/inkscape/quentarb.py is missing: build first (make build)", 2)
    return folder


@pytest.fixture(scope="session")
def build(request):
    return build_folder(request.config)


def tool_names(build):
    """The tools as the dialog offers them (make_inx.py takes them from the program)."""
    sys.path.insert(0, str(build / "inkscape"))
    from quentarb_params import read_params
    return read_params(build / "inkscape" / "quentarb.inx")["tool"].choices


def pytest_generate_tests(metafunc):
    if "tool" in metafunc.fixturenames:
        metafunc.parametrize("tool", tool_names(build_folder(metafunc.config)))


class Extension:
    """The script of a folder like <build>/inkscape, run on a fixture in a scratch folder."""

    def __init__(self, folder, scratch):
        self.script = Path(folder) / "quentarb.py"
        self.scratch = scratch

    def run(self, document, ids=(), args=(), env=None):
        source = Path(document)
        if not source.is_absolute():
            source = FIXTURES / document
        command = [PYTHON, str(self.script)] + [f"--id={i}" for i in ids] + list(args) + [str(source)]
        run = subprocess.run(command, capture_output=True, cwd=self.scratch, env={**os.environ, **(env or {})})
        run.stderr = run.stderr.decode("utf-8", "replace")
        return run

    def draw(self, document, ids=(), args=(), env=None):
        """A run that must succeed: the document it writes, parsed."""
        run = self.run(document, ids, args, env)
        assert run.returncode == 0, run.stderr
        return etree.fromstring(run.stdout)


@pytest.fixture
def extension(build, tmp_path):
    return Extension(build / "inkscape", tmp_path)


class Program:
    """The build's quentarb program."""

    def __init__(self, build, scratch):
        self.path = build / "quentarb"
        self.scratch = scratch

    def draw(self, *args, gesture=None):
        """The SVG of `quentarb draw ARGS` (with a gesture file when given), parsed."""
        out = self.scratch / "expected.svg"
        command = [str(self.path), "draw", *args, "--out", str(out)]
        if gesture is not None:
            gesture_file = self.scratch / "gesture.json"
            gesture_file.write_text(json.dumps({"events": gesture}))
            command += ["--gesture", str(gesture_file)]
        run = subprocess.run(command, capture_output=True, text=True)
        assert run.returncode == 0, run.stderr
        return etree.parse(str(out)).getroot()

    def replay(self, made):
        """What `quentarb draw --gesture` draws from a group's data-quentarb."""
        gesture = [{"type": "tool", "tool": made["tool"]}, {"type": "shape", "shape": made["shape"]}]
        gesture += [{"type": "set", "option": k, "value": v} for k, v in made["options"].items()]
        args = ["--seed", str(made["seed"]), "--page", ",".join(repr(x) for x in made["page"])]
        for key, flag in (("colorModel", "--color-model"), ("fill", "--fill"), ("stroke", "--stroke"),
                          ("strokeWidth", "--stroke-width")):
            if key in made:
                args += [flag, str(made[key])]
        return self.draw(*args, gesture=gesture + made["events"])


@pytest.fixture
def program(build, tmp_path):
    return Program(build, tmp_path)


def result_groups(root):
    return root.findall(f".//{SVG}g[@data-quentarb]")


def the_result(root):
    groups = result_groups(root)
    assert len(groups) == 1, f"{len(groups)} result groups"
    return groups[0], json.loads(groups[0].get("data-quentarb"))


def canonical(element):
    """An element as comparable data: its tag, attributes and children, not its whitespace."""
    return (etree.QName(element).localname, sorted(element.attrib.items()),
            [canonical(child) for child in element if isinstance(child.tag, str)])


def exported_art(root):
    """The art of a quentarb SVG export as the extension's group holds it: one layer's content
    as it is, several layers each as a group."""
    layers = root.findall(f"{SVG}g")
    if len(layers) == 1:
        return [canonical(art) for art in layers[0]]
    art = []
    for layer in layers:
        name, attrs, children = canonical(layer)
        art.append((name, sorted(attrs + [(INKSCAPE_LABEL, layer.get("data-layer"))]), children))
    return art


def group_art(group):
    return [canonical(art) for art in group if isinstance(art.tag, str)]


def points_of(made):
    return [tuple(e["at"]) for e in made["events"] if "at" in e]
