#include "output/CutFile.h"

#include "platform/Errors.h"
#include "platform/Units.h"
#include "platform/WholeFile.h"
#include "render/TagOutline.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

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

// ---- SVG ------------------------------------------------------------------------------

QString svgPoint(PointF p) {
    return number(p.x) + QLatin1Char(' ') + number(p.y);
}

QString svgPathData(const VectorOutline& outline) {
    QString data;
    for (const OutlineRun& run : outlineRuns(outline)) {
        data += QStringLiteral("M ") + svgPoint(outline[run.first].from);
        for (std::size_t at = run.first; at < run.end; ++at) {
            const OutlineSegment& segment = outline[at];
            if (segment.kind == OutlineSegment::Kind::Line) {
                data += QStringLiteral(" L ") + svgPoint(segment.to);
                continue;
            }
            // Halves at most, so that an arc's end never coincides with its start; sweep
            // flag 0 is counter-clockwise on the screen.
            const int pieces = std::abs(segment.sweep) > std::numbers::pi ? 2 : 1;
            const QString arc = QStringLiteral(" A %1 %2 0 0 %3 ")
                                    .arg(number(segment.rx), number(segment.ry))
                                    .arg(segment.sweep > 0 ? 0 : 1);
            for (int piece = 1; piece <= pieces; ++piece) {
                const PointF end =
                    piece == pieces
                        ? segment.to
                        : segment.pointAt(segment.startAngle + segment.sweep * piece / pieces);
                data += arc + svgPoint(end);
            }
        }
        data += run.closed ? QStringLiteral(" Z ") : QStringLiteral(" ");
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

    // Each path of an outline as one POLYLINE whose arcs are bulges, closed where it closes;
    // a whole circle as a CIRCLE. An ellipse becomes short pieces, each the circle through
    // its ends and its middle, within a thousandth of a millimetre of the ellipse.
    void outline(const char* layer, const VectorOutline& outline) {
        for (const OutlineRun& run : outlineRuns(outline)) {
            const std::span<const OutlineSegment> path(outline.begin() + run.first,
                                                       outline.begin() + run.end);
            if (run.closed && wholeCircle(path)) {
                entity("CIRCLE", layer);
                point(10, path.front().centre);
                entities_ += QStringLiteral("40\n%1\n").arg(number(path.front().rx));
                continue;
            }
            entity("POLYLINE", layer);
            entities_ += QStringLiteral("66\n1\n10\n0.0\n20\n0.0\n30\n0.0\n70\n%1\n")
                             .arg(run.closed ? 1 : 0);
            for (const OutlineSegment& segment : path) {
                vertices(layer, segment);
            }
            if (!run.closed) {
                vertex(layer, path.back().to, 0);
            }
            entity("SEQEND", layer);
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

    // The vertices from a segment's start up to its end, which the next vertex gives.
    void vertices(const char* layer, const OutlineSegment& segment) {
        if (segment.kind == OutlineSegment::Kind::Line) {
            vertex(layer, segment.from, 0);
            return;
        }
        constexpr double kPiecesPerTurn = 256;
        const bool circular = std::abs(segment.rx - segment.ry) < 1e-9;
        const double turns = std::abs(segment.sweep) / (2 * std::numbers::pi);
        const int pieces =
            std::max(1, static_cast<int>(std::ceil(turns * (circular ? 2 : kPiecesPerTurn))));
        PointF start = segment.from;
        for (int piece = 1; piece <= pieces; ++piece) {
            const double along = segment.startAngle + segment.sweep * piece / pieces;
            const PointF end = piece == pieces ? segment.to : segment.pointAt(along);
            const PointF middle = segment.pointAt(along - segment.sweep / pieces / 2);
            vertex(layer, start, bulge(start, middle, end));
            start = end;
        }
    }

    void vertex(const char* layer, PointF p, double bulge) {
        entity("VERTEX", layer);
        point(10, p);
        if (bulge != 0) {
            entities_ += QStringLiteral("42\n%1\n").arg(bulge, 0, 'g', 12);
        }
    }

    static bool wholeCircle(std::span<const OutlineSegment> path) {
        double sweep = 0;
        for (const OutlineSegment& segment : path) {
            const OutlineSegment& first = path.front();
            if (segment.kind != OutlineSegment::Kind::Arc ||
                std::abs(segment.rx - segment.ry) > 1e-9 ||
                std::abs(segment.centre.x - first.centre.x) > 1e-9 ||
                std::abs(segment.centre.y - first.centre.y) > 1e-9) {
                return false;
            }
            sweep += std::abs(segment.sweep);
        }
        return std::abs(sweep - 2 * std::numbers::pi) < 1e-9;
    }

    // The bulge of the circular arc from a through m to b: the tangent of a quarter of the
    // angle it turns through, positive when it runs anticlockwise in DXF's y-up plane, which
    // is anticlockwise on the screen too. The angle at m is half the arc's remainder.
    static double bulge(PointF a, PointF m, PointF b) {
        const double ax = a.x - m.x;
        const double ay = a.y - m.y;
        const double bx = b.x - m.x;
        const double by = b.y - m.y;
        const double cross = ax * by - ay * bx; // positive when anticlockwise, y downwards
        const double atMiddle = std::atan2(std::abs(cross), ax * bx + ay * by);
        const double size = std::tan((std::numbers::pi - atMiddle) / 2);
        return cross > 0 ? size : -size;
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
    const VectorOutline tag = joinOutline(traceOutline(tagOutline(input.shapeIndex, W, H), W, H));
    const VectorOutline hole = joinOutline(traceOutline(holeOutline(W, H, input.hole), W, H));
    for (const TagPlacement& placement : input.placements) {
        if (!tag.empty()) {
            sheet.tags.push_back(placed(tag, paper, placement.x, placement.y));
        }
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
        dxf.outline("CUT", tag);
    }
    for (const VectorOutline& hole : sheet.holes) {
        dxf.outline("HOLES", hole);
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
