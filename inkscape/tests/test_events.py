"""The selected path as drag events: its nodes with curves flattened, or N evenly spaced."""
import math

import pytest

from conftest import points_of, the_result

# The fixture's curve, M 100 300 C 200 100 300 500 420 320, in points (v = 792 - y).
CURVE = [(100, 492), (200, 692), (300, 292), (420, 472)]


def bezier(t):
    a, b, c, d = CURVE
    s = 1 - t
    return tuple(s ** 3 * a[i] + 3 * s * s * t * b[i] + 3 * s * t * t * c[i] + t ** 3 * d[i] for i in range(2))


def distance_to_curve(p, samples=4000):
    return min(math.dist(p, bezier(i / samples)) for i in range(samples + 1))


def arc_length_point(fraction, samples=20000):
    """The curve's point at this fraction of its length, measured finely."""
    points = [bezier(i / samples) for i in range(samples + 1)]
    lengths = [math.dist(a, b) for a, b in zip(points, points[1:])]
    target, walked = sum(lengths) * fraction, 0.0
    for i, length in enumerate(lengths):
        if walked + length >= target:
            return points[i]
        walked += length
    return points[-1]


def test_nodes_follow_the_flattened_curve(extension):
    _, made = the_result(extension.draw("letter.svg", ["curve"], ["--tool=drag"]))
    types = [e["type"] for e in made["events"]]
    assert types[0] == "down" and types[-1] == "up" and set(types[1:-1]) == {"drag"}
    points = points_of(made)
    assert points[0] == CURVE[0] and points[-1] == pytest.approx(CURVE[-1])
    assert len(points) > 10, "the curve was not flattened"
    assert max(distance_to_curve(p) for p in points) < 0.1
    # Flat enough: no chord strays from the curve by more than the flatness.
    for a, b in zip(points, points[1:]):
        middle = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
        assert distance_to_curve(middle) < 0.15


def test_nodes_of_a_polyline_are_its_own(extension, tmp_path):
    document = tmp_path / "zigzag.svg"
    document.write_text('<svg xmlns="http://www.w3.org/2000/svg" width="612pt" height="792pt" viewBox="0 0 612 792">'
                        '<path id="z" d="M 10 10 L 50 10 L 50 50 Z"/></svg>')
    _, made = the_result(extension.draw(document, ["z"], ["--tool=drag"]))
    # Closed: the drag comes back to its start.
    assert points_of(made) == [(10, 782), (50, 782), (50, 742), (10, 782)]


@pytest.mark.parametrize("steps", [1, 7, 40])
def test_even_events_are_spaced_by_length_and_end_at_the_end(extension, steps):
    _, made = the_result(extension.draw("letter.svg", ["curve"], ["--tool=drag", "--events=even", f"--steps={steps}"]))
    points = points_of(made)
    assert len(points) == steps + 1
    assert points[0] == CURVE[0] and points[-1] == CURVE[-1]
    for i, p in enumerate(points[1:-1], start=1):
        assert math.dist(p, arc_length_point(i / steps)) < 0.5


def test_events_carry_no_modifiers_and_full_pressure_unless_asked(extension):
    _, plain = the_result(extension.draw("letter.svg", ["line"], ["--tool=drag"]))
    assert all(set(e) <= {"type", "at"} for e in plain["events"])
    _, held = the_result(extension.draw("letter.svg", ["line"], ["--tool=drag", "--modifiers=544"]))
    assert [e.get("modifiers") for e in held["events"] if e["type"] == "drag"] == [0x220]
