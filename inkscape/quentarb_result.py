"""The art the engine drew, as one group in the document, and what made it.

Our SVG export writes one <g data-layer> per layer and the page as its viewBox with v
flipped. The group holds that art as it is, its transform taking the export's coordinates
back to the user units of the parent it stands in; a layer the plug-in made becomes a group
inside it.
"""
import io
import json

import inkex

ATTRIBUTE = "data-quentarb"


def is_result(element):
    return isinstance(element, inkex.Group) and element.get(ATTRIBUTE) is not None


def stored(group):
    """The settings and events a result group was made from."""
    try:
        made = json.loads(group.get(ATTRIBUTE))
        if not isinstance(made, dict) or not isinstance(made.get("events"), list):
            raise ValueError("no events")
        if not isinstance(made.get("options", {}), dict):
            raise ValueError("its options are not a list of names and values")
        return made
    except ValueError as error:
        raise inkex.AbortExtension(f"The group {group.get_id()} has a {ATTRIBUTE} that cannot be read "
                                   f"({error}): select the path to draw it anew")


def with_modifiers(events, bits):
    out = []
    for event in events:
        event = dict(event)
        if event.get("type") == "drag":
            event.pop("modifiers", None)
            if bits:
                event["modifiers"] = bits
        out.append(event)
    return out


def art_group(svg_bytes, tool, made):
    """The group for one drawing, not yet in the document."""
    exported = inkex.load_svg(io.BytesIO(svg_bytes)).getroot()
    layers = [g for g in exported if isinstance(g, inkex.Group)]
    group = inkex.Group()
    group.label = f"QuenTarb: {tool}"
    group.set(ATTRIBUTE, json.dumps(made, separators=(",", ":")))
    if len(layers) == 1:
        for art in list(layers[0]):
            group.append(art)
    else:
        for layer in layers:
            layer.label = layer.get("data-layer")
            group.append(layer)
    return group


def _place(group, parent, page):
    group.transform = -parent.composed_transform() @ page.from_export


def insert_above(source, group, page):
    source.addnext(group)
    _place(group, source.getparent(), page)


def replace(old, group):
    """The group takes the old one's place, id and transform (so a group moved since stays where it is)."""
    group.set_id(old.get_id())
    group.transform = old.transform
    old.addnext(group)
    old.delete()
