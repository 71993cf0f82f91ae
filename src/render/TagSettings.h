#pragma once

#include "platform/Canvas.h"
#include "platform/TColor.h"

namespace veltmoor {

// Shape indices in the order of the shape choice.
enum TagShapeIndex : int {
    kShapeNone = -1,
    kShapeStandard = 0,
    kShapeRectangle,
    kShapeRoundedCorners,
    kShapeSouthwestern,
    kShapeTapered,
    kShapeCurvedEnds,
    kShapeOvalCircle,
    kShapeBowTie,
    kShapeScalloped,
    kShapeTriangle,
    kShapeKeyhole,
    kShapeFanTapered,
    kShapeFanKeyhole,
    kShapeFanCurvedEnd,
    kShapeTicket,
    kShapeCount
};

constexpr bool isFanShape(int shapeIndex) {
    return shapeIndex >= kShapeFanTapered && shapeIndex <= kShapeFanCurvedEnd;
}

enum CutLineType : int { kCutLineNone = 0, kCutLineThin = 1 };
enum CornerPlace : int { kCornerUL = 0, kCornerLL = 1, kCornerUR = 2, kCornerLR = 3 };
enum EdgePlace : int { kEdgeTop = 0, kEdgeBottom = 1, kEdgeLeft = 2, kEdgeRight = 3 };
enum TextBlockAlignment : int { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

// The hanging hole: sizes in hundredths of an inch (used as half-sizes in tag dots),
// offsets in percent of the tag.
struct HoleSettings {
    int width = 12;
    int height = 12;
    int widthOffset = 50;
    int heightOffset = 6;
    bool noHole = false;
    friend bool operator==(const HoleSettings&, const HoleSettings&) = default;
};

// Everything a composition reads that is the same for every tag of the sheet.
struct TagSettings {
    int shapeIndex = kShapeStandard;
    int cutLineType = kCutLineThin;
    bool blankSheet = false;
    HoleSettings hole;
    Font valueFont{QStringLiteral("Times New Roman"), 18, {.bold = true}, clBlack};
    Font textFont{QStringLiteral("Arial"), 10, {.bold = true}, clRed};
    Font textBlockFont{QStringLiteral("Times New Roman"), 10, {.bold = true}, clWindowText};
    int valuePlace = kCornerUR;
    int edgePlace = kEdgeRight;
    int textBlockAlignment = kAlignCenter;
    int textBlockWidthOffset = 30;
    int textBlockHeightOffset = 90;
    int TextBlockWidth = 0; // widest text-block line, measured when the block's text changes
    friend bool operator==(const TagSettings&, const TagSettings&) = default;
};

enum class RenderMode { Single, Preview, Print };

// The printable page of the current printer, in printer dots, and where it lies on the
// paper. A paper size of 0 (not known) stands for paper no larger than the printable page.
struct PageMetrics {
    int PageWidth = 0;
    int PageHeight = 0;
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    int PhysicalOffsetX = 0;
    int PhysicalOffsetY = 0;
    friend bool operator==(const PageMetrics&, const PageMetrics&) = default;
};

} // namespace veltmoor
