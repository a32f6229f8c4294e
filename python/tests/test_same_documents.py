"""Every document is byte for byte the one `quentarb draw` writes for the same inputs."""
import os
import warnings

import pytest

from conftest import QUENTARB, draw_json, golden_gestures, quentarb, replay, run_quentarb, write_gesture

GOLDEN = dict(golden_gestures().gestures())
# Every mode plain, with Trail on, styled (fill and stroke series, patterns, opacity, blend modes,
# pressure, placement beneath, line scaling) and with its own options (envelopes among them),
# three drags each with the keys held on some events; and Reset with a tool change between drags.
TABLE = sorted(stem for stem in GOLDEN if stem[3:].split("-")[-1] in
               ("plain", "trail", "styled", "styled2", "options") or stem == "99-reset")

DOWN, UP = {"type": "down", "at": [150, 160]}, {"type": "up"}


def drag_to(x, y, **more):
    return {"type": "drag", "at": [x, y], **more}


# Gestures of our own: undo and redo, Escape mid-drag, pressure with a pressure device, a
# gesture left with the mouse down.
OWN = {
    "redo-cancel": [{"type": "tool", "tool": "spiral"}, DOWN, drag_to(220, 230), UP,
                    {"type": "down", "at": [300, 300]}, drag_to(360, 380), UP, {"type": "undo"}, {"type": "undo"},
                    {"type": "redo"}, {"type": "down", "at": [400, 200]}, drag_to(450, 260), {"type": "cancel"},
                    {"type": "down", "at": [100, 500]}, drag_to(160, 560), UP],
    "undo": [{"type": "tool", "tool": "windmill"}, DOWN, drag_to(200, 210), drag_to(260, 230), UP,
             {"type": "down", "at": [300, 300]}, drag_to(340, 360), UP, {"type": "undo"},
             {"type": "down", "at": [100, 400]}, drag_to(180, 420, modifiers=0x20), UP],
    "pressure": [{"type": "set", "option": "pr_widthvalue", "value": 1},
                 {"type": "set", "option": "pr_opacityvalue", "value": True},
                 {"type": "tool", "tool": "scaledown"}, DOWN, drag_to(200, 210, pressure=30),
                 drag_to(260, 250, pressure=200), UP],
    "ends-down": [{"type": "tool", "tool": 8}, DOWN, drag_to(250, 260), drag_to(300, 300)],
}

# The same drawing as draw()'s arguments and as the command line's flags.
FLAGS = [
    (dict(tool="spiral", shape=4, set={"copiesvalue_8": 30, "closedpath": 1, "filloptions": 3},
          start=(200, 300), end=(420, 470)),
     ["--tool", "spiral", "--shape", "4", "--set", "copiesvalue_8=30", "--set", "closedpath=1",
      "--set", "filloptions=3", "--from", "200,300", "--to", "420,470"]),
    (dict(tool="grid", set={"horizontalcopiesvalue_0": 4, "rotatevalue_0": 12.5, "trailvalue_0": True},
          steps=3, modifiers=0x40, seed=99),
     ["--tool", "grid", "--set", "horizontalcopiesvalue_0=4", "--set", "rotatevalue_0=12.5",
      "--set", "trailvalue_0=true", "--steps", "3", "--modifiers", "0x40", "--seed", "99"]),
    (dict(tool="scaledown", set={"pr_widthvalue": 1}, pressure=60, pressure_device=True),
     ["--tool", "scaledown", "--set", "pr_widthvalue=1", "--pressure", "60", "--pressure-device"]),
    (dict(tool="windmill", color_model="cmyk", fill="cmyk(0,1,0,0)", stroke=(0, 0, 1, 0), stroke_width=2.5),
     ["--tool", "windmill", "--color-model", "cmyk", "--fill", "cmyk(0,1,0,0)", "--stroke", "cmyk(0,0,1,0)",
      "--stroke-width", "2.5"]),
    (dict(tool="framed", color_model="gray", page=(400, 300), view=(0, 300, 400, 0), start=(50, 60), end=(350, 250)),
     ["--tool", "framed", "--color-model", "gray", "--page", "400,300", "--view", "0,300,400,0",
      "--from", "50,60", "--to", "350,250"]),
    (dict(tool=10, fill=(1, 0.5, 0), stroke="none"),
     ["--tool", "10", "--fill", "rgb(1,0.5,0)", "--stroke", "none"]),
]


