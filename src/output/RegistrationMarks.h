#pragma once

#include "platform/Bitmap.h"
#include "render/PageGrid.h"
#include "render/TagSettings.h"

#include <QString>

#include <optional>
#include <vector>

namespace veltmoor {

// The marks a cutting machine's camera finds the printed sheet by, in the order the window
// offers them.
enum class CuttingMarks {
    None,
    ThreeMark, // a filled square at the top-left, L-brackets at the top-right and bottom-left
    FourMark,  // an L-bracket at every corner
};

// How the design file and the command line name the marks: "none", "3", "4".
QString cuttingMarksName(CuttingMarks marks);
std::optional<CuttingMarks> cuttingMarksFromName(const QString& name);

// Sizes of the marks in hundredths of a millimetre, as cutting machines expect them.
constexpr int kMarkInset = 1000; // each mark's outer corner from the paper's edges
constexpr int kMarkSquare = 500;
constexpr int kMarkArm = 2000;
constexpr int kMarkLine = 30;
constexpr int kMarkClearance = 200; // kept free of tags around every mark

// The sheet's tag grid and the marks printed with it, in tag dots from the top-left corner
// of the printable area.
struct SheetPlan {
    PageGrid grid;
    std::vector<Rect> marks; // the filled rectangles the marks are made of
    // Marks were asked for, but the printable area does not reach where they belong; the
    // sheet is laid out and printed without them.
    bool marksOutOfReach = false;
    QString sizeLabel;
};

// Lays out the sheet. Without marks the grid is the plain page grid. With marks the grid is
// centred in the area the marks enclose, kept clear of them.
SheetPlan planSheet(const PageMetrics& page, CuttingMarks marks, int tagWidthDots,
                    int tagHeightDots);

// Paints the plan's marks black onto the composed sheet.
void drawRegistrationMarks(Bitmap& sheet, const SheetPlan& plan);

} // namespace veltmoor
