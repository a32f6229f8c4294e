"""The engine: the project's quentarb program, run with a gesture file.

quentarb_engine.json beside the script names the program and the plug-in module (paths
relative to the script's folder, or absolute). The build writes one naming the build's own
program; `make inkscape` installs a copy of both beside the script.
"""
import json
import os
import re
import shutil
import subprocess
import tempfile
from pathlib import Path

import inkex

HERE = Path(__file__).resolve().parent
LOCATOR = HERE / "quentarb_engine.json"
HOW_TO_INSTALL = ("build it with `make build` in the QuenTarb source tree, or install the "
                  "extension with its engine with `make inkscape`")


def locate():
    """The program and the module it should load (None: the program's own default)."""
    if LOCATOR.exists():
        found = json.loads(LOCATOR.read_text(encoding="utf-8"))
        program = HERE / found["program"]
        module = HERE / found["module"] if found.get("module") else None
    else:
        on_path = shutil.which("quentarb")
        program, module = (Path(on_path) if on_path else None), None
    if program is None or not os.access(program, os.X_OK):
        where = f" at {program}" if program else " (no quentarb_engine.json beside the script, none on PATH)"
        raise inkex.AbortExtension(f"The quentarb program was not found{where}: {HOW_TO_INSTALL}")
    if module is not None and not module.exists():
        raise inkex.AbortExtension(f"The QuenTarb plug-in module was not found at {module}: {HOW_TO_INSTALL}")
    return program, module


class EngineError(inkex.AbortExtension):
    """The program refused the input, the plug-in reported an error, or the run could not finish."""


def draw(gesture, document, limit_names):
    """Runs `quentarb draw --gesture` and returns the SVG it writes.

    `document` holds the command line's document flags (seed, page, colour model, ...);
    `limit_names` maps a limit's flag (--max-steps) to how the user raises it here.
    """
    program, module = locate()
    env = dict(os.environ)
    if module is not None:
        env["QUENTARB_MODULE"] = str(module)
    with tempfile.TemporaryDirectory(prefix="quentarb-") as tmp:
        gesture_file = Path(tmp) / "gesture.json"
        text = json.dumps({"events": gesture}, separators=(",", ":"))
        gesture_file.write_text(text, encoding="utf-8")
        out = Path(tmp) / "art.svg"
        # The gesture is ours: its size limit guards nothing here.
        args = [str(program), "draw", "--gesture", str(gesture_file), "--out", str(out),
                "--max-gesture-bytes", str(len(text.encode("utf-8")))] + document
        try:
            run = subprocess.run(args, env=env, capture_output=True, text=True, errors="replace")
        except OSError as error:
            raise inkex.AbortExtension(f"The quentarb program {program} could not run ({error}): {HOW_TO_INSTALL}")
        message = run.stderr.strip()
        if run.returncode < 0:
            raise EngineError(f"quentarb was stopped by signal {-run.returncode}")
        if run.returncode != 0:
            raise EngineError(_for_the_user(message, limit_names) or f"quentarb ended with status {run.returncode}")
        return out.read_bytes(), message


def _for_the_user(message, limit_names):
    """The program's message, with its flag for raising a limit as the user raises it here."""
    message = re.sub(r"^quentarb draw: ", "", message, flags=re.M)
    for flag, name in limit_names.items():
        message = message.replace(f"raise it with {flag}", f"raise it with {name}")
    return message