@pytest.mark.parametrize("stem", TABLE)
def test_every_golden_gesture(stem, tmp_path):
    events = GOLDEN[stem]["events"]
    path = write_gesture(tmp_path, events)
    expected = draw_json("--gesture", path, "--seed", 7)
    assert quentarb.draw(gesture=events, seed=7).json().encode() == expected


@pytest.mark.parametrize("name", sorted(OWN))
def test_own_gestures_as_events_and_as_a_file(name, tmp_path):
    path = write_gesture(tmp_path, OWN[name])
    expected = draw_json("--gesture", path, "--seed", 3)
    with warnings.catch_warnings(record=True) as said:
        warnings.simplefilter("always")
        assert quentarb.draw(gesture=OWN[name], seed=3).json().encode() == expected
        assert quentarb.draw(gesture=path, seed=3).json().encode() == expected
    # As the command line warns on standard error.
    assert [str(w.message) for w in said] == (
        ["warning: the gesture ends with the mouse down; the host sent the mouse-up"] * 2 if name == "ends-down" else [])


@pytest.mark.parametrize("arguments,flags", FLAGS, ids=[f[1][1] + "-" + str(i) for i, f in enumerate(FLAGS)])
def test_arguments_mean_the_flags_of_the_same_name(arguments, flags):
    assert quentarb.draw(**arguments).json().encode() == draw_json(*flags)


# Styled gestures for the drawings: blend modes and opacity, envelopes warped, Trail on (small
# ones: a PNG of many blended paths takes seconds).
FORMATS_TABLE = ["10-paint-styled", "01-drag-options", "05-windmill-styled2", "08-spiral-trail"]


@pytest.mark.parametrize("stem", FORMATS_TABLE)
def test_every_format_saved_and_in_memory(stem, tmp_path):
    events = GOLDEN[stem]["events"]
    gesture = write_gesture(tmp_path, events)
    doc = quentarb.draw(gesture=events, seed=1)
    in_memory = {"svg": doc.svg().encode(), "png": doc.png(), "pdf": doc.pdf(), "json": doc.json().encode()}
    for extension, data in in_memory.items():
        expected = tmp_path / f"cli.{extension}"
        status, _, err = run_quentarb("draw", "--gesture", gesture, "--seed", 1, "--out", expected)
        assert status == 0, err
        saved = tmp_path / f"saved.{extension}"
        doc.save(saved)
        assert saved.read_bytes() == expected.read_bytes(), extension
        assert data == expected.read_bytes(), extension
    assert sorted(p.name for p in tmp_path.iterdir()) == sorted(
        ["g.json"] + [f"{who}.{e}" for who in ("cli", "saved") for e in in_memory]), "no temporary file is left"


@pytest.mark.parametrize("events", [GOLDEN["02-zoom-styled"]["events"], GOLDEN["06-scaledown-options"]["events"],
                                    GOLDEN["99-reset"]["events"], OWN["undo"], OWN["redo-cancel"]],
                         ids=["zoom", "scaledown", "reset", "undo", "redo-cancel"])
def test_a_session_gives_the_document_of_its_gesture(events, tmp_path):
    doc = replay(quentarb.Session(seed=5), events).document()
    assert doc.json().encode() == draw_json("--gesture", write_gesture(tmp_path, events), "--seed", 5)


def test_a_plugin_error_is_in_the_document_as_on_the_command_line(monkeypatch):
    # The host fails its 20th call from the first drag on: the plug-in reports it with an alert.
    env = dict(os.environ, QUENTARB_FAIL_CALL="20")
    status, expected, err = run_quentarb("draw", "--tool", "spiral", "--out", "-", env=env)
    assert status == 1
    monkeypatch.setenv("QUENTARB_FAIL_CALL", "20")
    doc = quentarb.draw(tool="spiral")
    assert doc.json().encode() == expected
    assert doc.failed and any(doc.results)
    assert doc.alerts and [a + "\n" for a in doc.alerts] == err.splitlines(keepends=True)


def test_the_package_uses_the_module_of_its_own_build():
    module = QUENTARB.parent / "python" / "quentarb" / "ZU41_QuenTarb.so"
    assert module.read_bytes() == (QUENTARB.parent / "ZU41_QuenTarb.so").read_bytes()
