#!/usr/bin/python3
"""QuenTarb in Inkscape: the selected path is the drag, the plug-in draws along it.

Each selected path is one drag, in paint order: its first point the mouse-down, its other
nodes (curves flattened) or evenly spaced points the drag events, its end the mouse-up. The
plug-in runs unchanged inside our headless host, through the quentarb program and a gesture
file; the art it draws comes back as one group above the path, as our SVG export writes it.
A group made here keeps what made it in data-quentarb; run again on it, it is redrawn.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
try:
    import inkex
except ImportError:
    # Run outside Inkscape: Debian's inkex is in Inkscape's extensions folder.
    sys.path.append("/usr/share/inkscape/extensions")
    try:
        import inkex
    except ImportError as error:
        sys.exit(f"inkex, Inkscape's extension library, could not be loaded ({error}): install Inkscape "
                 "(apt-get install inkscape, or `make inkscape`) and run the script with /usr/bin/python3")

import quentarb_engine  # noqa: E402
import quentarb_result  # noqa: E402
from quentarb_drag import Page, drag_events, flattened_points  # noqa: E402
from quentarb_params import add_arguments, read_params  # noqa: E402

NO_PATH = "Select a path: it is the drag the tool follows"
DRAWABLE = (inkex.PathElement, inkex.Rectangle, inkex.Circle, inkex.Ellipse, inkex.Line, inkex.Polyline,
            inkex.Polygon)
# What data-quentarb calls the Document page's settings.
STORED_NAMES = {"seed": "seed", "colorModel": "color_model", "fill": "fill", "stroke": "stroke",
                "strokeWidth": "stroke_width"}


class QuenTarb(inkex.EffectExtension):
    def __init__(self):
        self.params = read_params()
        super().__init__()

    def add_arguments(self, pars):
        add_arguments(pars, self.params)

    # ---- Settings: the defaults, then a stored group's, then what this run was given ----

    def settings(self, stored=None):
        s = {name: p.default for name, p in self.params.items()}
        if stored:
            for key, name in STORED_NAMES.items():
                if key in stored:
                    s[name] = stored[key]
            s["tool"] = stored.get("tool", s["tool"])
            s["shape"] = stored.get("shape", s["shape"])
            for name, value in stored.get("options", {}).items():
                if name in self.params:
                    s[name] = value
        for name in self.params:
            given = getattr(self.options, name, None)
            if given is not None:
                s[name] = given
        s["tool"] = self.tool_name(s["tool"])
        s["modifiers"] = self.modifier_bits(s["modifiers"])
        return s

    def tool_name(self, tool):
        names = self.params["tool"].choices
        text = str(tool)
        if text.isdigit() and int(text) < len(names):
            return names[int(text)]
        if text not in names:
            raise inkex.AbortExtension(
                f"--tool: \"{text}\" is not a tool ({', '.join(names)}, or 0 to {len(names) - 1})")
        return text

    @staticmethod
    def modifier_bits(value):
        try:
            bits = int(str(value), 0)
        except ValueError:
            bits = -1
        if not 0 <= bits <= 0xFFFFFFFF:
            raise inkex.AbortExtension(f"--modifiers: \"{value}\" is not modifier bits (decimal or 0x hex)")
        return bits

    def changed_options(self, s):
        return {name: s[name] for name, p in self.params.items() if p.is_option and s[name] != p.default}

    # ---- One drawing: its gesture, the engine's art, the group ----

    def gesture(self, s, events):
        head = [{"type": "tool", "tool": s["tool"]}, {"type": "shape", "shape": s["shape"]}]
        sets = [{"type": "set", "option": k, "value": v} for k, v in self.changed_options(s).items()]
        return head + sets + events

    def document_flags(self, s, page):
        flags = ["--seed", str(s["seed"]), "--page", f"{page.width!r},{page.height!r}",
                 "--color-model", s["color_model"], "--stroke-width", repr(float(s["stroke_width"]))]
        for name, flag in (("fill", "--fill"), ("stroke", "--stroke")):
            if s[name]:
                flags += [flag, s[name]]
        for name, flag in (("max_steps", "--max-steps"), ("max_art", "--max-art")):
            if s[name]:
                flags += [flag, str(s[name])]
        return flags

    def record(self, s, page, events):
        """What made the drawing, for data-quentarb: enough to draw it again."""
        made = {"tool": s["tool"], "shape": s["shape"], "options": self.changed_options(s), "seed": s["seed"]}
        for key, name in STORED_NAMES.items():
            if key != "seed" and s[name] != self.params[name].default:
                made[key] = s[name]
        made["page"] = [page.width, page.height]
        made["events"] = events
        return made

    def limit_names(self):
        return {flag: f"\u201c{self.params[name].label}\u201d on the Document page (--{name})"
                for name, flag in (("max_steps", "--max-steps"), ("max_art", "--max-art"))}

    def draw(self, s, page, events):
        svg, warnings = quentarb_engine.draw(self.gesture(s, events), self.document_flags(s, page),
                                             self.limit_names())
        if warnings:
            inkex.errormsg(warnings)
        return quentarb_result.art_group(svg, s["tool"], self.record(s, page, events))

    # ---- The run ----

    def effect(self):
        chosen = list(self.svg.selection.rendering_order())
        groups = [e for e in chosen if quentarb_result.is_result(e)]
        paths = [e for e in chosen if isinstance(e, DRAWABLE) and len(e.path) > 0]
        if not groups and not paths:
            raise inkex.AbortExtension(NO_PATH)
        page = Page(self.svg)
        # Everything is drawn before the document changes: an error leaves it as it was.
        redrawn = []
        for old in groups:
            stored = quentarb_result.stored(old)
            s = self.settings(stored)
            events = stored["events"]
            if self.options.modifiers is not None:
                events = quentarb_result.with_modifiers(events, s["modifiers"])
            redrawn.append((old, self.draw(s, page, events)))
        new = None
        if paths:
            s = self.settings()
            events = [e for p in paths for e in drag_events(flattened_points(p, page), s["events"], s["steps"],
                                                            s["modifiers"])]
            new = (paths, s, self.draw(s, page, events))
        for old, group in redrawn:
            quentarb_result.replace(old, group)
        if new:
            paths, s, group = new
            group.set_id(self.svg.get_unique_id("quentarb"))
            quentarb_result.insert_above(paths[-1], group, page)
            for p in paths:
                if s["source"] == "hide":
                    p.style["display"] = "none"
                elif s["source"] == "delete":
                    p.delete()


if __name__ == "__main__":
    QuenTarb().run()
