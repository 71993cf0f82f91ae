#include "render/BarcodeDrawing.h"

#include "platform/Errors.h"
#include "render/HoleTag.h"
#include "render/PageGrid.h"
#include "render/TagStencil.h"
#include "render/TextBlockLines.h"

#include <algorithm>

namespace veltmoor {

namespace {

// In modules, measured from the code's first bar; negative columns lie in the left quiet zone.
struct ModuleRange {
    int first = 0;
    int end = 0;
};

enum class DigitAlign { Center, Right, Left };

// A run of digits under the bars: centred over its modules, or pressed against the bars from
// outside them (the number system and check digits of UPC-A, the first digit of EAN-13).
struct DigitGroup {
    qsizetype firstCharacter = 0;
    qsizetype characterCount = 0;
    ModuleRange modules;
    DigitAlign align = DigitAlign::Center;
};

struct SymbologyLayout {
    int quietLeft = 0;
    int quietRight = 0;
    int quietVertical = 0;
    std::vector<ModuleRange> guards;
    std::vector<DigitGroup> digits;
};

SymbologyLayout symbologyLayout(Symbology symbology, int columns, qsizetype textLength) {
    switch (symbology) {
    case Symbology::Ean13:
        return {11,
                7,
                0,
                {{0, 3}, {45, 50}, {92, 95}},
                {{0, 1, {-10, -1}, DigitAlign::Right}, {1, 6, {3, 45}}, {7, 6, {50, 92}}}};
    case Symbology::UpcA:
        return {9,
                9,
                0,
                {{0, 10}, {45, 50}, {85, 95}},
                {{0, 1, {-8, -1}, DigitAlign::Right},
                 {1, 5, {10, 45}},
                 {6, 5, {50, 85}},
                 {11, 1, {96, 103}, DigitAlign::Left}}};
    case Symbology::Ean8:
        return {7, 7, 0, {{0, 3}, {31, 36}, {64, 67}}, {{0, 4, {3, 31}}, {4, 4, {36, 64}}}};
    case Symbology::Code128:
        return {10, 10, 0, {}, {{0, textLength, {0, columns}}}};
    default:
        return {4, 4, 4, {}, {}};
    }
}

// The digits' font, made smaller until every group fits the room it has.
Font fittingDigitFont(Font font, const SymbologyLayout& layout, const QString& text, int moduleDots,
                      const TextMeasure& measure) {
    const auto fits = [&] {
        return std::all_of(
            layout.digits.begin(), layout.digits.end(), [&](const DigitGroup& group) {
                const QString digits = text.mid(group.firstCharacter, group.characterCount);
                const int room = (group.modules.end - group.modules.first) * moduleDots;
                return measure.width(font, digits) <= room;
            });
    };
    while (font.sizePoints > 1 && !fits()) {
        --font.sizePoints;
    }
    return font;
}

bool isGuard(const SymbologyLayout& layout, int column) {
    return std::any_of(layout.guards.begin(), layout.guards.end(), [&](const ModuleRange& guard) {
        return column >= guard.first && column < guard.end;
    });
}

} // namespace

BarcodeBlock layoutBarcodeBlock(const BarcodeSymbol& symbol, int moduleDots, int barHeightDots,
                                const Font& digitFont, const TextMeasure& measure) {
    const int m = moduleDots;
    const SymbologyLayout layout =
        symbologyLayout(symbol.symbology, symbol.columns, symbol.humanReadable.size());
    const bool matrix = symbol.rows > 1;
    const int rowHeight = matrix ? m : barHeightDots;
    const int left = layout.quietLeft * m;
    const int top = layout.quietVertical * m;

    BarcodeBlock block;
    block.width = (layout.quietLeft + symbol.columns + layout.quietRight) * m;
    block.height = top + symbol.rows * rowHeight + layout.quietVertical * m;
    if (!layout.digits.empty()) {
        const Font font = fittingDigitFont(digitFont, layout, symbol.humanReadable, m, measure);
        const int digitsTop = top + symbol.rows * rowHeight + m;
        const int digitHeight = measure.height(font, QStringLiteral("0"));
        block.height = digitsTop + digitHeight;
        for (const DigitGroup& group : layout.digits) {
            const QString digits =
                symbol.humanReadable.mid(group.firstCharacter, group.characterCount);
            const int width = measure.width(font, digits);
            const int from = left + group.modules.first * m;
            const int to = left + group.modules.end * m;
            int x = from + (to - from - width) / 2;
            if (group.align == DigitAlign::Right) {
                x = to - width;
            } else if (group.align == DigitAlign::Left) {
                x = from;
            }
            block.digits.push_back({digits, x, digitsTop, font});
        }
        // The guard bars reach halfway down the digits.
        const int guardBottom = digitsTop + digitHeight / 2;
        for (int column = 0; column < symbol.columns; ++column) {
            if (symbol.isDark(column, 0) && isGuard(layout, column)) {
                block.darkAreas.push_back(
                    {left + column * m, top + rowHeight, left + (column + 1) * m, guardBottom});
            }
        }
    }
    for (int row = 0; row < symbol.rows; ++row) {
        for (int column = 0; column < symbol.columns;) {
            if (!symbol.isDark(column, row)) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < symbol.columns && symbol.isDark(column, row)) {
                ++column;
            }
            block.darkAreas.push_back({left + first * m, top + row * rowHeight, left + column * m,
                                       top + (row + 1) * rowHeight});
        }
    }
    return block;
}

