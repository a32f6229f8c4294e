"""quentarb: the QuenTarb drawing-tool plug-in in scripts and notebooks.

    import quentarb
    doc = quentarb.draw(tool="spiral", set={"copiesvalue_8": 30}, seed=7)
    doc.save("spiral.svg")
    for path in doc.paths():
        path.segments        # numpy (N, 6): anchor, in-handle, out-handle

Every document is byte for byte the one `quentarb draw` writes for the same inputs. The plug-in
runs through its PluginMain, as in every host, from the module installed with this package
(QUENTARB_MODULE names another, as for the command line).
"""
from . import _quentarb
from ._document import Color, Document, DrawingWarning, Group, Path
from ._drawing import Session, draw, options

LimitError = _quentarb.LimitError
SessionError = _quentarb.SessionError

# The modes by name, in the order of their numbers.
TOOLS = tuple(_quentarb.tool_names())

__version__ = "14.0"
__all__ = ["draw", "Session", "Document", "Path", "Color", "Group", "options", "TOOLS", "SHAPES",
           "LimitError", "SessionError", "DrawingWarning"]


def __getattr__(name):
    # The line types as the palette names them: read once, from the plug-in, when first asked.
    if name == "SHAPES":
        shapes = tuple(_quentarb.shape_names())
        globals()["SHAPES"] = shapes
        return shapes
    raise AttributeError(f"module 'quentarb' has no attribute {name!r}")
