#!/usr/bin/env python3
"""Reads the DXF cut files of the command line back with ezdxf, a reader of its own, and
checks layers, entity kinds and where the outlines lie against figures worked out here from
the tag's sizes in dots and the marks' sizes in millimetres.

usage: cut_dxf_readback.py VELTMOOR_TAGS SAMPLES_FOLDER
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile

import ezdxf

MM_PER_DOT = 25.4 / 200
# --printable 4800x6300@600 is taken as the whole paper: 8 x 10.5 inches.
PAPER = "4800x6300@600"
PAPER_W_MM = 8 * 25.4
PAPER_H_MM = 10.5 * 25.4
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def design_with(samples, folder, shape):
    """The gift tags with another shape (the second setting line)."""
    with open(os.path.join(samples, "gift-tags.vmg"), encoding="latin-1", newline="") as f:
        lines = f.read().split("\r\n")
    first_setting = next(i for i, line in enumerate(lines) if not line.startswith("Tag"))
    lines[first_setting + 1] = "%d TagType" % shape
    path = os.path.join(folder, "shape%d.vmg" % shape)
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write("\r\n".join(lines))
    settings = {line.split(" ", 1)[1]: line.split(" ", 1)[0] for line in lines[first_setting:] if " " in line}
    return path, settings


def hundredths(text):
    return int(round(float(text) * 100))


def grid_between_four_marks(tag_w, tag_h):
    """Tags keep 10 mm + 0.3 mm + 2 mm from every edge and are centred there."""
    inset = 10 + 0.3 + 2

    def along(paper_mm, tag):
        first = math.ceil(inset / MM_PER_DOT - 1e-9)
        end = math.floor((paper_mm - inset) / MM_PER_DOT + 1e-9)
        count = (end - first) // tag
        return count, first + (end - first - count * tag) // 2

    across, margin_x = along(PAPER_W_MM, tag_w)
    down, margin_y = along(PAPER_H_MM, tag_h)
    return [(margin_x + col * tag_w, margin_y + row * tag_h) for row in range(down) for col in range(across)]


def to_dxf(tag, dot):
    """A dot's centre on a placed tag, in DXF millimetres (y up from the paper's bottom)."""
    return ((tag[0] + dot[0] + 0.5) * MM_PER_DOT, PAPER_H_MM - (tag[1] + dot[1] + 0.5) * MM_PER_DOT)


def run_cutfile(tool, design, out):
    subprocess.run([tool, "cutfile", design, "-o", out, "--marks", "4", "--printable", PAPER], check=True)
    return ezdxf.readfile(out)


def arc_points(arc, count=5):
    start = arc.dxf.start_angle
    end = arc.dxf.end_angle
    if end < start:
        end += 360
    for i in range(count):
        angle = math.radians(start + (end - start) * i / (count - 1))
        yield (arc.dxf.center.x + arc.dxf.radius * math.cos(angle), arc.dxf.center.y + arc.dxf.radius * math.sin(angle))


def check_layers_and_marks(doc):
    layers = {layer.dxf.name for layer in doc.layers}
    check({"CUT", "HOLES", "REGMARKS"} <= layers, "layers %s" % sorted(layers))
    kinds = {entity.dxftype() for entity in doc.modelspace()}
    check(kinds <= {"LINE", "POLYLINE", "CIRCLE"}, "entity kinds %s" % sorted(kinds))
    marks = [e for e in doc.modelspace() if e.dxf.layer == "REGMARKS"]
    check(len(marks) == 32, "four marks of two arms, four lines each: %d lines" % len(marks))
    xs = [p[0] for e in marks for p in (e.dxf.start, e.dxf.end)]
    ys = [p[1] for e in marks for p in (e.dxf.start, e.dxf.end)]
    # Outer corners 10 mm in from the paper's edges, to half a dot.
    for value, expected, what in ((min(xs), 10, "left"), (max(xs), PAPER_W_MM - 10, "right"),
                                  (min(ys), 10, "bottom"), (max(ys), PAPER_H_MM - 10, "top")):
        check(abs(value - expected) <= MM_PER_DOT / 2 + 1e-6, "%s marks at %.4f mm, not %.4f" % (what, value, expected))


def check_standard(doc, settings, tags):
    W = hundredths(settings["Width"]) * 2
    H = hundredths(settings["Height"]) * 2
    c = min(W * 15 // 100, H)
    corners = [(0, H - 1), (W - 1, H - 1), (W - 1, c), (W - c, 0), (c, 0), (0, c)]
    outlines = [e for e in doc.modelspace() if e.dxf.layer == "CUT"]
    check(all(e.dxftype() == "POLYLINE" and e.is_closed for e in outlines), "every tag one closed polyline")
    check(len(outlines) == len(tags), "%d cut outlines for %d tags" % (len(outlines), len(tags)))
    check(all(v.dxf.bulge == 0 for e in outlines for v in e.vertices), "the standard tag is straight lines only")
    found = [[(v.dxf.location.x, v.dxf.location.y) for v in e.vertices] for e in outlines]
    for tag in tags:
        wanted = [to_dxf(tag, corner) for corner in corners]
        near = any(len(f) == len(wanted) and all(math.dist(p, q) < 1e-3 for p, q in zip(f, wanted)) for f in found)
        check(near, "no cut outline through %s at tag %s" % (wanted, tag))
    # The hole: the circle inscribed in its box, through the dot centres.
    hw = hundredths(settings["HoleWidth"])
    hh = hundredths(settings["HoleHeight"])
    left = int(settings["HoleWidthOffset"]) * W // 100 - hw
    top = int(settings["HoleHeightOffset"]) * H // 100 - hh
    holes = [e for e in doc.modelspace() if e.dxf.layer == "HOLES"]
    for tag in tags:
        centre = to_dxf(tag, (left + (2 * hw - 1) / 2, top + (2 * hh - 1) / 2))
        for hole in holes:
            if abs(hole.dxf.center.x - centre[0]) < 1e-3 and abs(hole.dxf.center.y - centre[1]) < 1e-3:
                break
        else:
            check(False, "no hole around %s" % (centre,))
    if hw == hh:
        check(all(h.dxftype() == "CIRCLE" for h in holes), "a round hole is a circle")
        check(all(abs(h.dxf.radius - (2 * hw - 1) / 2 * MM_PER_DOT) < 1e-3 for h in holes), "hole radius")


def check_oval(doc, settings, tags):
    W = hundredths(settings["Width"]) * 2
    H = hundredths(settings["Height"]) * 2
    # Inscribed in the box (0, 0, W - 1, H - 1), right and bottom exclusive.
    rx = (W - 2) / 2 * MM_PER_DOT
    ry = (H - 2) / 2 * MM_PER_DOT
    arcs = [arc for e in doc.modelspace() if e.dxf.layer == "CUT" for arc in e.virtual_entities()]
    check(arcs and all(e.dxftype() == "ARC" for e in arcs), "the oval is arcs only")
    worst = 0.0
    touched = set()
    for arc in arcs:
        for x, y in arc_points(arc):
            tag = min(tags, key=lambda t: abs(to_dxf(t, ((W - 2) / 2, (H - 2) / 2))[0] - x) + abs(to_dxf(t, ((W - 2) / 2, (H - 2) / 2))[1] - y))
            touched.add(tag)
            cx, cy = to_dxf(tag, ((W - 2) / 2, (H - 2) / 2))
            off = abs(math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * min(rx, ry)
            worst = max(worst, off)
    check(worst < 0.005, "the oval's arcs stray %.5f mm from the ellipse" % worst)
    check(touched == set(tags), "arcs on %d of %d tags" % (len(touched), len(tags)))
    print("oval: worst distance from the ellipse %.6f mm" % worst)


def main():
    tool, samples = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(os.path.join(samples, "pictures"), os.path.join(folder, "pictures"))
        design, settings = design_with(samples, folder, 0)
        W = hundredths(settings["Width"]) * 2
        H = hundredths(settings["Height"]) * 2
        tags = grid_between_four_marks(W, H)
        doc = run_cutfile(tool, design, os.path.join(folder, "standard.dxf"))
        check_layers_and_marks(doc)
        check_standard(doc, settings, tags)
        design, settings = design_with(samples, folder, 6)
        check_oval(run_cutfile(tool, design, os.path.join(folder, "oval.dxf")), settings, tags)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
