"""Errors as Python users expect them, with the command line's messages."""
import os
import subprocess
import sys
import textwrap

import pytest

from conftest import BUILD, cli_message, quentarb, run_quentarb, write_gesture

DOWN, UP = {"type": "down", "at": [100, 100]}, {"type": "up"}

# A bad argument: draw()'s arguments, the same as the command line's flags.
BAD = [
    (dict(set={"nosuchoption": 1}), ["--set", "nosuchoption=1"]),
    (dict(set={"copiesvalue_8": "abc"}), ["--set", "copiesvalue_8=abc"]),
    (dict(set={"rotatevalue_0": "1.5.2"}), ["--set", "rotatevalue_0=1.5.2"]),
    (dict(set={"trailvalue_0": "maybe"}), ["--set", "trailvalue_0=maybe"]),
    (dict(set={"patternoptions": 58}), ["--set", "patternoptions=58"]),
    (dict(start=("a", 2)), ["--from", "a,2"]),
    (dict(end=(1, 2, 3)), ["--to", "1,2,3"]),
    (dict(tool="lasso"), ["--tool", "lasso"]),
    (dict(shape=24), ["--shape", "24"]),
    (dict(shape=2**40), ["--shape", str(2**40)]),
    (dict(steps=0), ["--steps", "0"]),
    (dict(pressure=256), ["--pressure", "256"]),
    (dict(seed=-1), ["--seed", "-1"]),
    (dict(seed=2**70), ["--seed", str(2**70)]),
    (dict(page=(0, 100)), ["--page", "0,100"]),
    (dict(view=(10, 0, 0, 10)), ["--view", "10,0,0,10"]),
    (dict(color_model="hsv"), ["--color-model", "hsv"]),
    (dict(fill="rgb(2,0,0)"), ["--fill", "rgb(2,0,0)"]),
    (dict(stroke_width=-1), ["--stroke-width", "-1"]),
    (dict(stroke_width=float("nan")), ["--stroke-width", "nan"]),
    (dict(modifiers="12z"), ["--modifiers", "12z"]),
]


@pytest.mark.parametrize("arguments,flags", BAD, ids=[" ".join(f) for _, f in BAD])
def test_a_bad_argument_is_a_value_error_with_the_command_lines_message(arguments, flags):
    with pytest.raises(ValueError) as raised:
        quentarb.draw(**arguments)
    assert str(raised.value) == cli_message(*flags, "--out", "-")


GESTURES = {
    "drag before down": [{"type": "drag", "at": [1, 2]}],
    "unknown type": [{"type": "hover"}],
    "no at": [DOWN, {"type": "drag"}, UP],
    "pressure": [DOWN, {"type": "drag", "at": [1, 2], "pressure": 300}, UP],
    "undo first": [{"type": "undo"}],
    "undo mid-drag": [DOWN, {"type": "undo"}],
    "bad option": [{"type": "set", "option": "nosuch", "value": 1}],
    "tool": [{"type": "tool", "tool": "lasso"}],
}


@pytest.mark.parametrize("name", sorted(GESTURES))
def test_a_bad_gesture_event_is_a_value_error_with_the_command_lines_message(name, tmp_path):
    events = GESTURES[name]
    expected = cli_message("--gesture", write_gesture(tmp_path, events), "--out", "-")
    with pytest.raises(ValueError) as raised:
        quentarb.draw(gesture=events)
    assert str(raised.value) == expected


def test_start_end_or_steps_with_a_gesture_is_a_bad_argument(tmp_path):
    path = write_gesture(tmp_path, [DOWN, UP])
    for arguments, flags in ((dict(start=(100, 100)), ["--from", "100,100"]), (dict(steps=8), ["--steps", "8"])):
        with pytest.raises(ValueError) as raised:
            quentarb.draw(gesture=path, **arguments)
        assert str(raised.value) == cli_message("--gesture", path, *flags, "--out", "-")
    quentarb.draw(gesture=path)  # the defaults themselves are no conflict


def test_wrong_types_are_type_errors():
    for arguments in (dict(shape=1.5), dict(steps="8"), dict(set={"copiesvalue_8": [1]}), dict(start=5),
                      dict(color_model=1), dict(gesture=5)):
        with pytest.raises(TypeError):
            quentarb.draw(**arguments)


def limit_message(flags, keyword):
    """The command line's message for a limit, with the keyword argument for its flag."""
    return cli_message(*flags).replace("with --" + keyword.replace("_", "-"), f"with {keyword}=N")


def test_limits_the_input_shows_raise_limit_error_naming_the_argument(tmp_path):
    gesture = write_gesture(tmp_path, [DOWN] + [{"type": "drag", "at": [100 + i, 100]} for i in range(5)] + [UP])
    cases = [
        (dict(steps=20, max_steps=10), ["--steps", "20", "--max-steps", "10"], "max_steps"),
        (dict(gesture=gesture, max_steps=4), ["--gesture", gesture, "--max-steps", "4"], "max_steps"),
        (dict(gesture=gesture, max_gesture_bytes=50), ["--gesture", gesture, "--max-gesture-bytes", "50"],
         "max_gesture_bytes"),
    ]
    for arguments, flags, keyword in cases:
        with pytest.raises(quentarb.LimitError) as raised:
            quentarb.draw(**arguments)
        assert raised.value.limit == keyword
        assert str(raised.value) == limit_message(flags + ["--out", "-"], keyword)
    with pytest.raises(ValueError, match="max_art: '0' is not 1 to"):
        quentarb.draw(max_art=0)


