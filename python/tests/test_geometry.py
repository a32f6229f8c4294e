"""paths() and polylines(): the geometry the exporters draw, as numpy arrays."""
import json
import re
import xml.etree.ElementTree as ElementTree

import numpy
import pytest

from conftest import golden_gestures, quentarb

GOLDEN = dict(golden_gestures().gestures())
f32 = numpy.float32


def json_paths(doc):
    """Every path of the JSON in paint order, with its layer and the containers it is in."""
    found = []

    def walk(art, layer, containers):
        for a in art:
            if a["type"] == "path":
                found.append((a, layer, containers))
            else:
                walk(a["contents"], layer, containers + [a])

    for layer in json.loads(doc.json())["layers"]:
        walk(layer["art"], layer["name"], [])
    return found


@pytest.mark.parametrize("stem", ["00-grid-styled", "05-windmill-styled2", "09-checkerboard-options", "99-reset"])
def test_paths_are_the_documents_paths_in_paint_order(stem):
    doc = quentarb.draw(gesture=GOLDEN[stem]["events"], seed=4)
    paths, expected = doc.paths(), json_paths(doc)
    assert len(paths) == len(expected) == len(doc) > 0
    assert not any(c["type"] == "envelope" for _, _, cs in expected for c in cs), "no envelope: nothing warped"
    for path, (art, layer, containers) in zip(paths, expected):
        segments = numpy.array([s[:6] for s in art["segments"]], dtype=f32).reshape(-1, 6)
        assert path.segments.shape == segments.shape and path.segments.dtype == numpy.float64
        assert (path.segments.astype(f32) == segments).all()
        assert path.corners.tolist() == [s[6] for s in art["segments"]]
        assert path.closed == art["closed"] and path.layer == layer
        for ours, theirs in ((path.fill_color, art["fill"]), (path.stroke_color, art["stroke"])):
            if not theirs["paint"]:
                assert ours is None
            else:
                assert ours.kind == theirs["color"]["kind"]
                assert [f32(v) for v in ours.values] == [f32(v) for v in theirs["color"]["values"]]
        if path.fill_color is not None and path.fill_color.kind == "rgb":
            assert path.fill == path.fill_color.values
        assert (path.fill is None) == (path.fill_color is None)
        assert f32(path.stroke_width) == f32(art["strokeWidth"])
        assert f32(path.opacity) == f32(art["opacity"]) and path.blend_mode == art["blendMode"]
        assert path.tags == art["tags"]
        assert [(f32(g.opacity), g.blend_mode, g.tags) for g in path.groups] == [
            (f32(c["opacity"]), c["blendMode"], c["tags"]) for c in containers]


def svg_path_numbers(doc):
    """The numbers of every path's data in the SVG, in paint order."""
    root = ElementTree.fromstring(doc.svg())
    return [[float(n) for n in re.findall(r"-?[\d.]+(?:e[-+]?\d+)?", e.get("d"))]
            for e in root.iter("{http://www.w3.org/2000/svg}path")]


def test_envelopes_are_warped_as_the_exporters_draw_them():
    doc = quentarb.draw(gesture=GOLDEN["01-drag-options"]["events"], seed=1)
    assert any(c["type"] == "envelope" for _, _, cs in json_paths(doc) for c in cs)
    height = doc.page[1]
    drawn = svg_path_numbers(doc)
    paths = doc.paths()
    assert len(paths) == len(drawn)
    warped = 0
    for path, (art, _, _), numbers in zip(paths, json_paths(doc), drawn):
        s = path.segments
        # M anchor, then C out-handle, in-handle, anchor for each curve; y as SVG has it (down).
        ours = [s[0, 0], height - s[0, 1]]
        n = len(s)
        for i in range(n if path.closed else n - 1):
            a, b = s[i], s[(i + 1) % n]
            ours += [a[4], height - a[5], b[2], height - b[3], b[0], height - b[1]]
        assert [f32(v) for v in ours] == [f32(v) for v in numbers]
        warped += not numpy.array_equal(s.astype(f32), numpy.array([x[:6] for x in art["segments"]], dtype=f32))
    assert warped > 0, "the envelopes' contents moved"


def bezier(p0, c1, c2, p1, t):
    t = t[:, None]
    u = 1 - t
    return u**3 * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t**3 * p1


def distance_to_polyline(points, line):
    a, b = line[:-1], line[1:]
    ab = b - a
    length2 = numpy.maximum((ab**2).sum(axis=1), 1e-300)
    t = numpy.clip(((points[:, None, :] - a) * ab).sum(axis=2) / length2, 0, 1)
    nearest = a + t[..., None] * ab
    return numpy.sqrt(((points[:, None, :] - nearest) ** 2).sum(axis=2)).min(axis=1)


@pytest.mark.parametrize("tolerance", [1.0, 0.1, 0.01])
def test_polylines_stay_within_the_tolerance_of_the_curves(tolerance):
    # Curved line 1, closed: every segment a curve.
    doc = quentarb.draw(tool="windmill", shape=4, set={"closedpath": 1}, start=(150, 200), end=(400, 420))
    paths, lines = doc.paths(), doc.polylines(tolerance)
    assert len(lines) == len(paths) > 0
    curved = 0
    for path, line in zip(paths, lines):
        s = path.segments
        assert line.shape[1] == 2 and (line[0] == s[0, 0:2]).all()
        if path.closed:
            assert (line[-1] == line[0]).all()
        n = len(s)
        for i in range(n if path.closed else n - 1):
            a, b = s[i], s[(i + 1) % n]
            samples = bezier(a[0:2], a[4:6], b[2:4], b[0:2], numpy.linspace(0, 1, 101))
            assert distance_to_polyline(samples, line).max() <= tolerance * 1.0001
            curved += not ((a[4:6] == a[0:2]).all() and (b[2:4] == b[0:2]).all())
    assert curved > 0


def test_polylines_of_straight_paths_are_their_anchors():
    doc = quentarb.draw(tool="grid")
    for path, line in zip(doc.paths(), doc.polylines()):
        expected = path.anchors
        if path.closed:
            expected = numpy.vstack([expected, expected[:1]])
        assert numpy.array_equal(line, expected)


def test_a_finer_tolerance_gives_more_points_and_a_bad_one_is_refused():
    doc = quentarb.draw(tool="spiral", shape=5)
    coarse, fine = doc.polylines(1.0), doc.polylines(0.01)
    assert sum(map(len, fine)) > sum(map(len, coarse))
    for bad in (0, -1, float("nan")):
        with pytest.raises(ValueError, match="tolerance"):
            doc.polylines(bad)
