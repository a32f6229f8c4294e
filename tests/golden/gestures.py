#!/usr/bin/env python3
"""Writes the fixed gesture set the golden check replays: every mode plain and styled, with
Trail, patterns, the mode's own popups and switches, and the Shift/Alt keys mid-drag."""
import json
import sys
from pathlib import Path

TOOLS = ["grid", "drag", "zoom", "framed", "rim-random", "windmill", "scaledown",
         "bounce-along", "spiral", "checkerboard", "paint", "basic-tile", "background"]

# Each mode's own popups and switches, set away from their defaults in the "options" variant.
OWN = {
    0: {"checkoptions_0": 4, "flipoptions_0": 2, "scalexoptions_0": 27, "scaleyoptions_0": 9,
        "rotation_0": 1, "rotatevalue_0": 30, "jittervalue_0": 6, "placementvalue_0": 1},
    1: {"jitterxvalue_1": 8, "jitteryvalue_1": 3, "placementvalue_1": 1, "envelopevalue_1": 1},
    2: {"zoomoptions_2": 3, "curvevalue_2": 40, "lengthvalue_2": 1, "interpolatevalue_2": 60},
    3: {"edgeoptions_3": 4, "jittervalue_3": 5, "rotateanglevalue_3": 20, "deletepathvalue_3": 0},
    4: {"linkedvalue_4": 1, "jittervalue_4": 7, "applyrotatevalue_4": 0, "scaleminvalue_4": 50},
    5: {"circlesvalue_5": 3, "measureoptions_5": 1, "windmilloptions_5": 12, "turnoptions_5": 5,
        "matchvalue_5": 1, "jittervalue_5": 4, "initialvalue_5": 10, "resizevalue_5": 80},
    6: {"scaleoptions_6": 17, "twistvalue_6": 3, "fadefillvalue_6": 50, "turnvalue_6": 15,
        "jittervalue_6": 2},
    7: {"bouncevalue_7": 6, "crunchvalue_7": 1, "jittervalue_7": 3},
    8: {"spiralsvalue_8": 5, "reversevalue_8": 1, "matchvalue_8": 1, "decayvalue_8": 70,
        "jittervalue_8": 2},
    9: {"scaledvalue_9": 1, "jittervalue_9": 4, "rotatevalue_9": 10},
    10: {"anglevalue_10": 1, "followvalue_10": 1, "intensityvalue_10": 40, "jittervalue_10": 5},
    11: {"jittervalue_11": 6},
    12: {"linkedvalue_12": 1, "framevalue_12": 30, "applyrotatevalue_12": 0},
}

STYLED = {"filloptions": 3, "strokeoptions": 9, "patternoptions": 12, "opacity": 1, "blend": 1,
          "width": 1, "pr_opacityvalue": 1, "pr_widthvalue": 1, "beneathoptions": 4,
          "scalelinesoptions": 1, "closedpath": 1}
STYLED_2 = {"filloptions": 11, "fillswatchvalue": 5, "strokeoptions": 13, "patternoptions": 41,
            "beneathoptions": 9, "scalelinesoptions": 2, "layer": 1, "pr_lengthvalue": 1}


def sets(options):
    return [{"type": "set", "option": k, "value": v} for k, v in options.items()]


def drags(tool, shape_base):
    """Three drags, with Shift, Alt and both on some events, and pressure on one."""
    events = []
    starts = [(120, 140), (300, 420), (420, 200)]
    for n, (x, y) in enumerate(starts):
        events.append({"type": "shape", "shape": (shape_base + 5 * n) % 24})
        events.append({"type": "down", "at": [x, y]})
        for step in range(1, 5):
            e = {"type": "drag", "at": [x + 23 * step + 7 * n, y + 17 * step - 4 * n]}
            mods = [0, 0x20, 0x40, 0x60][(step + n) % 4]
            if mods:
                e["modifiers"] = mods
            if step == 2:
                e["pressure"] = 40 + 60 * n
            events.append(e)
        events.append({"type": "up"})
    return events


def gestures():
    for t, name in enumerate(TOOLS):
        trail = {} if t in (10, 11) else {f"trailvalue_{t}": 1}
        variants = {
            "plain": {},
            "trail": trail,
            "styled": {**STYLED, **trail},
            "styled2": STYLED_2,
            "options": {**OWN[t], **STYLED_2},
        }
        for v, options in variants.items():
            events = sets(options) + [{"type": "tool", "tool": name}] + drags(t, t * 2 + len(v))
            yield f"{t:02d}-{name}-{v}", {"events": events}
    # Every scaledown apply mode and every windmill re-size mode, over a styled line tally.
    for t, option, count in ((6, "scaleoptions_6", 32), (5, "windmilloptions_5", 56)):
        for mode in range(count):
            events = sets({option: mode, "copiesvalue_%d" % t: 7, "filloptions": 3})
            events += [{"type": "tool", "tool": TOOLS[t]}] + drags(t, mode)
            yield f"{t:02d}-{TOOLS[t]}-{option}-{mode:02d}", {"events": events}
    # Reset and a tool change in the middle of a session.
    events = sets(STYLED) + [{"type": "tool", "tool": "windmill"}] + drags(5, 3)
    events += [{"type": "reset"}, {"type": "tool", "tool": "scaledown"}] + drags(6, 8)
    yield "99-reset", {"events": events}


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for stem, gesture in gestures():
        (out / f"{stem}.json").write_text(json.dumps(gesture) + "\n")


if __name__ == "__main__":
    main()
