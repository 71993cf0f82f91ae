#include "output/CutFile.h"

#include "platform/Errors.h"
#include "platform/Units.h"
#include "platform/WholeFile.h"
#include "render/TagOutline.h"

#include <QFileInfo>
#include <QTextStream>

#include <cmath>
#include <numbers>

namespace veltmoor {

namespace {

constexpr double kMmPerTagDot = units::mmFromTagDots(1);

double mmAlong(int printerDots, int dotsPerInch) {
    return units::mmFromPrinterDots(printerDots, dotsPerInch);
}

// Tag dots on the printable area to millimetres on the paper.
struct PaperPlacement {
    double originX = 0; // the printable area's corner on the paper
    double originY = 0;

    PointF toPaper(PointF dots, double dx, double dy) const {
        return {originX + (dx + dots.x) * kMmPerTagDot, originY + (dy + dots.y) * kMmPerTagDot};
    }
};

VectorOutline placed(const VectorOutline& outline, const PaperPlacement& paper, int x, int y) {
    VectorOutline result = outline;
    for (OutlineSegment& segment : result) {
        segment.from = paper.toPaper(segment.from, x, y);
        segment.to = paper.toPaper(segment.to, x, y);
        segment.centre = paper.toPaper(segment.centre, x, y);
        segment.rx *= kMmPerTagDot;
        segment.ry *= kMmPerTagDot;
    }
    return result;
}

QString number(double value) {
    QString text = QString::number(value, 'f', 4);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

bool samePoint(PointF a, PointF b) {
    return std::abs(a.x - b.x) < 1e-6 && std::abs(a.y - b.y) < 1e-6;
}

// ---- SVG ------------------------------------------------------------------------------

QString svgPathData(const VectorOutline& outline) {
    QString data;
    PointF pen{std::nan(""), std::nan("")};
    const auto point = [](PointF p) { return number(p.x) + QLatin1Char(' ') + number(p.y); };
    for (const OutlineSegment& segment : outline) {
        if (!samePoint(pen, segment.from)) {
            data += QStringLiteral("M ") + point(segment.from) + QLatin1Char(' ');
        }
        if (segment.kind == OutlineSegment::Kind::Line) {
            data += QStringLiteral("L ") + point(segment.to) + QLatin1Char(' ');
        } else {
            // Halves at most, so that an arc's end never coincides with its start; sweep flag
            // 0 is counter-clockwise on the screen.
            const int pieces = segment.sweep > std::numbers::pi ? 2 : 1;
            for (int piece = 1; piece <= pieces; ++piece) {
                const PointF end =
                    segment.pointAt(segment.startAngle + segment.sweep * piece / pieces);
                data +=
                    QStringLiteral("A %1 %2 0 0 0 ").arg(number(segment.rx), number(segment.ry)) +
                    point(end) + QLatin1Char(' ');
            }
        }
        pen = segment.to;
    }
    return data.trimmed();
}

void svgGroup(QTextStream& out, const char* id, const char* colour,
              const std::vector<VectorOutline>& outlines) {
    out << "  <g id=\"" << id << "\" fill=\"none\" stroke=\"" << colour
        << "\" stroke-width=\"0.025\">\n";
    for (const VectorOutline& outline : outlines) {
        if (!outline.empty()) {
            out << "    <path d=\"" << svgPathData(outline) << "\"/>\n";
        }
    }
    out << "  </g>\n";
}

// ---- DXF ------------------------------------------------------------------------------

class DxfWriter {
public:
    explicit DxfWriter(double paperHeight) : paperHeight_(paperHeight) {}

    void line(const char* layer, PointF from, PointF to) {
        entity("LINE", layer);
        point(10, from);
        point(11, to);
    }

    void arcOrLine(const char* layer, const OutlineSegment& segment) {
        if (segment.kind == OutlineSegment::Kind::Line) {
            line(layer, segment.from, segment.to);
            return;
        }
        if (std::abs(segment.rx - segment.ry) < 1e-9) {
            circularArc(layer, segment.centre, segment.rx, segment.startAngle,
                        segment.startAngle + segment.sweep);
            return;
        }
        // Short pieces of the ellipse, each replaced by the circle through its ends and its
        // middle.
        constexpr double kPiecesPerTurn = 256;
        const int pieces = std::max(
            1,
            static_cast<int>(std::ceil(segment.sweep / (2 * std::numbers::pi) * kPiecesPerTurn)));
        for (int piece = 0; piece < pieces; ++piece) {
            const double from = segment.startAngle + segment.sweep * piece / pieces;
            const double to = segment.startAngle + segment.sweep * (piece + 1) / pieces;
            throughThreePoints(layer, segment.pointAt(from), segment.pointAt((from + to) / 2),
                               segment.pointAt(to));
        }
    }

    QByteArray finish(const QStringList& layers) {
        QString head;
        QTextStream out(&head);
        out << "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n";
        out << "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n70\n1\n"
               "0\nLTYPE\n2\nCONTINUOUS\n70\n0\n3\nSolid line\n72\n65\n73\n0\n40\n0.0\n"
               "0\nENDTAB\n";
        out << "0\nTABLE\n2\nLAYER\n70\n" << layers.size() << "\n";
        int colour = 1;
        for (const QString& layer : layers) {
            out << "0\nLAYER\n2\n" << layer << "\n70\n0\n62\n" << colour++ << "\n6\nCONTINUOUS\n";
        }
        out << "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
        out.flush();
        return (head + entities_ + QStringLiteral("0\nENDSEC\n0\nEOF\n")).toLatin1();
    }

private:
    void entity(const char* type, const char* layer) {
        entities_ +=
            QStringLiteral("0\n%1\n8\n%2\n").arg(QLatin1String(type), QLatin1String(layer));
    }

    // DXF's y axis points up from the paper's bottom edge.
    void point(int code, PointF p) {
        entities_ += QStringLiteral("%1\n%2\n%3\n%4\n%5\n0.0\n")
                         .arg(code)
                         .arg(number(p.x))
                         .arg(code + 10)
                         .arg(number(paperHeight_ - p.y))
                         .arg(code + 20);
    }

    void circularArc(const char* layer, PointF centre, double radius, double from, double to) {
        entity("ARC", layer);
        point(10, centre);
        constexpr double kDegrees = 180 / std::numbers::pi;
        entities_ += QStringLiteral("40\n%1\n50\n%2\n51\n%3\n")
                         .arg(number(radius), number(from * kDegrees), number(to * kDegrees));
    }

    // Angles are counter-clockwise with y upwards, which is how the outline runs.
    void throughThreePoints(const char* layer, PointF a, PointF m, PointF b) {
        const auto up = [this](PointF p) { return PointF{p.x, paperHeight_ - p.y}; };
        const PointF A = up(a);
        const PointF M = up(m);
        const PointF B = up(b);
        const double d = 2 * (A.x * (M.y - B.y) + M.x * (B.y - A.y) + B.x * (A.y - M.y));
        const double chord = std::hypot(B.x - A.x, B.y - A.y);
        if (std::abs(d) < 1e-12 * std::max(chord * chord, 1e-12)) {
            line(layer, a, b);
            return;
        }
        const double a2 = A.x * A.x + A.y * A.y;
        const double m2 = M.x * M.x + M.y * M.y;
        const double b2 = B.x * B.x + B.y * B.y;
        const PointF centre{(a2 * (M.y - B.y) + m2 * (B.y - A.y) + b2 * (A.y - M.y)) / d,
                            (a2 * (B.x - M.x) + m2 * (A.x - B.x) + b2 * (M.x - A.x)) / d};
        const double radius = std::hypot(A.x - centre.x, A.y - centre.y);
        double from = std::atan2(A.y - centre.y, A.x - centre.x);
        double to = std::atan2(B.y - centre.y, B.x - centre.x);
        if (d < 0) {
            std::swap(from, to); // the piece bends the other way: DXF arcs run anticlockwise
        }
        if (to < from) {
            to += 2 * std::numbers::pi;
        }
        circularArc(layer, up(centre), radius, from, to);
    }

    double paperHeight_;
    QString entities_;
};

} // namespace

CutSheet cutSheetFor(const CutSheetInput& input) {
    const PageMetrics& page = input.page;
    const bool paperKnown = page.PhysicalWidth > 0 && page.PhysicalHeight > 0;
    CutSheet sheet;
    PaperPlacement paper;
    if (paperKnown) {
        sheet.paperWidthMm = mmAlong(page.PhysicalWidth, page.PixelsPerInchX);
        sheet.paperHeightMm = mmAlong(page.PhysicalHeight, page.PixelsPerInchY);
        paper.originX = mmAlong(page.PhysicalOffsetX, page.PixelsPerInchX);
        paper.originY = mmAlong(page.PhysicalOffsetY, page.PixelsPerInchY);
    } else {
        sheet.paperWidthMm = mmAlong(page.PageWidth, page.PixelsPerInchX);
        sheet.paperHeightMm = mmAlong(page.PageHeight, page.PixelsPerInchY);
    }
    const int W = input.TagWidthDots;
    const int H = input.TagHeightDots;
    const VectorOutline tag = traceOutline(tagOutline(input.shapeIndex, W, H), W, H);
    const VectorOutline hole = traceOutline(holeOutline(W, H, input.hole), W, H);
    for (const TagPlacement& placement : input.placements) {
        sheet.tags.push_back(placed(tag, paper, placement.x, placement.y));
        if (!hole.empty()) {
            sheet.holes.push_back(placed(hole, paper, placement.x, placement.y));
        }
    }
    for (const Rect& mark : input.plan.marks) {
        const PointF topLeft = paper.toPaper({0, 0}, mark.left, mark.top);
        const PointF bottomRight = paper.toPaper({0, 0}, mark.right, mark.bottom);
        sheet.marks.push_back({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
    }
    return sheet;
}

QByteArray cutSheetSvg(const CutSheet& sheet) {
    QString text;
    QTextStream out(&text);
    const QString width = number(sheet.paperWidthMm);
    const QString height = number(sheet.paperHeightMm);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << width
        << "mm\" height=\"" << height << "mm\" viewBox=\"0 0 " << width << ' ' << height << "\">\n";
    svgGroup(out, "cut", "#ff0000", sheet.tags);
    svgGroup(out, "holes", "#0000ff", sheet.holes);
    if (!sheet.marks.empty()) {
        out << "  <g id=\"regmarks\" fill=\"#000000\" stroke=\"none\">\n";
        for (const RectF& mark : sheet.marks) {
            out << "    <rect x=\"" << number(mark.left) << "\" y=\"" << number(mark.top)
                << "\" width=\"" << number(mark.right - mark.left) << "\" height=\""
                << number(mark.bottom - mark.top) << "\"/>\n";
        }
        out << "  </g>\n";
    }
    out << "</svg>\n";
    out.flush();
    return text.toUtf8();
}

QByteArray cutSheetDxf(const CutSheet& sheet) {
    DxfWriter dxf(sheet.paperHeightMm);
    for (const VectorOutline& tag : sheet.tags) {
        for (const OutlineSegment& segment : tag) {
            dxf.arcOrLine("CUT", segment);
        }
    }
    for (const VectorOutline& hole : sheet.holes) {
        for (const OutlineSegment& segment : hole) {
            dxf.arcOrLine("HOLES", segment);
        }
    }
    for (const RectF& mark : sheet.marks) {
        const PointF corners[4] = {{mark.left, mark.top},
                                   {mark.right, mark.top},
                                   {mark.right, mark.bottom},
                                   {mark.left, mark.bottom}};
        for (int side = 0; side < 4; ++side) {
            dxf.line("REGMARKS", corners[side], corners[(side + 1) % 4]);
        }
    }
    return dxf.finish({QStringLiteral("CUT"), QStringLiteral("HOLES"), QStringLiteral("REGMARKS")});
}

void writeCutFile(const QString& path, const CutSheet& sheet) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        writeWholeFile(path, cutSheetSvg(sheet));
    } else if (suffix == QLatin1String("dxf")) {
        writeWholeFile(path, cutSheetDxf(sheet));
    } else {
        throw UserError(QStringLiteral("Cannot save \"%1\": a cut file's name must end in .svg or "
                                       ".dxf.")
                            .arg(path));
    }
}

} // namespace veltmoor
