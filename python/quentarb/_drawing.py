"""Drawing: one call (draw), step by step (Session), and the option catalogue."""
import warnings

from . import _quentarb
from ._arguments import (Default, document_arguments, gesture_arguments, given, integer, numbers_text,
                         option_sets, option_text, text, whole)
from ._document import Document, DrawingWarning

_LIMITS = _quentarb.default_limits()


def draw(tool="grid", shape=0, set=None, start=Default((100, 100)), end=Default((300, 250)), steps=Default(8),
         gesture=None, modifiers=0, pressure=255, pressure_device=False, seed=1, page=(612, 792), view=None,
         color_model="rgb", fill=None, stroke=None, stroke_width=1, *, max_steps=_LIMITS["max_steps"],
         max_gesture_bytes=_LIMITS["max_gesture_bytes"], max_art=_LIMITS["max_art"],
         max_png_pixels=_LIMITS["max_png_pixels"]):
    """Draws one drag (from `start` to `end` in `steps` events) or a gesture, as `quentarb draw`
    does with the flags of the same names, and gives the finished Document.

    `set` is a dict of option names and values, set in order through the palette's controls.
    `gesture` is a list of events as in a gesture file, or the path of one; it replaces
    `start`, `end` and `steps`. A bad argument raises ValueError with the command line's message;
    a plug-in error is in the document's `results` and `alerts`.
    """
    arguments = document_arguments(seed, page, view, color_model, fill, stroke, stroke_width, pressure_device,
                                   {"max_steps": max_steps, "max_gesture_bytes": max_gesture_bytes,
                                    "max_art": max_art, "max_png_pixels": max_png_pixels})
    arguments.update(
        tool=str(integer(tool, "--tool")) if not isinstance(tool, str) else tool,
        shape=whole(shape, "--shape"),
        sets=option_sets(set),
        modifiers=modifiers if isinstance(modifiers, str) else str(integer(modifiers, "--modifiers")),
        pressure=whole(pressure, "--pressure"),
        **gesture_arguments(gesture))
    if given(start):
        arguments["from"] = numbers_text(start, "--from", "X,Y")
    if given(end):
        arguments["to"] = numbers_text(end, "--to", "X,Y")
    if given(steps):
        arguments["steps"] = whole(steps, "--steps")
    snapshot, said = _quentarb.draw(arguments)
    for line in said:
        warnings.warn(line, DrawingWarning, stacklevel=2)
    return Document(snapshot, arguments["color_model"])


class Session:
    """The plug-in driven step by step, as a person drives it: tool, line type and options
    through the palette, then drags event by event. `document()` gives the document as it is
    now, in the middle of a drag too. Each session has its own copy of the plug-in, so sessions
    are independent, and each call runs without the GIL: threads can draw at once, one session
    each. Every method returns the session, so calls chain.
    """

    def __init__(self, seed=1, page=(612, 792), view=None, color_model="rgb", fill=None, stroke=None,
                 stroke_width=1, pressure_device=False, *, max_steps=_LIMITS["max_steps"],
                 max_art=_LIMITS["max_art"], max_png_pixels=_LIMITS["max_png_pixels"]):
        arguments = document_arguments(seed, page, view, color_model, fill, stroke, stroke_width, pressure_device,
                                       {"max_steps": max_steps, "max_art": max_art,
                                        "max_png_pixels": max_png_pixels})
        self._color_model = arguments["color_model"]
        self._engine = _quentarb.Session(arguments)

    def tool(self, name_or_number):
        """A mode by name ("grid", ..., "background") or number 0 to 12."""
        self._engine.tool(name_or_number if isinstance(name_or_number, str) else str(integer(name_or_number, "--tool")))
        return self

    def shape(self, n):
        """The line type, 0 to 23 (quentarb.SHAPES names them)."""
        self._engine.shape(whole(n, "--shape"))
        return self

    def set(self, name, value):
        """One option by its store name, through its palette control (which clamps it)."""
        self._engine.set(text(name, "--set"), option_text(name, value))
        return self

    def reset(self):
        """The palette's Reset."""
        self._engine.reset()
        return self

    def down(self, x, y):
        self._engine.down(float(x), float(y))
        return self

    def drag(self, x, y, pressure=255, modifiers=0):
        """One drag event; `modifiers` holds the key bits (0x20 Shift, 0x40 Alt, 0x200 Control)."""
        self._engine.drag(float(x), float(y), whole(pressure, "drag: pressure"), whole(modifiers, "drag: modifiers", -(2**63), 2**63 - 1))
        return self

    def up(self):
        self._engine.up()
        return self

    def cancel(self):
        """Escape during a drag: it ends as an up does, and the document is as before it."""
        self._engine.cancel()
        return self

    def undo(self):
        """The host's undo of the last finished drag not yet undone."""
        self._engine.undo()
        return self

    def redo(self):
        """The host's redo of the drag undone last (none after a new drag)."""
        self._engine.redo()
        return self

    def document(self):
        return Document(self._engine.document(), self._color_model)

    def close(self):
        """Shuts the plug-in down; later calls are refused. A session that is not closed is
        closed when it goes."""
        self._engine.close()

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()


def options(tool=None):
    """Every option (or one mode's) as `quentarb options --json` lists it: name, type, default,
    value, min, max, item, label and tool."""
    if tool is not None and not isinstance(tool, str):
        tool = str(integer(tool, "--tool"))
    return _quentarb.options(tool)
