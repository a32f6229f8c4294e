"""Python arguments in the command line's forms.

The engine checks every argument as `quentarb draw` checks its flags, so a bad one raises
ValueError with the message the command line prints. Points become "X,Y", option values text,
a gesture list its JSON document.
"""
import json
import numbers
import operator
import os

import numpy

INT32_MIN, INT32_MAX = -(2**31), 2**31 - 1
INT64_MAX = 2**63 - 1


class Default:
    """A default that shows as its value, so that draw() can tell it from the same value given."""

    __slots__ = ("value",)

    def __init__(self, value):
        self.value = value

    def __repr__(self):
        return repr(self.value)


def given(value):
    return not isinstance(value, Default)


def integer(value, flag):
    if isinstance(value, (bool, numpy.bool_)):
        raise TypeError(f"{flag}: {value!r} is not a whole number")
    try:
        return operator.index(value)
    except TypeError:
        raise TypeError(f"{flag}: {value!r} is not a whole number") from None


def whole(value, flag, lo=INT32_MIN, hi=INT32_MAX):
    """An int argument, in the range the command line reads for its flag."""
    n = integer(value, flag)
    if not lo <= n <= hi:
        raise ValueError(f"{flag}: '{n}' is not {lo} to {hi}")
    return n


def number_text(value, flag):
    """A number as the command line's text; text is passed on for the engine to read."""
    if isinstance(value, str):
        return value
    if isinstance(value, (bool, numpy.bool_)) or not isinstance(value, numbers.Real):
        raise TypeError(f"{flag}: {value!r} is not a number")
    if isinstance(value, numbers.Integral):
        return str(int(value))
    return repr(float(value))


def numbers_text(values, flag, form):
    """(x, y) or (l, t, r, b) as "X,Y" or "L,T,R,B"."""
    if isinstance(values, str):
        return values
    try:
        items = list(values)
    except TypeError:
        raise TypeError(f"{flag}: expected {form}, got {values!r}") from None
    return ",".join(number_text(v, flag) for v in items)


def paint_text(value, flag):
    """None: the document's default. Text as the command line takes it ("#rrggbb", "rgb(r,g,b)",
    "cmyk(c,m,y,k)", "gray(g)", "none"); three numbers are RGB, four CMYK."""
    if value is None or isinstance(value, str):
        return value
    parts = numbers_text(value, flag, "#rrggbb, rgb(r,g,b), cmyk(c,m,y,k), gray(g) or none")
    kind = {3: "rgb", 4: "cmyk"}.get(parts.count(",") + 1)
    if kind is None:
        raise ValueError(f"{flag}: {value!r} is not three (RGB) or four (CMYK) components")
    return f"{kind}({parts})"


def option_text(name, value):
    """An option value as a gesture file's "set" event gives it to the palette."""
    if isinstance(value, (bool, numpy.bool_)):
        return "true" if value else "false"
    if isinstance(value, str):
        return value
    if isinstance(value, numbers.Integral):
        return str(int(value))
    if isinstance(value, numbers.Real):
        return repr(float(value))
    raise TypeError(f"--set {name}: {value!r} is not a number, a boolean or a string")


def option_sets(options):
    """A dict (or pairs) of option names and values as the command line's NAME=VALUE list."""
    if options is None:
        return []
    pairs = options.items() if hasattr(options, "items") else options
    sets = []
    for name, value in pairs:
        if not isinstance(name, str):
            raise TypeError(f"--set: the option name {name!r} is not text")
        sets.append(f"{name}={option_text(name, value)}")
    return sets


def _json_value(value):
    if isinstance(value, numpy.generic):
        return value.item()
    if isinstance(value, numpy.ndarray):
        return value.tolist()
    raise TypeError(f"gesture: {value!r} is not a JSON value")


def gesture_arguments(gesture):
    """A gesture file's path, or its events (a list of event dicts, or {"events": [...]})."""
    if gesture is None:
        return {}
    if isinstance(gesture, (str, bytes, os.PathLike)):
        return {"gesture": os.fsdecode(gesture)}
    document = gesture if isinstance(gesture, dict) else {"events": list(gesture)}
    try:
        text = json.dumps(document, default=_json_value, allow_nan=False)
    except ValueError as error:  # NaN or infinity: JSON has neither
        raise ValueError(f"gesture: {error}") from None
    return {"gesture_text": text}


def text(value, flag):
    if not isinstance(value, str):
        raise TypeError(f"{flag}: {value!r} is not text")
    return value


def limit(value, name):
    return whole(value, name, 1, INT64_MAX)


def document_arguments(seed, page, view, color_model, fill, stroke, stroke_width, pressure_device, limits):
    """The document's settings, shared by draw() and Session()."""
    arguments = {
        "seed": seed if isinstance(seed, str) else str(integer(seed, "--seed")),
        "page": numbers_text(page, "--page", "W,H"),
        "view": "" if view is None else numbers_text(view, "--view", "L,T,R,B"),
        "color_model": text(color_model, "--color-model"),
        "fill": paint_text(fill, "--fill"),
        "stroke": paint_text(stroke, "--stroke"),
        "stroke_width": number_text(stroke_width, "--stroke-width"),
        "pressure_device": bool(pressure_device),
    }
    for name, value in limits.items():
        arguments[name] = limit(value, name)
    return arguments
