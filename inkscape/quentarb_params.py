"""The extension's parameters, read from quentarb.inx beside the script.

The .inx is generated from the option table, so its parameters are the only list of them:
each becomes an argument, and its text there is its default. Arguments default to None here,
so a run can tell what it was given from what it was not (a rerun starts from the stored
settings and changes only what it is given).
"""
import argparse
import xml.etree.ElementTree as ElementTree
from pathlib import Path

INX = Path(__file__).resolve().parent / "quentarb.inx"
NS = "{http://www.inkscape.org/namespace/inkscape/extension}"


def boolean(text):
    """A check box's value as Inkscape passes it."""
    value = {"true": True, "false": False, "1": True, "0": False}.get(str(text).lower())
    if value is None:
        raise argparse.ArgumentTypeError(f"\"{text}\" is not true or false")
    return value


TYPES = {"bool": boolean, "int": int, "float": float}


class Param:
    def __init__(self, node, page=None):
        self.name = node.get("name")
        self.kind = node.get("type")
        self.label = node.get("gui-text")
        self.page = page  # the notebook page's name; None above the notebook (the tool)
        if self.kind == "optiongroup":
            self.choices = [o.get("value") for o in node.iter(NS + "option")]
            self.default = self.choices[0]
        else:
            self.default = TYPES.get(self.kind, str)(node.text or "")

    @property
    def is_option(self):
        """A palette option set through its control (the tool and the shape have events of their own)."""
        return self.page not in (None, "document") and self.name != "shape"


def read_params(path=INX):
    """Every parameter of the dialog by name: those above the notebook and on its pages."""
    params = {}
    for node in ElementTree.parse(path).getroot().findall(NS + "param"):
        if node.get("type") != "notebook":
            params[node.get("name")] = Param(node)
            continue
        for page in node.findall(NS + "page"):
            for inner in page.findall(NS + "param"):
                params[inner.get("name")] = Param(inner, page.get("name"))
    return params


# Given as text and checked by the script: a tool by name or number, modifier bits in decimal or hex.
FREE_TEXT = ("tool", "modifiers")


def add_arguments(pars, params):
    pars.add_argument("--tab", help="the dialog's current page (ignored)")
    for p in params.values():
        free = p.name in FREE_TEXT
        pars.add_argument(f"--{p.name}", type=str if free else TYPES.get(p.kind, str), default=None,
                          choices=p.choices if p.kind == "optiongroup" and not free else None, help=p.label)
