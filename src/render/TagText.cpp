#include "render/TagText.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace veltmoor {

namespace {

// Placement is worked out in 64 bits: for every setting the program offers the results
// equal plain 32-bit arithmetic, and absurd values from a damaged design cannot overflow.
using Wide = std::int64_t;

// Text placed farther out than this lies wholly outside any tag, so clamping changes no
// pixel while keeping the coordinates in the range the canvas handles.
constexpr Wide kFarOutside = 1'000'000;

int coordinate(Wide value) {
    return static_cast<int>(std::clamp(value, -kFarOutside, kFarOutside));
}

// The letters of a vertical edge text. A letter is what the reader sees as one character,
// so accented letters and characters outside the basic plane stay whole.
QStringList uprightLetters(const QString& text) {
    QStringList letters;
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = boundaries.toNextBoundary(); end != -1;
         end = boundaries.toNextBoundary()) {
        if (end > start) {
            letters << text.mid(start, end - start);
        }
        start = end;
    }
    return letters;
}

struct Margins {
    Wide L = 0;
    Wide T = 0;
    Wide R = 0;
    Wide B = 0;
};

class TagTextLayout {
public:
    TagTextLayout(int width, int height, const img& slot, const TagSettings& settings,
                  const TextMeasure& measure)
        : W(width), H(height), slot_(slot), settings_(settings), measure_(measure) {
        const Rect TagRect{0, 0, width, height};
        margins_.L = Wide{TagRect.left} + kTagTextMargin;
        margins_.T = Wide{TagRect.top} + kTagTextMargin;
        margins_.R = Wide{TagRect.right} - kTagTextMargin;
        margins_.B = Wide{TagRect.bottom} - kTagTextMargin;
    }

    std::vector<TagTextDraw> run() {
        layoutTextBlock();
        layoutCornerText();
        layoutEdgeText();
        return std::move(draws_);
    }

private:
    void add(const QString& text, Wide x, Wide y, const Font& font) {
        if (!text.isEmpty()) {
            draws_.push_back({text, coordinate(x), coordinate(y), font});
        }
    }

    // The block is a column TextBlockWidth wide whose left edge sits at the width offset.
    // It ignores the margins: its offsets are the user's own placement.
    void layoutTextBlock() {
        const Wide x0 = Wide{settings_.textBlockWidthOffset} * W / 100;
        Wide y = Wide{settings_.textBlockHeightOffset} * H / 100;
        const Font font = tagTextFont(settings_.textBlockFont, slot_.TextBlockColor);
        const Wide step = measure_.height(font, QStringLiteral("X"));
        const Wide TextBlockWidth = settings_.TextBlockWidth;
        for (const QString& line : textBlockDisplayLines(slot_.TextBlockText, measure_)) {
            const Wide lw = measure_.width(font, line);
            // With no alignment chosen nothing is drawn, as with no shape chosen.
            switch (settings_.textBlockAlignment) {
            case kAlignLeft:
                add(line, x0, y, font);
                break;
            case kAlignCenter:
                add(line, x0 + (TextBlockWidth - lw) / 2, y, font);
                break;
            case kAlignRight:
                add(line, x0 + TextBlockWidth - lw, y, font);
                break;
            default:
                break;
            }
            y = y + step;
        }
    }

    void layoutCornerText() {
        const auto [L, T, R, B] = margins_;
        // The corner font carries the corner text's colour itself.
        const Font font = tagTextFont(settings_.valueFont, settings_.valueFont.color);
        // Measured even when empty: the edge text keeps clear of this box.
        vw_ = measure_.width(font, slot_.ValueText);
        vh_ = measure_.height(font, slot_.ValueText);
        if (slot_.ValueText.isEmpty()) {
            return;
        }
        const Wide hx = measure_.height(font, QStringLiteral("X"));
        switch (settings_.valuePlace) {
        case kCornerUL:
            add(slot_.ValueText, L + 1, T + 1, font);
            break;
        case kCornerLL:
            add(slot_.ValueText, L + 1, B - hx - 1, font);
            break;
        case kCornerUR:
            add(slot_.ValueText, R - vw_, T + 1, font);
            break;
        case kCornerLR:
            add(slot_.ValueText, R - vw_, B - hx - 1, font);
            break;
        default:
            break;
        }
    }

