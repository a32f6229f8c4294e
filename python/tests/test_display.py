"""What a notebook shows: the drawing as SVG and as PNG."""
import struct
import xml.etree.ElementTree as ElementTree

from conftest import quentarb

SVG = "{http://www.w3.org/2000/svg}"


def png_size(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    return struct.unpack(">II", data[16:24])


def test_a_notebook_shows_the_drawing_as_svg_and_png():
    doc = quentarb.draw(tool="spiral", page=(400, 300), start=(100, 100), end=(300, 200))
    root = ElementTree.fromstring(doc._repr_svg_())
    assert root.tag == SVG + "svg" and root.get("viewBox").split() == ["0", "0", "400", "300"]
    assert len(list(root.iter(SVG + "path"))) == len(doc) > 0
    assert png_size(doc._repr_png_()) == (400, 300)
    assert png_size(doc.png(scale=2.5)) == (1000, 750)
    assert doc.pdf()[:5] == b"%PDF-"
    assert repr(doc) == f"<quentarb.Document {len(doc)} paths, 400 x 300 pt, seed 1>"


def test_an_empty_document_still_shows():
    doc = quentarb.Session().document()
    assert len(doc) == 0 and doc.paths() == [] and doc.polylines() == []
    assert ElementTree.fromstring(doc._repr_svg_()).tag == SVG + "svg"
    assert png_size(doc._repr_png_()) == (612, 792)