void paintBarcodeBlock(Canvas& canvas, Point topLeft, const BarcodeBlock& block) {
    const auto moved = [&](const Rect& area) {
        return Rect{area.left + topLeft.x, area.top + topLeft.y, area.right + topLeft.x,
                    area.bottom + topLeft.y};
    };
    canvas.brush() = Brush{clWhite, BrushStyle::Solid};
    canvas.fillRect(moved({0, 0, block.width, block.height}));
    canvas.brush().color = clBlack;
    for (const Rect& area : block.darkAreas) {
        canvas.fillRect(moved(area));
    }
    canvas.brush().style = BrushStyle::Clear;
    for (const TagTextDraw& draw : block.digits) {
        canvas.font() = draw.font;
        canvas.textOut(draw.x + topLeft.x, draw.y + topLeft.y, draw.text);
    }
}

Point barcodePosition(BarcodePlacement placement, int blockWidth, int blockHeight, int W, int H,
                      const TagSettings& settings) {
    const int centred = (W - blockWidth) / 2;
    switch (placement) {
    case BarcodePlacement::Top: {
        int top = kTagTextMargin;
        const Rect hole = HoleRect(W, H, settings.hole);
        // Under the hole when the hole hangs from the top half of the tag.
        if (!settings.hole.noHole && hole.top < H / 2) {
            top = std::max(top, hole.bottom + kTagTextMargin);
        }
        return {centred, top};
    }
    case BarcodePlacement::TextBlock:
        return {settings.textBlockWidthOffset * W / 100, settings.textBlockHeightOffset * H / 100};
    case BarcodePlacement::Bottom:
        break;
    }
    return {centred, H - kTagTextMargin - blockHeight};
}

bool fitsInside(const Rect& area, const std::vector<Span>& inside) {
    const Rect needed{area.left - kBarcodeClearance, area.top - kBarcodeClearance,
                      area.right + kBarcodeClearance, area.bottom + kBarcodeClearance};
    auto run = inside.begin();
    for (int y = needed.top; y < needed.bottom; ++y) {
        run = std::lower_bound(run, inside.end(), y,
                               [](const Span& span, int row) { return span.y < row; });
        bool covered = false;
        for (; run != inside.end() && run->y == y && !covered; ++run) {
            covered = run->left <= needed.left && run->right >= needed.right;
        }
        if (!covered) {
            return false;
        }
    }
    return true;
}

