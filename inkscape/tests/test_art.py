"""The art the extension inserts is what `quentarb draw` draws for the same drag."""

import inkex
import pytest

from conftest import SVG, exported_art, group_art, points_of, the_result

def flat(points):
    return [c for p in points for c in p]


def composed(element):
    """The transform from an element's own user units to the document's."""
    transform = inkex.Transform()
    for node in reversed(list(element.iterancestors())):
        transform = transform @ inkex.Transform(node.get("transform"))
    return transform @ inkex.Transform(element.get("transform"))


def test_every_mode_draws_as_the_command_line(extension, program, tool):
    # Ten events evenly along a straight path are --from, --to and --steps 10: no gesture of
    # ours stands between the two runs.
    root = extension.draw("letter.svg", ["line"], [f"--tool={tool}", "--events=even", "--steps=10"])
    group, made = the_result(root)
    expected = program.draw("--tool", tool, "--from", "100,492", "--to", "400,372", "--steps", "10")
    assert group_art(group) == exported_art(expected)
    assert group_art(group), "the mode drew nothing"
    assert group.get("{http://www.inkscape.org/namespaces/inkscape}label") == f"QuenTarb: {tool}"
    assert made["tool"] == tool and made["seed"] == 1 and made["options"] == {}


@pytest.mark.parametrize("args, draw_args, why", [
    (["--tool=spiral", "--copiesvalue_8=30", "--trailvalue_8=true"],
     ["--tool", "spiral", "--set", "copiesvalue_8=30", "--set", "trailvalue_8=1"], "Trail on keeps every event's art"),
    (["--tool=8", "--shape=4", "--closedpath=true", "--filloptions=3", "--seed=7"],
     ["--tool", "spiral", "--shape", "4", "--set", "closedpath=1", "--set", "filloptions=3", "--seed", "7"],
     "a tool by number, a shape, a popup, random colours from the seed"),
    (["--tool=windmill", "--layer=true", "--copiesvalue_5=6"],
     ["--tool", "windmill", "--set", "layer=1", "--set", "copiesvalue_5=6"], "layers become groups"),
    (["--tool=scaledown", "--envelopevalue_6=true", "--blend=true", "--opacity=true"],
     ["--tool", "scaledown", "--set", "envelopevalue_6=1", "--set", "blend=1", "--set", "opacity=1"],
     "warped envelopes, blend modes and opacity as the export writes them"),
    (["--tool=drag", "--color_model=cmyk", "--fill=cmyk(0.1,0.2,0.3,0)", "--stroke=none", "--stroke_width=3"],
     ["--tool", "drag", "--color-model", "cmyk", "--fill", "cmyk(0.1,0.2,0.3,0)", "--stroke", "none",
      "--stroke-width", "3"], "the Document page's colour model and new art's style"),
    (["--tool=drag", "--modifiers=0x20"], ["--tool", "drag", "--modifiers", "0x20"], "modifier bits on every event"),
])
def test_options_reach_the_plugin(extension, program, args, draw_args, why):
    root = extension.draw("letter.svg", ["line"], args + ["--events=even", "--steps=6"])
    group, made = the_result(root)
    expected = program.draw(*draw_args, "--from", "100,492", "--to", "400,372", "--steps", "6")
    assert group_art(group) == exported_art(expected), why
    assert group_art(group) == exported_art(program.replay(made)), "data-quentarb redraws it"


def test_trail_keeps_more_art_than_no_trail(extension):
    def paths(args):
        group, _ = the_result(extension.draw("letter.svg", ["curve"], ["--tool=spiral"] + args))
        return len(group.findall(f".//{SVG}path"))

    assert paths(["--trailvalue_8=true"]) > paths(["--trailvalue_8=false"]) > 0


def test_the_record_redraws_the_same_art(extension, program):
    root = extension.draw("letter.svg", ["curve"], ["--tool=spiral", "--copiesvalue_8=30", "--seed=3",
                                                    "--rotatevalue_8=12.5", "--stroke=#ff0000"])
    group, made = the_result(root)
    assert made["options"] == {"copiesvalue_8": 30, "rotatevalue_8": 12.5}
    assert made["seed"] == 3 and made["stroke"] == "#ff0000" and made["page"] == [612, 792]
    assert group_art(group) == exported_art(program.replay(made))


def test_several_paths_are_drags_in_paint_order(extension, program):
    # Given topmost first, drawn bottom first; the group stands above the topmost.
    root = extension.draw("letter.svg", ["upper", "line"], ["--tool=drag"])
    group, made = the_result(root)
    assert points_of(made) == [(100, 492), (400, 372), (300, 192), (500, 142)]
    assert [e["type"] for e in made["events"]] == ["down", "drag", "up", "down", "drag", "up"]
    assert group.getprevious().get("id") == "upper"
    assert group_art(group) == exported_art(program.replay(made))


@pytest.mark.parametrize("document, ident, events, transform, why", [
    ("letter.svg", "line", [(100, 492), (400, 372)], inkex.Transform(),
     "points: one user unit is one point, v flipped, as our export"),
    ("transformed.svg", "turned", [(100, 592), (100, 492)], inkex.Transform(),
     "the path's own transform and its group's apply; the art is where the path was drawn"),
    ("a4mm.svg", "line", [(10 * 72 / 25.4, 277 * 72 / 25.4), (110 * 72 / 25.4, 277 * 72 / 25.4)],
     inkex.Transform(scale=25.4 / 72), "millimetres: the document's scale"),
    ("offset.svg", "line", [(50, 742), (200, 742)], inkex.Transform(translate=(100, 50)),
     "the viewBox's origin is the page's top-left corner"),
])
def test_user_units_become_points_and_back(extension, program, document, ident, events, transform, why):
    root = extension.draw(document, [ident], ["--tool=drag"])
    group, made = the_result(root)
    assert flat(points_of(made)) == pytest.approx(flat(events), abs=1e-9), why
    a4 = [210 * 72 / 25.4, 297 * 72 / 25.4]
    assert made["page"] == pytest.approx(a4 if document == "a4mm.svg" else [612, 792]), why
    # The group's transform and its parents' take the export's coordinates to the document's.
    assert list(composed(group).to_hexad()) == pytest.approx(list(transform.to_hexad())), why
    assert group.getparent() is root.find(f".//*[@id='{ident}']").getparent()
    assert group_art(group) == exported_art(program.replay(made))


def test_the_group_stands_just_above_its_path(extension):
    root = extension.draw("letter.svg", ["line"], [])
    group, _ = the_result(root)
    assert group.getprevious().get("id") == "line"
    assert group.getnext().get("id") == "curve"
