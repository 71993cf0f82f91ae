#pragma once

#include "output/RegistrationMarks.h"
#include "output/SheetLayout.h"
#include "render/TagSettings.h"
#include "render/VectorOutline.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace veltmoor {

struct RectF {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Everything a cutting machine needs of a printed sheet, in millimetres from the paper's
// top-left corner, y downwards: the outline of every placed tag, every hole and the marks.
struct CutSheet {
    double paperWidthMm = 0;
    double paperHeightMm = 0;
    std::vector<VectorOutline> tags;
    std::vector<VectorOutline> holes;
    std::vector<RectF> marks;
};

// What decides where the cuts go on the paper.
struct CutSheetInput {
    int shapeIndex = kShapeStandard;
    HoleSettings hole;
    int TagWidthDots = 0;
    int TagHeightDots = 0;
    std::vector<TagPlacement> placements; // in tag dots on the printable area
    SheetPlan plan;
    PageMetrics page;
};

CutSheet cutSheetFor(const CutSheetInput& input);

// The sheet as SVG: sized in millimetres with a viewBox in millimetres, one path per tag in
// the group "cut" and per hole in "holes", each closed (ending in Z) unless a hole runs off
// its tag, the marks in "regmarks", strokes a hairline wide.
QByteArray cutSheetSvg(const CutSheet& sheet);

// The sheet as DXF R12 in millimetres (y upwards, as DXF has it) on the layers CUT, HOLES and
// REGMARKS: every tag and hole one closed POLYLINE whose arcs are bulges (a round hole a
// CIRCLE), the marks LINE entities. R12 has no ellipse, so elliptical arcs become a chain of
// circular arcs that stays within a thousandth of a millimetre of the ellipse.
QByteArray cutSheetDxf(const CutSheet& sheet);

// Writes the sheet as SVG or DXF by the file name's ending; the file is replaced whole or
// left as it was. Throws UserError naming the file for another ending or a failed write.
void writeCutFile(const QString& path, const CutSheet& sheet);

} // namespace veltmoor
