"""The Document page: the extension's own parameters, beside the palette's options.

make_inx.py writes them into the dialog; the script reads them back from the .inx, like
every other parameter.
"""

# The modifier bits of quentarb draw --modifiers: 0x20 Shift, 0x40 Alt, 0x200 Ctrl.
SHIFT, ALT, CTRL = 0x20, 0x40, 0x200


def _modifier_choices():
    choices = []
    for bits in (0, SHIFT, ALT, CTRL, SHIFT | ALT, SHIFT | CTRL, ALT | CTRL, SHIFT | ALT | CTRL):
        names = [n for n, b in (("Shift", SHIFT), ("Alt", ALT), ("Ctrl", CTRL)) if bits & b]
        choices.append((str(bits), "+".join(names) or "None"))
    return choices


PARAMS = [
    {"name": "seed", "type": "int", "label": "Seed", "default": 1, "min": 0, "max": 2147483647,
     "tip": "the host's random seed"},
    {"name": "color_model", "type": "optiongroup", "label": "Colour model",
     "choices": [("rgb", "RGB"), ("cmyk", "CMYK"), ("gray", "Gray")],
     "tip": "the document's colour model; new art's default colours follow it"},
    {"name": "fill", "type": "string", "label": "New art's fill", "default": "",
     "tip": "none, #rrggbb, rgb(r,g,b), cmyk(c,m,y,k) or gray(g), components 0 to 1; "
            "empty: white in the colour model"},
    {"name": "stroke", "type": "string", "label": "New art's stroke", "default": "",
     "tip": "as the fill; empty: black in the colour model"},
    {"name": "stroke_width", "type": "float", "label": "New art's stroke width", "default": 1,
     "min": 0, "max": 1000, "tip": "in points"},
    {"name": "events", "type": "optiongroup", "label": "Drag events",
     "choices": [("nodes", "The path's nodes"), ("even", "Evenly spaced by length")],
     "tip": "the path's own nodes (curves flattened), or Steps events spaced evenly along it, "
            "the last at its end"},
    {"name": "steps", "type": "int", "label": "Steps (evenly spaced)", "default": 8, "min": 1,
     "max": 2147483647, "tip": "the number of drag events when they are spaced evenly"},
    {"name": "modifiers", "type": "optiongroup", "label": "Modifier keys", "choices": _modifier_choices(),
     "tip": "held during every drag event"},
    {"name": "source", "type": "optiongroup", "label": "Source path",
     "choices": [("keep", "Keep"), ("hide", "Hide"), ("delete", "Delete")],
     "tip": "what becomes of the selected path"},
    {"name": "max_steps", "type": "int", "label": "Limit: drag events", "default": 0,
     "min": 0, "max": 2147483647, "tip": "quentarb draw --max-steps; 0: its own limit"},
    {"name": "max_art", "type": "int", "label": "Limit: art objects", "default": 0,
     "min": 0, "max": 2147483647, "tip": "quentarb draw --max-art; 0: its own limit"},
]