namespace {

QString settingsProblem(const TagBarcode& barcode) {
    const QString caption = symbologyCaption(barcode.symbology);
    if (barcode.moduleDots < kMinBarcodeModuleDots || barcode.moduleDots > kMaxBarcodeModuleDots) {
        return QStringLiteral("the %1 module width of %2 dots is not 2, 3 or 4")
            .arg(caption)
            .arg(barcode.moduleDots);
    }
    if (barcode.heightHundredths < kMinBarcodeHeight ||
        barcode.heightHundredths > kMaxBarcodeHeight) {
        return QStringLiteral("the %1 height of %2 inches is not between %3 and %4")
            .arg(caption, inchText(barcode.heightHundredths), inchText(kMinBarcodeHeight),
                 inchText(kMaxBarcodeHeight));
    }
    return QString();
}

// A tag's code laid out where it goes on a W x H tag, or why it cannot be drawn there.
struct PlacedBarcode {
    QString problem;
    BarcodeBlock block;
    Point position;
};

PlacedBarcode placeTagBarcode(const TagBarcode& barcode, const TagSettings& settings, int W, int H,
                              const std::vector<Span>& inside) {
    if (const QString problem = settingsProblem(barcode); !problem.isEmpty()) {
        return {problem, {}, {}};
    }
    const BarcodeEncoding encoding = encodeBarcode(barcode.symbology, barcode.data);
    if (!encoding.symbol) {
        return {encoding.problem, {}, {}};
    }
    const PlatformTextMeasure measure;
    PlacedBarcode placed;
    placed.block =
        layoutBarcodeBlock(*encoding.symbol, barcode.moduleDots, barcode.heightHundredths * 2,
                           tagTextFont(settings.textFont, clBlack), measure);
    const BarcodeBlock& block = placed.block;
    placed.position = barcodePosition(barcode.placement, block.width, block.height, W, H, settings);
    const Point& at = placed.position;
    if (!fitsInside({at.x, at.y, at.x + block.width, at.y + block.height}, inside)) {
        placed.problem =
            QStringLiteral("the %1 code does not fit inside the tag at %2 dots a module")
                .arg(symbologyCaption(barcode.symbology))
                .arg(barcode.moduleDots);
    }
    return placed;
}

} // namespace

QString drawTagBarcode(Canvas& tag, const TagBarcode& barcode, const TagSettings& settings,
                       const std::vector<Span>& inside) {
    if (!barcode.isSet()) {
        return QString();
    }
    const PlacedBarcode placed =
        placeTagBarcode(barcode, settings, tag.bitmap().width(), tag.bitmap().height(), inside);
    if (placed.problem.isEmpty()) {
        paintBarcodeBlock(tag, placed.position, placed.block);
    }
    return placed.problem;
}

QString tagBarcodeProblem(const TagBarcode& barcode, const TagSettings& settings, int W, int H) {
    if (!barcode.isSet()) {
        return QString();
    }
    const std::shared_ptr<const TagStencil> stencil =
        tagStencil({settings.shapeIndex, W, H, settings.hole});
    return placeTagBarcode(barcode, settings, W, H, stencil->background).problem;
}

Bitmap barcodePicture(const TagBarcode& barcode, const Font& digitFont) {
    const BarcodeEncoding encoding = encodeBarcode(barcode.symbology, barcode.data);
    const QString settings = settingsProblem(barcode);
    if (!encoding.symbol || !settings.isEmpty()) {
        QString reason = settings.isEmpty() ? encoding.problem : settings;
        reason[0] = reason[0].toUpper();
        throw UserError(reason + QLatin1Char('.'));
    }
    const PlatformTextMeasure measure;
    const BarcodeBlock block = layoutBarcodeBlock(*encoding.symbol, barcode.moduleDots,
                                                  barcode.heightHundredths * 2, digitFont, measure);
    Bitmap picture(block.width, block.height, clWhite);
    Canvas canvas(picture);
    paintBarcodeBlock(canvas, {0, 0}, block);
    return picture;
}

QString withBarcodeNote(const QString& sizeLabel, const QString& problem) {
    if (problem.isEmpty()) {
        return sizeLabel;
    }
    return sizeLabel + QStringLiteral(" (") + problem + QLatin1Char(')');
}

} // namespace veltmoor
