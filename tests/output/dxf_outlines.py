#!/usr/bin/env python3
"""Reads DXF cut files with ezdxf, a reader of its own, and prints for each file, as one JSON
object, the outlines on the layers CUT and HOLES: the entity's kind, whether it is closed,
the widest gap between the ends of the lines and arcs it consists of, and points along it
(in the file's millimetres) no further than a micrometre from it.

usage: dxf_outlines.py FILE.dxf...
"""
import json
import math
import sys

import ezdxf
from ezdxf import path


def ends(entity):
    if entity.dxftype() == "LINE":
        return [entity.dxf.start, entity.dxf.end]
    return [entity.start_point, entity.end_point]


def widest_joint(entity):
    """The gap between each piece and the next, the last meeting the first again; ARC
    entities always run anticlockwise, so either end of a piece may be the one that meets."""
    if entity.dxftype() != "POLYLINE":
        return 0.0
    pieces = [ends(piece) for piece in entity.virtual_entities()]
    widest = 0.0
    for piece, following in zip(pieces, pieces[1:] + pieces[:1]):
        widest = max(widest, min(math.dist(a, b) for a in piece for b in following))
    return widest


def outline(entity):
    closed = entity.dxftype() == "CIRCLE" or (entity.dxftype() == "POLYLINE" and entity.is_closed)
    points = [[p.x, p.y] for p in path.make_path(entity).flattening(distance=0.001)]
    return {"kind": entity.dxftype(), "closed": closed, "widestJoint": widest_joint(entity), "points": points}


def main():
    files = {}
    for name in sys.argv[1:]:
        layers = {"CUT": [], "HOLES": []}
        for entity in ezdxf.readfile(name).modelspace():
            if entity.dxf.layer in layers:
                layers[entity.dxf.layer].append(outline(entity))
        files[name] = layers
    json.dump(files, sys.stdout)


if __name__ == "__main__":
    main()
