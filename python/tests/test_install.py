"""pip builds and installs the package from the source tree, and it imports from anywhere."""
import os
import subprocess
import sys

import pytest

from conftest import REPO, draw_json

SCRIPT = """
import sys, quentarb
print(quentarb.__file__)
sys.stdout.write(quentarb.draw(tool="spiral", seed=4).json())
"""


@pytest.mark.skipif(os.environ.get("QUENTARB_SKIP_INSTALL_TEST") == "1", reason="QUENTARB_SKIP_INSTALL_TEST=1")
def test_pip_installs_into_a_venv_and_the_package_imports_outside_the_source_tree(tmp_path):
    venv = tmp_path / "venv"
    subprocess.run(["/usr/bin/python3", "-m", "venv", "--system-site-packages", str(venv)], check=True)
    python = str(venv / "bin" / "python")
    # Nothing downloaded: numpy, setuptools and pybind11 are Debian's.
    env = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
    subprocess.run([python, "-m", "pip", "install", "--no-build-isolation", "--no-index", str(REPO)],
                   check=True, env=env, cwd=tmp_path, timeout=3600)
    outside = tmp_path / "elsewhere"
    outside.mkdir()
    done = subprocess.run([python, "-c", SCRIPT], capture_output=True, env=env, cwd=outside, timeout=600)
    assert done.returncode == 0, done.stderr.decode()
    where, document = done.stdout.split(b"\n", 1)
    assert where.decode().startswith(str(venv)), where
    assert document == draw_json("--tool", "spiral", "--seed", "4")
