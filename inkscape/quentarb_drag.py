"""A selected path as a drag: document points, flattened curves, the drag events.

The host's points have v growing upwards from the page's bottom-left corner; the page is the
document's size in points. User units, with the path's own transform and its parents', map to
points through the document's scale, so in a 612pt x 792pt document whose viewBox is
0 0 612 792 one user unit is one point and only v flips, as in our SVG export.
"""
import math

import inkex
from inkex.bezier import cspsubdiv
from inkex.units import convert_unit

# Curves are flattened until no control point strays farther than this from its chord.
FLATNESS_PT = 0.1


class Page:
    """The document's page in points and the map between its user units and points."""

    def __init__(self, svg):
        x, y, width, height = svg.get_viewbox()
        if not width or not height:  # no viewBox: one user unit is one CSS pixel
            x, y = 0.0, 0.0
            width, height = svg.viewport_width, svg.viewport_height
        if not width or not height:
            raise inkex.AbortExtension("The document has no size: give it a width and height or a viewBox")
        self.width = self._points(svg.get("width"), width)
        self.height = self._points(svg.get("height"), height)
        sx, sy = self.width / width, self.height / height
        # h = (u - x) sx, v = height - (w - y) sy
        self.to_points = inkex.Transform(((sx, 0, -x * sx), (0, -sy, self.height + y * sy)))
        # Our SVG export writes (h, height - v): back to user units.
        self.from_export = inkex.Transform(((1 / sx, 0, x), (0, 1 / sy, y)))

    @staticmethod
    def _points(attribute, user_units):
        """A width or height attribute in points; none (or a percentage) is the viewBox in px."""
        if attribute and not attribute.strip().endswith("%"):
            points = convert_unit(attribute, "pt")
            if points > 0:
                return points
        return convert_unit(f"{user_units}px", "pt")


def flattened_points(element, page):
    """The path's nodes in document points, curves flattened, subpaths one after another.

    A node that repeats the one before it (a closing segment back to a node already there)
    adds no movement and is left out.
    """
    transform = page.to_points @ element.composed_transform()
    csp = element.path.to_superpath()
    moved = [[[list(transform.apply_to_point(p)) for p in node] for node in sub] for sub in csp]
    cspsubdiv(moved, FLATNESS_PT)
    points = []
    for sub in moved:
        for _, p, _ in sub:
            if not points or points[-1] != (p[0], p[1]):
                points.append((p[0], p[1]))
    return points


def evenly_spaced(points, steps):
    """`steps` points spaced evenly by length along the polyline, the last exactly at its end."""
    lengths = [math.dist(a, b) for a, b in zip(points, points[1:])]
    total = sum(lengths)
    out = []
    segment, walked = 0, 0.0
    for i in range(1, steps):
        target = total * i / steps
        while segment < len(lengths) - 1 and walked + lengths[segment] < target:
            walked += lengths[segment]
            segment += 1
        if not lengths or lengths[segment] == 0:
            out.append(points[segment])
            continue
        t = min(max((target - walked) / lengths[segment], 0.0), 1.0)
        a, b = points[segment], points[segment + 1]
        out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
    out.append(points[-1])
    return out


def drag_events(points, choice, steps, modifiers):
    """A down at the first point, a drag at each following one, an up at the end."""
    drags = points[1:] if choice == "nodes" else evenly_spaced(points, steps)
    events = [{"type": "down", "at": list(points[0])}]
    for p in drags:
        event = {"type": "drag", "at": list(p)}
        if modifiers:
            event["modifiers"] = modifiers
        events.append(event)
    events.append({"type": "up"})
    return events
