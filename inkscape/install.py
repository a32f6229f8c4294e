#!/usr/bin/python3
"""Copies the built extension, with the engine it runs, into Inkscape's extensions folder.

    install.py BUILD_DIR [--dest FOLDER]

The copy is self-contained: the quentarb program, the plug-in module and the module's
resource file go into engine/ beside the script, and the script's quentarb_engine.json
names them relative to it, so Inkscape finds everything without a PATH change. The
default FOLDER is the user's: $INKSCAPE_PROFILE_DIR/extensions/quentarb, else
${XDG_CONFIG_HOME:-~/.config}/inkscape/extensions/quentarb. An earlier copy is replaced whole.
"""
import argparse
import json
import os
import shutil
import sys
import tempfile
from pathlib import Path


def user_extensions():
    profile = os.environ.get("INKSCAPE_PROFILE_DIR")
    if profile:
        return Path(profile) / "extensions"
    config = os.environ.get("XDG_CONFIG_HOME") or Path.home() / ".config"
    return Path(config) / "inkscape" / "extensions"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", type=Path, help="the build folder (build/default)")
    parser.add_argument("--dest", type=Path, help="where the extension goes")
    args = parser.parse_args()
    built = args.build.resolve() / "inkscape"
    locator = built / "quentarb_engine.json"
    if not locator.exists():
        sys.exit(f"install.py: {built} holds no built extension: run `make build` first")
    engine = json.loads(locator.read_text(encoding="utf-8"))
    program, module = built / engine["program"], built / engine["module"]
    # The host reads the module's resources from the file beside it, named after it.
    resources = module.with_suffix(".rsrc")
    dest = (args.dest or user_extensions() / "quentarb").resolve()
    dest.parent.mkdir(parents=True, exist_ok=True)

    staging = Path(tempfile.mkdtemp(prefix=".quentarb-", dir=dest.parent))
    try:
        for item in built.iterdir():
            if item.suffix in (".inx", ".py"):
                shutil.copy2(item, staging / item.name)
        (staging / "engine").mkdir()
        for part in (program, module, resources):
            shutil.copy2(part, staging / "engine" / part.name)
        (staging / "quentarb_engine.json").write_text(
            json.dumps({"program": f"engine/{program.name}", "module": f"engine/{module.name}"}) + "\n",
            encoding="utf-8")
        staging.chmod(0o755)
        old = None
        if dest.exists():
            old = Path(tempfile.mkdtemp(prefix=".quentarb-old-", dir=dest.parent))
            dest.rename(old / "quentarb")
        staging.rename(dest)
        if old:
            shutil.rmtree(old)
    except BaseException:
        shutil.rmtree(staging, ignore_errors=True)
        raise
    print(f"installed the QuenTarb extension in {dest} (Extensions > Generate from Path > QuenTarb)")


if __name__ == "__main__":
    main()