def test_a_limit_reached_while_drawing_stops_the_session_and_says_so():
    flags = ["--tool", "spiral", "--set", "copiesvalue_8=200", "--max-art", "50", "--out", "-"]
    with pytest.raises(quentarb.LimitError) as raised:
        quentarb.draw(tool="spiral", set={"copiesvalue_8": 200}, max_art=50)
    assert raised.value.limit == "max_art" and str(raised.value) == limit_message(flags, "max_art")

    session = quentarb.Session(max_art=50).tool("spiral").set("copiesvalue_8", 200).down(100, 100)
    with pytest.raises(quentarb.LimitError, match=r"max_art=N \(the session has stopped: start a new Session\)"):
        session.drag(300, 300)
    for call in (session.document, session.up, lambda: session.set("copiesvalue_8", 2), session.reset):
        with pytest.raises(quentarb.SessionError, match="the session stopped after a failure .*art objects"):
            call()
    assert len(quentarb.Session(max_art=50).tool("spiral").down(1, 1).drag(9, 9).up().document()) > 0


def test_png_pixels_over_the_limit_raise_limit_error():
    doc = quentarb.draw(max_png_pixels=1000)
    for call in (doc.png, lambda: doc.save("never-written.png")):
        with pytest.raises(quentarb.LimitError) as raised:
            call()
        assert raised.value.limit == "max_png_pixels" and "raise it with max_png_pixels=N" in str(raised.value)
    assert not os.path.exists("never-written.png")
    assert doc.svg()  # the other formats know no such limit


def test_a_refused_call_leaves_the_session_as_it_was(tmp_path):
    session = quentarb.Session().tool("windmill")
    for refused in (lambda: session.set("nosuch", 1), lambda: session.shape(40), lambda: session.up(),
                    session.undo, session.redo, session.cancel, lambda: session.drag(1, 1),
                    lambda: session.tool("lasso")):
        with pytest.raises(ValueError):
            refused()
    session.down(100, 100)
    for refused in (lambda: session.down(1, 1), session.undo, session.redo, lambda: session.drag(1, float("inf")),
                    lambda: session.drag(1, 1, pressure=300)):
        with pytest.raises(ValueError):
            refused()
    session.drag(300, 250).up()
    events = [{"type": "tool", "tool": "windmill"}, DOWN, {"type": "drag", "at": [300, 250]}, UP]
    assert session.document().json() == quentarb.draw(gesture=events).json()


def test_session_call_messages():
    session = quentarb.Session(max_steps=2).down(1, 1).drag(2, 2).drag(3, 3)
    with pytest.raises(quentarb.LimitError, match=r"^drag events: 3 is over the limit of 2; raise it with max_steps=N$"):
        session.drag(4, 4)
    session.up()
    with pytest.raises(ValueError, match="^up: an up with no down before it$"):
        session.up()
    with pytest.raises(ValueError, match=r"^--set: unknown option 'nosuch' \(see `quentarb options`\)$"):
        session.set("nosuch", 1)
    session.close()
    with pytest.raises(quentarb.SessionError, match="^document: the session is closed$"):
        session.document()


def test_saving_where_nothing_can_be_written_is_an_os_error(tmp_path):
    doc = quentarb.draw()
    with pytest.raises(OSError, match="nonexistent"):
        doc.save(tmp_path / "nonexistent" / "a.svg")
    with pytest.raises(ValueError, match=r"must end in \.svg, \.pdf, \.png or \.json"):
        doc.save(tmp_path / "a.txt")
    assert list(tmp_path.iterdir()) == []


def test_a_module_that_does_not_load_is_named(tmp_path, monkeypatch):
    monkeypatch.setenv("QUENTARB_MODULE", str(tmp_path / "missing.so"))
    with pytest.raises(ValueError) as raised:
        quentarb.draw()
    assert str(raised.value) == cli_message("--out", "-")


OUT_OF_MEMORY = textwrap.dedent("""
    import resource, sys
    sys.path.insert(0, sys.argv[1])
    import quentarb
    doc = quentarb.draw(max_png_pixels=10**12)
    session = quentarb.Session(max_art=10**9).tool("spiral").set("copiesvalue_8", 500).set("trailvalue_8", 1)
    session.down(100, 100)
    # From here on the process may hold 300 MB more than it does.
    resource.setrlimit(resource.RLIMIT_AS, ({vm} + (300 << 20),) * 2)
    try:
        doc.png(scale=40)
    except MemoryError as e:
        print("png:", type(e).__name__, e)
    try:
        for k in range(100000):
            session.drag(100 + k % 300, 100 + k % 200)
    except MemoryError as e:
        print("drag:", type(e).__name__, e)
    try:
        session.document()
    except quentarb.SessionError as e:
        print("then:", type(e).__name__, e)
""")


def test_out_of_memory_is_a_memory_error_and_stops_the_session():
    # In a process of its own whose address space is capped.
    vm = "int(open('/proc/self/statm').read().split()[0]) * resource.getpagesize()"
    done = subprocess.run([sys.executable, "-c", OUT_OF_MEMORY.replace("{vm}", vm), str(BUILD / "python")],
                          capture_output=True, text=True, timeout=600)
    assert done.returncode == 0, done.stderr
    lines = done.stdout.splitlines()
    assert lines[0] == "png: MemoryError out of memory"
    assert lines[1] == "drag: MemoryError out of memory (the session has stopped: start a new Session)"
    assert lines[2].startswith("then: SessionError document: the session stopped after a failure (out of memory)")
