"""The package of the build under test and the command line of the same build.

QUENTARB_BUILD names the build folder (default build/default): its python/ folder holds the
package, its quentarb program the command line every document is compared with.
"""
import importlib.util
import json
import os
import subprocess
import sys
from pathlib import Path

import pytest

REPO = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("QUENTARB_BUILD", REPO / "build" / "default")).resolve()
sys.path.insert(0, str(BUILD / "python"))

import quentarb  # noqa: E402  (the build's package, found above)

QUENTARB = BUILD / "quentarb"


def run_quentarb(*args, env=None):
    """`quentarb ARGS...`: its exit status, standard output (bytes) and standard error (text)."""
    done = subprocess.run([str(QUENTARB), *map(str, args)], capture_output=True, env=env, timeout=600)
    return done.returncode, done.stdout, done.stderr.decode()


def draw_json(*args, env=None):
    """`quentarb draw ARGS... --out -`, which must succeed or report a plug-in error."""
    status, out, err = run_quentarb("draw", *args, "--out", "-", env=env)
    assert status in (0, 1), err
    return out


def cli_message(*args):
    """The one line `quentarb draw ARGS...` prints for a bad argument, without its prefix."""
    status, out, err = run_quentarb("draw", *args)
    assert status in (2, 3) and out == b"", err
    prefix = "quentarb draw: "
    assert err.startswith(prefix) and err.count("\n") == 1, err
    return err[len(prefix):-1]


def write_gesture(folder, events, name="g.json"):
    path = Path(folder) / name
    path.write_text(json.dumps({"events": events}))
    return path


def golden_gestures():
    """The fixed gesture set the golden check replays (tests/golden/gestures.py)."""
    spec = importlib.util.spec_from_file_location("golden_gestures", REPO / "tests" / "golden" / "gestures.py")
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def replay(session, events):
    """A gesture's events through a Session, one call each."""
    for e in events:
        kind = e["type"]
        if kind == "down":
            session.down(*e["at"])
        elif kind == "drag":
            session.drag(*e["at"], pressure=e.get("pressure", 255), modifiers=e.get("modifiers", 0))
        elif kind == "up":
            session.up()
        elif kind == "set":
            session.set(e["option"], e["value"])
        elif kind == "tool":
            session.tool(e["tool"])
        elif kind == "shape":
            session.shape(e["shape"])
        elif kind == "reset":
            session.reset()
        elif kind == "undo":
            session.undo()
        elif kind == "redo":
            session.redo()
        elif kind == "cancel":
            session.cancel()
    return session


@pytest.fixture(scope="session")
def golden():
    return golden_gestures()
