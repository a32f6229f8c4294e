"""A drawing's document: its JSON, its drawings, and its geometry as numpy arrays."""
import os
import warnings
from collections import namedtuple
from dataclasses import dataclass

import numpy

# A document colour: its kind ("rgb", "cmyk", "gray", ...) and its components.
Color = namedtuple("Color", "kind values")
# A group or envelope a path is in, when it has an opacity, a blend mode or tags of its own.
Group = namedtuple("Group", "opacity blend_mode blend_mode_name tags")


class DrawingWarning(UserWarning):
    """Something the command line says on standard error: a gesture that ended with the mouse
    down, art left out because its geometry is not finite."""


@dataclass(frozen=True, slots=True)
class Path:
    """One path as the exporters draw it (envelopes warped), in document points (y grows upwards)."""

    segments: numpy.ndarray  # (N, 6) float: anchor x, y; in-handle x, y; out-handle x, y
    corners: numpy.ndarray  # (N,) bool: the segment is a corner point
    closed: bool
    fill: tuple  # sRGB (r, g, b), each 0 to 1; None when the path is not filled
    stroke: tuple  # sRGB (r, g, b); None when it is not stroked
    fill_color: Color  # the fill in the document's colours; None when not filled
    stroke_color: Color  # None when not stroked
    stroke_width: float
    even_odd: bool
    opacity: float
    blend_mode: int  # 0 to 15
    blend_mode_name: str  # as CSS names it: "normal", "multiply", ...
    tags: dict
    layer: str
    groups: tuple  # the groups it is in, outermost first

    @property
    def anchors(self):
        """(N, 2): the anchor points."""
        return self.segments[:, 0:2]


def _paint(painted, kind, values, srgb):
    return (srgb, Color(kind, values)) if painted else (None, None)


class Document:
    """The document as it was when it was taken: `quentarb.draw()` gives the finished one,
    `Session.document()` the one of that moment. It does not change as the session goes on."""

    def __init__(self, snapshot, color_model):
        self._snapshot = snapshot
        self._color_model = color_model
        if snapshot.left_out:
            warnings.warn(f"left out {snapshot.left_out} object(s) whose geometry is not finite",
                          DrawingWarning, stacklevel=3)

    # ---- What the run said ----

    @property
    def results(self):
        """Every value the plug-in returned to the host, in order (0 is no error)."""
        return self._snapshot.results

    @property
    def alerts(self):
        """The texts of the alerts the plug-in showed."""
        return self._snapshot.alerts

    @property
    def failed(self):
        """True when the plug-in returned an error (the command line's exit status 1)."""
        return any(self._snapshot.results)

    @property
    def seed(self):
        return self._snapshot.seed

    @property
    def page(self):
        """(width, height) in points."""
        return self._snapshot.page

    @property
    def color_model(self):
        return self._color_model

    # ---- Formats, byte for byte as `quentarb draw` writes them ----

    def json(self):
        """The document as JSON text: what `quentarb draw --out -` writes."""
        return self._snapshot.json

    def svg(self):
        return self._snapshot.svg()

    def pdf(self):
        return self._snapshot.pdf()

    def png(self, scale=1):
        """The page on white at `scale` pixels per point."""
        return self._snapshot.png(float(scale))

    def save(self, path):
        """Writes .svg, .pdf, .png or .json by the extension, whole or not at all."""
        self._snapshot.save(os.fspath(path))

    # ---- Geometry ----

    def paths(self):
        """Every path in paint order (layers bottom to top, each back to front)."""
        segments, corners, offsets, meta = self._snapshot.paths()
        paths = []
        for i, (closed, even_odd, fill, stroke, width, opacity, blend, blend_name, tags, layer, groups) in enumerate(meta):
            first, last = offsets[i], offsets[i + 1]
            fill_srgb, fill_color = _paint(*fill)
            stroke_srgb, stroke_color = _paint(*stroke)
            paths.append(Path(segments[first:last], corners[first:last], closed, fill_srgb, stroke_srgb,
                              fill_color, stroke_color, width, even_odd, opacity, blend, blend_name, tags,
                              layer, tuple(Group(*g) for g in groups)))
        return paths

    def polylines(self, tolerance=0.1):
        """The paths of paths() flattened: one (K, 2) array each, no point of a curve farther
        than `tolerance` points from it; a closed path ends with its first point again."""
        points, offsets = self._snapshot.polylines(float(tolerance))
        return [points[offsets[i]:offsets[i + 1]] for i in range(len(offsets) - 1)]

    def __len__(self):
        return self._snapshot.path_count

    # ---- Notebooks ----

    def _repr_svg_(self):
        return self.svg()

    def _repr_png_(self):
        return self.png()

    def __repr__(self):
        width, height = self.page
        state = f", plug-in error {[r for r in self.results if r][0]}" if self.failed else ""
        return f"<quentarb.Document {len(self)} paths, {width:g} x {height:g} pt, seed {self.seed}{state}>"
