"""Every error ends the run with one message and writes no document: Inkscape keeps its own."""
import json
import shutil

import pytest

from conftest import NO_PATH, Extension


@pytest.mark.parametrize("ids, args, env, message, why", [
    ([], [], {}, NO_PATH, "nothing selected"),
    (["words"], [], {}, NO_PATH, "nothing selected is a path"),
    (["layer1"], [], {}, NO_PATH, "a group that is no result of ours"),
    (["empty"], [], {}, NO_PATH, "a path with no points"),
    (["line"], [], {"QUENTARB_FAIL_CALL": "3"}, "QuenTarb could not complete the operation", "the plug-in's alert"),
    # (Not below 8: quentarb checks its own default --steps against the limit even with a gesture.)
    (["curve"], ["--max_steps=20"], {},
     "is over the limit of 20; raise it with \u201cLimit: drag events\u201d on the Document page",
     "a limit the gesture shows, with how to raise it here"),
    (["curve"], ["--tool=spiral", "--max_art=20"], {},
     "its limit; raise it with \u201cLimit: art objects\u201d on the Document page", "a limit reached mid-run"),
    (["line"], ["--fill=mauve"], {}, "--fill", "a bad value the program refuses"),
    (["line"], ["--tool=lasso"], {}, "\"lasso\" is not a tool", "an unknown tool"),
])
def test_errors_leave_the_document_alone(extension, ids, args, env, message, why):
    run = extension.run("letter.svg", ids, args, env)
    assert run.returncode != 0, why
    assert message in run.stderr, why
    assert run.stdout == b"", why
    assert "Traceback" not in run.stderr, why


def test_an_unreadable_record_is_an_error(extension, tmp_path):
    document = tmp_path / "broken.svg"
    document.write_text('<svg xmlns="http://www.w3.org/2000/svg" width="612pt" height="792pt" viewBox="0 0 612 792">'
                        '<g id="old" data-quentarb="{not json"/></svg>')
    run = extension.run(document, ["old"])
    assert run.returncode != 0 and "data-quentarb that cannot be read" in run.stderr and run.stdout == b""


@pytest.mark.parametrize("locator, message", [
    ({"program": "nowhere/quentarb", "module": "nowhere/ZU41_QuenTarb.so"}, "The quentarb program was not found"),
    (None, "The quentarb program was not found"),
])
def test_a_missing_engine_says_how_to_install_it(build, tmp_path, locator, message):
    # A copy of the extension whose engine is not where its locator says (or with no locator
    # and no quentarb on PATH).
    folder = tmp_path / "extension"
    shutil.copytree(build / "inkscape", folder)
    (folder / "quentarb_engine.json").unlink()
    if locator:
        (folder / "quentarb_engine.json").write_text(json.dumps(locator))
    run = Extension(folder, tmp_path).run("letter.svg", ["line"], env={"PATH": "/usr/bin:/bin"})
    assert run.returncode != 0 and message in run.stderr and "make inkscape" in run.stderr
    assert run.stdout == b""
