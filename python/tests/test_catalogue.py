"""The option catalogue and the names of the modes and line types."""
import json

import pytest

from conftest import run_quentarb, quentarb


@pytest.mark.parametrize("tool", [None, "spiral", "12"])
def test_options_are_what_the_command_line_lists(tool):
    flags = ["options", "--json"] + (["--tool", tool] if tool else [])
    status, out, err = run_quentarb(*flags)
    assert status == 0, err
    ours = quentarb.options(tool)
    # The same values of the same JSON types (a float option's whole default stays an int).
    assert json.dumps(ours) == json.dumps(json.loads(out))


def test_a_mode_by_number_is_the_mode_by_name():
    assert quentarb.options(12) == quentarb.options("background")


def test_tools_and_shapes_are_named():
    assert quentarb.TOOLS[0] == "grid" and quentarb.TOOLS[12] == "background" and len(quentarb.TOOLS) == 13
    assert len(quentarb.SHAPES) == 24 and quentarb.SHAPES[0] == "Default single line"
    assert not any(quentarb.draw(tool=name).failed for name in quentarb.TOOLS)
    with pytest.raises(ValueError, match="'lasso' is not a tool"):
        quentarb.options("lasso")
