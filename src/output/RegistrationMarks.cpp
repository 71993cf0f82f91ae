#include "output/RegistrationMarks.h"

#include "platform/Canvas.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace veltmoor {

QString cuttingMarksName(CuttingMarks marks) {
    switch (marks) {
    case CuttingMarks::ThreeMark:
        return QStringLiteral("3");
    case CuttingMarks::FourMark:
        return QStringLiteral("4");
    case CuttingMarks::None:
        break;
    }
    return QStringLiteral("none");
}

std::optional<CuttingMarks> cuttingMarksFromName(const QString& name) {
    for (const CuttingMarks marks :
         {CuttingMarks::None, CuttingMarks::ThreeMark, CuttingMarks::FourMark}) {
        if (name == cuttingMarksName(marks)) {
            return marks;
        }
    }
    return std::nullopt;
}

namespace {

// The paper, in hundredths of a millimetre, and how a place on it maps to the tag dots of the
// sheet, which start at the printable area's corner.
class Paper {
public:
    explicit Paper(const PageMetrics& page) {
        if (page.PhysicalWidth > 0 && page.PhysicalHeight > 0) {
            across_ = {page.PhysicalWidth, page.PhysicalOffsetX, page.PixelsPerInchX};
            down_ = {page.PhysicalHeight, page.PhysicalOffsetY, page.PixelsPerInchY};
        } else {
            across_ = {page.PageWidth, 0, page.PixelsPerInchX};
            down_ = {page.PageHeight, 0, page.PixelsPerInchY};
        }
    }

    std::int64_t width() const { return across_.length(); }
    std::int64_t height() const { return down_.length(); }

    // A rectangle given in hundredths of a millimetre on the paper, in sheet dots; each edge
    // to the nearest dot.
    Rect toSheet(std::int64_t left, std::int64_t top, std::int64_t right,
                 std::int64_t bottom) const {
        return {across_.nearestDot(left), down_.nearestDot(top), across_.nearestDot(right),
                down_.nearestDot(bottom)};
    }

    // As many tags as whole dots of the sheet inside [from, to) on the paper hold, centred
    // between from and to to the nearest dot.
    void centredRun(bool horizontal, std::int64_t from, std::int64_t to, int tagSize, int& count,
                    int& margin) const {
        const Axis& axis = horizontal ? across_ : down_;
        const int first = axis.dotAtOrAfter(from);
        const int end = axis.dotAtOrBefore(to);
        count = std::max(end - first, 0) / tagSize;
        const std::int64_t run = static_cast<std::int64_t>(count) * tagSize;
        const std::int64_t centred = Axis::floorDiv(axis.scaled(from) + axis.scaled(to) -
                                                        run * axis.divisor() + axis.divisor(),
                                                    2 * axis.divisor());
        margin = static_cast<int>(std::max<std::int64_t>(first, std::min(centred, end - run)));
    }

private:
    struct Axis {
        std::int64_t printerDots = 0;
        std::int64_t offset = 0; // printer dots from the paper's edge to the printable area
        std::int64_t dotsPerInch = 0;

        std::int64_t length() const {
            return dotsPerInch > 0 ? printerDots * 2540 / dotsPerInch : 0;
        }
        // Sheet dots from the printable area's edge, times 2540 * dotsPerInch.
        std::int64_t scaled(std::int64_t hundredths) const {
            return (hundredths * dotsPerInch - offset * 2540) * 200;
        }
        std::int64_t divisor() const { return 2540 * std::max<std::int64_t>(dotsPerInch, 1); }
        int nearestDot(std::int64_t hundredths) const {
            return static_cast<int>(floorDiv(2 * scaled(hundredths) + divisor(), 2 * divisor()));
        }
        int dotAtOrAfter(std::int64_t hundredths) const {
            return static_cast<int>(-floorDiv(-scaled(hundredths), divisor()));
        }
        int dotAtOrBefore(std::int64_t hundredths) const {
            return static_cast<int>(floorDiv(scaled(hundredths), divisor()));
        }
        static std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
            return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
        }
    };
    Axis across_;
    Axis down_;
};

// The two arms of an L-bracket whose outer corner is (x, y) on the paper; the arms run
// towards (x + arm * across, y + arm * down).
void addBracket(std::vector<Rect>& marks, const Paper& paper, std::int64_t x, std::int64_t y,
                int across, int down) {
    const auto box = [&](std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
        return paper.toSheet(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2),
                             std::max(y1, y2));
    };
    marks.push_back(box(x, y, x + kMarkArm * across, y + kMarkLine * down));
    marks.push_back(box(x, y, x + kMarkLine * across, y + kMarkArm * down));
}

