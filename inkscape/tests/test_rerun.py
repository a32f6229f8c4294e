"""A result group run again is replaced, starting from its settings; the source path's fate."""
import inkex
import pytest
from lxml import etree

from conftest import SVG, exported_art, group_art, result_groups, the_result


def test_a_rerun_replaces_its_group_from_its_settings(extension, program, tmp_path):
    first = tmp_path / "first.svg"
    run = extension.run("letter.svg", ["curve"], ["--tool=spiral", "--copiesvalue_8=30", "--seed=5"])
    assert run.returncode == 0, run.stderr
    drawn = etree.fromstring(run.stdout)
    old, made = the_result(drawn)
    old.set("transform", "translate(10,20)")  # moved by the user since
    first.write_bytes(etree.tostring(drawn))
    root = extension.draw(first, [old.get("id")], ["--copiesvalue_8=12"])
    group, remade = the_result(root)
    assert group.get("id") == old.get("id")
    assert remade["tool"] == "spiral" and remade["seed"] == 5, "what the run was not given comes from the group"
    assert remade["options"] == {"copiesvalue_8": 12}
    assert remade["events"] == made["events"]
    assert root.find(f".//*[@id='curve']") is not None
    assert group.getprevious().get("id") == "curve", "the new group stands where the old one stood"
    assert inkex.Transform(group.get("transform")) == inkex.Transform("translate(10,20)")
    assert group_art(group) == exported_art(program.replay(remade))


@pytest.mark.parametrize("source, present, display", [("keep", True, None), ("hide", True, "none"),
                                                      ("delete", False, None)])
def test_the_source_path_is_kept_hidden_or_deleted(extension, source, present, display):
    root = extension.draw("letter.svg", ["line"], [f"--source={source}"])
    path = root.find(f".//{SVG}path[@id='line']")
    assert (path is not None) == present
    if present:
        assert ("display:none" in (path.get("style") or "")) == (display == "none")
    assert len(result_groups(root)) == 1
