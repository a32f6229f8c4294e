"""The installed copy: self-contained, and run by Inkscape itself from its dialog's .inx."""
import json
import os
import shutil
import subprocess
from pathlib import Path

import pytest
from lxml import etree

from conftest import FIXTURES, INKSCAPE_LABEL, PYTHON, Extension, exported_art, group_art, the_result

INSTALL = Path(__file__).resolve().parents[1] / "install.py"


@pytest.fixture(scope="module")
def profile(build, tmp_path_factory):
    """An Inkscape profile folder with the extension installed as `make inkscape` installs it."""
    folder = tmp_path_factory.mktemp("profile")
    run = subprocess.run([PYTHON, str(INSTALL), str(build)], capture_output=True, text=True,
                         env={**os.environ, "INKSCAPE_PROFILE_DIR": str(folder)})
    assert run.returncode == 0, run.stderr
    return folder


def test_the_installed_copy_needs_nothing_of_the_build(profile, program, tmp_path):
    copy = profile / "extensions" / "quentarb"
    locator = json.loads((copy / "quentarb_engine.json").read_text())
    assert locator == {"program": "engine/quentarb", "module": "engine/ZU41_QuenTarb.so"}
    assert sorted(p.name for p in (copy / "engine").iterdir()) == ["ZU41_QuenTarb.rsrc", "ZU41_QuenTarb.so",
                                                                   "quentarb"]
    # Moved away from where it was installed, with only the system's PATH, it still draws.
    moved = tmp_path / "moved"
    shutil.copytree(copy, moved)
    root = Extension(moved, tmp_path).draw("letter.svg", ["line"], ["--tool=spiral"], env={"PATH": "/usr/bin:/bin"})
    group, made = the_result(root)
    assert group_art(group) == exported_art(program.replay(made))


def test_inkscape_runs_the_installed_extension(profile, program, tmp_path):
    missing = [tool for tool in ("inkscape", "xvfb-run") if not shutil.which(tool)]
    if missing:
        pytest.skip(f"{' and '.join(missing)} not installed (scripts/install-deps.sh inkscape could not install it): "
                    "the run in Inkscape itself is skipped")
    document = tmp_path / "letter.svg"
    shutil.copy(FIXTURES / "letter.svg", document)
    out = tmp_path / "out.svg"
    actions = f"select-by-id:curve;zu41.quentarb.noprefs;export-filename:{out};export-do"
    # Inkscape 1.2.2 registers extension actions only with a display, and runs them only in
    # batch mode: xvfb-run gives it one. An extension that writes to standard error makes it
    # wait on a message box, hence the time limit (a run takes about 4 s).
    run = subprocess.run(["xvfb-run", "-a", "inkscape", "--batch-process", f"--actions={actions}", str(document)],
                         capture_output=True, text=True, timeout=300,
                         env={**os.environ, "INKSCAPE_PROFILE_DIR": str(profile), "HOME": str(tmp_path)})
    assert out.exists(), run.stderr
    root = etree.parse(str(out)).getroot()
    group, made = the_result(root)
    assert group.get(INKSCAPE_LABEL) == "QuenTarb: grid"
    assert made["tool"] == "grid" and made["events"][0] == {"type": "down", "at": [100.0, 492.0]}
    # Inkscape gives every path an id as it loads the document back; the rest is ours.
    for art in group.iter():
        art.attrib.pop("id", None)
    assert group_art(group) == exported_art(program.replay(made)) != []