    void layoutEdgeText() {
        if (slot_.EdgeText.isEmpty()) {
            return;
        }
        const auto [L, T, R, B] = margins_;
        const Font font = tagTextFont(settings_.textFont, slot_.TextColor);
        const Wide tw = measure_.width(font, slot_.EdgeText);
        const int corner = settings_.valuePlace;
        switch (settings_.edgePlace) {
        case kEdgeTop: {
            const Wide y = T + 1;
            add(slot_.EdgeText, horizontalStart(corner, kCornerUL, kCornerUR, tw), y, font);
            break;
        }
        case kEdgeBottom: {
            const Wide x = horizontalStart(corner, kCornerLL, kCornerLR, tw);
            const Wide y = B - measure_.height(font, slot_.EdgeText) - 1;
            add(slot_.EdgeText, x, y, font);
            break;
        }
        case kEdgeLeft:
            layoutColumn(font, L + measure_.width(font, QStringLiteral("W")) / 2, corner, kCornerUL,
                         kCornerLL);
            break;
        case kEdgeRight:
            layoutColumn(font, R - measure_.width(font, QStringLiteral("W")) / 2, corner, kCornerUR,
                         kCornerLR);
            break;
        default:
            break;
        }
    }

    // On the top and bottom edges the text follows a corner text on its left, ends one
    // dot before one on its right, and is centred between the margins otherwise.
    Wide horizontalStart(int corner, int leftCorner, int rightCorner, Wide tw) const {
        const auto [L, T, R, B] = margins_;
        if (corner == leftCorner) {
            return L + vw_;
        }
        if (corner == rightCorner) {
            return R - vw_ - tw - 1;
        }
        return L + (R - L - tw) / 2;
    }

    // On the left and right edges the letters stand upright one below the other, each
    // centred on the column's axis xc.
    void layoutColumn(const Font& font, Wide xc, int corner, int upperCorner, int lowerCorner) {
        const auto [L, T, R, B] = margins_;
        const QStringList letters = uprightLetters(slot_.EdgeText);
        const Wide step = measure_.height(font, QStringLiteral("W")) - 3;
        const Wide total = step * static_cast<Wide>(letters.size());
        Wide y0 = T + (B - T - total) / 2;
        if (corner == upperCorner) {
            y0 = T + vh_ + 1;
        } else if (corner == lowerCorner) {
            y0 = B - vh_ - total - 1;
        }
        Wide i = 1;
        for (const QString& letter : letters) {
            add(letter, xc - measure_.width(font, letter) / 2, y0 + (i - 1) * step, font);
            ++i;
        }
    }

    const Wide W;
    const Wide H;
    const img& slot_;
    const TagSettings& settings_;
    const TextMeasure& measure_;
    Margins margins_;
    Wide vw_ = 0;
    Wide vh_ = 0;
    std::vector<TagTextDraw> draws_;
};

} // namespace

int doubledFontSize(int sizePoints) {
    const Wide doubled = Wide{sizePoints} * 2;
    return static_cast<int>(std::clamp<Wide>(doubled, std::numeric_limits<int>::min(),
                                             std::numeric_limits<int>::max()));
}

Font tagTextFont(const Font& chosen, TColor color) {
    // Set field by field in the order the tag always has: face, size, colour, style.
    Font font;
    font.name = chosen.name;
    font.sizePoints = doubledFontSize(chosen.sizePoints);
    font.color = color;
    font.style = chosen.style;
    return font;
}

std::vector<TagTextDraw> layoutTagText(int width, int height, const img& slot,
                                       const TagSettings& settings, const TextMeasure& measure) {
    return TagTextLayout(width, height, slot, settings, measure).run();
}

void AddText(Canvas& canvas, const img& slot, const TagSettings& settings) {
    const PlatformTextMeasure measure;
    const std::vector<TagTextDraw> draws =
        layoutTagText(canvas.bitmap().width(), canvas.bitmap().height(), slot, settings, measure);
    // Only the glyphs are painted, so the picture shows between the letters.
    canvas.brush().style = BrushStyle::Clear;
    for (const TagTextDraw& draw : draws) {
        canvas.font() = draw.font;
        canvas.textOut(draw.x, draw.y, draw.text);
    }
}

} // namespace veltmoor
