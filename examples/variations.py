#!/usr/bin/env python3
"""One gesture drawn with sixteen seeds, on one contact sheet: a 4 x 4 grid of the variants,
each captioned with its seed.

    PYTHONPATH=build/default/python /usr/bin/python3 examples/variations.py [OUT.svg]

(Without PYTHONPATH once the package is installed: pip install --no-build-isolation .)
"""
import sys
import xml.etree.ElementTree as ElementTree

import numpy

import quentarb

SVG = "http://www.w3.org/2000/svg"
ElementTree.register_namespace("", SVG)

# Windmill copies along a random curve, jittered, with a random colour series: each seed
# curves, jitters and colours the same drag its own way.
OPTIONS = {"copiesvalue_5": 14, "circlesvalue_5": 2, "jittervalue_5": 12, "filloptions": 3, "closedpath": 1}
DRAG = [(150, 200), (190, 260), (250, 300), (320, 320), (390, 300), (440, 250), (470, 190)]
GESTURE = ([{"type": "set", "option": k, "value": v} for k, v in OPTIONS.items()]
           + [{"type": "tool", "tool": "windmill"}, {"type": "shape", "shape": 13},
              {"type": "down", "at": list(DRAG[0])}]
           + [{"type": "drag", "at": list(p)} for p in DRAG[1:]]
           + [{"type": "up"}])

SEEDS = range(1, 17)
COLUMNS, CELL, CAPTION, GAP = 4, 180, 22, 10


def view_box(drawings, margin=10):
    """The bounds of every variant's art (anchors and handles), as an SVG viewBox: one view
    for all, so that the variants compare. SVG's y grows downwards, the document's upwards."""
    points = numpy.vstack([path.segments.reshape(-1, 2) for _, doc in drawings for path in doc.paths()])
    (left, bottom), (right, top) = points.min(axis=0), points.max(axis=0)
    page_height = drawings[0][1].page[1]
    size = max(right - left, top - bottom) + 2 * margin
    x, y = (left + right - size) / 2, page_height - (top + bottom + size) / 2
    return f"{x:g} {y:g} {size:g} {size:g}"


def contact_sheet(drawings):
    """The drawings, each a (seed, Document), in rows of COLUMNS cells with a caption under each."""
    view = view_box(drawings)
    rows = -(-len(drawings) // COLUMNS)
    width = COLUMNS * CELL + (COLUMNS + 1) * GAP
    height = rows * (CELL + CAPTION) + (rows + 1) * GAP
    sheet = ElementTree.Element(f"{{{SVG}}}svg", width=str(width), height=str(height),
                                viewBox=f"0 0 {width} {height}")
    ElementTree.SubElement(sheet, f"{{{SVG}}}rect", width="100%", height="100%", fill="#f4f4f4")
    for i, (seed, doc) in enumerate(drawings):
        x = GAP + (i % COLUMNS) * (CELL + GAP)
        y = GAP + (i // COLUMNS) * (CELL + CAPTION + GAP)
        ElementTree.SubElement(sheet, f"{{{SVG}}}rect", x=str(x), y=str(y), width=str(CELL), height=str(CELL),
                               fill="#ffffff", stroke="#cccccc")
        # The variant's own SVG, its art fitted into the cell.
        drawing = ElementTree.fromstring(doc.svg())
        drawing.attrib.update(x=str(x), y=str(y), width=str(CELL), height=str(CELL), viewBox=view)
        drawing.set("data-seed", str(seed))
        sheet.append(drawing)
        caption = ElementTree.SubElement(sheet, f"{{{SVG}}}text", x=str(x + CELL / 2), y=str(y + CELL + 16))
        caption.attrib.update({"text-anchor": "middle", "font-family": "sans-serif", "font-size": "13"})
        caption.text = f"seed {seed}"
    return ElementTree.tostring(sheet, encoding="unicode", xml_declaration=True)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "variations.svg"
    drawings = [(seed, quentarb.draw(gesture=GESTURE, seed=seed)) for seed in SEEDS]
    with open(out, "w", encoding="utf-8") as f:
        f.write(contact_sheet(drawings))
    print(f"{out}: {len(drawings)} variants, {sum(len(d) for _, d in drawings)} paths")


if __name__ == "__main__":
    main()