std::vector<Rect> marksOnSheet(CuttingMarks kind, const Paper& paper) {
    const std::int64_t right = paper.width() - kMarkInset;
    const std::int64_t bottom = paper.height() - kMarkInset;
    std::vector<Rect> marks;
    if (kind == CuttingMarks::ThreeMark) {
        marks.push_back(paper.toSheet(kMarkInset, kMarkInset, kMarkInset + kMarkSquare,
                                      kMarkInset + kMarkSquare));
    } else {
        addBracket(marks, paper, kMarkInset, kMarkInset, 1, 1);
    }
    addBracket(marks, paper, right, kMarkInset, -1, 1);
    addBracket(marks, paper, kMarkInset, bottom, 1, -1);
    if (kind == CuttingMarks::FourMark) {
        addBracket(marks, paper, right, bottom, -1, -1);
    }
    return marks;
}

bool within(const Rect& mark, int width, int height) {
    return mark.left >= 0 && mark.top >= 0 && mark.right <= width && mark.bottom <= height;
}

// How far in from the paper's edges the tags must stay: the marks' inset, the widest band a
// mark covers along an edge (the square's side, or a bracket's line) and the clearance. The
// same on every side, so that the grid stays centred between the marks.
int tagInset(CuttingMarks kind) {
    const int band = kind == CuttingMarks::ThreeMark ? kMarkSquare : kMarkLine;
    return kMarkInset + band + kMarkClearance;
}

PageGrid gridBetweenMarks(const PageMetrics& page, const Paper& paper, CuttingMarks kind,
                          int tagWidthDots, int tagHeightDots) {
    PageGrid grid;
    grid.SheetWidth = sheetWidthDots(page);
    grid.SheetHeight = sheetHeightDots(page);
    if (tagWidthDots <= 0 || tagHeightDots <= 0) {
        return grid;
    }
    const int inset = tagInset(kind);
    paper.centredRun(true, inset, paper.width() - inset, tagWidthDots, grid.TagsAcross,
                     grid.SheetMarginX);
    paper.centredRun(false, inset, paper.height() - inset, tagHeightDots, grid.TagsDown,
                     grid.SheetMarginY);
    return grid;
}

// The columns and rows the marks cost against the plain page grid, as words ("1 column and
// 2 rows"); empty when they cost none, so the user learns why the counts dropped.
QString roomTakenByMarks(const PageGrid& plain, const PageGrid& marked) {
    const auto count = [](int lost, const char* one, const char* many) {
        return lost <= 0
                   ? QString()
                   : QStringLiteral("%1 %2").arg(lost).arg(QLatin1String(lost == 1 ? one : many));
    };
    QStringList parts{count(plain.TagsAcross - marked.TagsAcross, "column", "columns"),
                      count(plain.TagsDown - marked.TagsDown, "row", "rows")};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" and "));
}

} // namespace

SheetPlan planSheet(const PageMetrics& page, CuttingMarks marks, int tagWidthDots,
                    int tagHeightDots) {
    SheetPlan plan;
    const PageGrid plain = computePageGrid(page, tagWidthDots, tagHeightDots);
    plan.grid = plain;
    if (marks != CuttingMarks::None) {
        const Paper paper(page);
        plan.marks = marksOnSheet(marks, paper);
        plan.marksOutOfReach =
            std::any_of(plan.marks.begin(), plan.marks.end(), [&](const Rect& mark) {
                return !within(mark, plan.grid.SheetWidth, plan.grid.SheetHeight);
            });
        if (plan.marksOutOfReach) {
            plan.marks.clear();
        } else {
            plan.grid = gridBetweenMarks(page, paper, marks, tagWidthDots, tagHeightDots);
        }
    }
    plan.sizeLabel = sizeLabelText(tagWidthDots, tagHeightDots, plan.grid);
    const QString cost = roomTakenByMarks(plain, plan.grid);
    if (!cost.isEmpty()) {
        plan.sizeLabel +=
            QStringLiteral(" (the marks for the cutting machine take the room of %1)").arg(cost);
    }
    if (plan.marksOutOfReach) {
        plan.sizeLabel += QStringLiteral(" (the printable area does not reach the marks for the "
                                         "cutting machine, so none are printed)");
    }
    return plan;
}

void drawRegistrationMarks(Bitmap& sheet, const SheetPlan& plan) {
    if (plan.marks.empty()) {
        return;
    }
    Canvas canvas(sheet);
    canvas.brush() = Brush{clBlack, BrushStyle::Solid};
    for (const Rect& mark : plan.marks) {
        canvas.fillRect(mark);
    }
}

} // namespace veltmoor
