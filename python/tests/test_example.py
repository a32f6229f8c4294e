"""examples/variations.py: sixteen seeds of one gesture on one contact sheet."""
import os
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from conftest import BUILD, REPO, quentarb

SVG = "{http://www.w3.org/2000/svg}"


def test_the_contact_sheet_holds_sixteen_captioned_variants(tmp_path):
    out = tmp_path / "sheet.svg"
    env = dict(os.environ, PYTHONPATH=str(BUILD / "python"))
    subprocess.run([sys.executable, str(REPO / "examples" / "variations.py"), str(out)], check=True, env=env,
                   timeout=600)
    root = ElementTree.parse(out).getroot()
    cells = [e for e in root if e.tag == SVG + "svg"]
    captions = [e.text for e in root if e.tag == SVG + "text"]
    assert captions == [f"seed {s}" for s in range(1, 17)]
    assert [c.get("data-seed") for c in cells] == [str(s) for s in range(1, 17)]
    # Each cell is that seed's drawing, and the seeds drew differently.
    sys.path.insert(0, str(REPO / "examples"))
    import variations

    for seed in (1, 16):
        expected = ElementTree.fromstring(quentarb.draw(gesture=variations.GESTURE, seed=seed).svg())
        assert [p.get("d") for p in cells[seed - 1].iter(SVG + "path")] == [p.get("d") for p in expected.iter(SVG + "path")]
    assert len({tuple(p.get("d") for p in c.iter(SVG + "path")) for c in cells}) == 16
