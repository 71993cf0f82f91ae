#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <mutex>
#include <optional>

namespace veltmoor {

namespace {

// The tag fonts are Windows faces; the Liberation faces share their metrics, so text
// measures the same on a tag here as the design intends.
void installFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif")});
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono")});
    });
}

// Points become pixels at 96 per inch whatever the screen, rounded as the classic
// MulDiv(points, 96, 72) rounds.
int pixelSizeForPoints(int points) {
    return std::max(1, (std::abs(points) * 96 + 36) / 72);
}

QFont qtFont(const Font& font) {
    installFontSubstitutions();
    QFont result(font.name);
    result.setPixelSize(pixelSizeForPoints(font.sizePoints));
    result.setBold(font.style.bold);
    result.setItalic(font.style.italic);
    result.setUnderline(font.style.underline);
    result.setStrikeOut(font.style.strikeOut);
    return result;
}

// Text is measured far more often than fonts change, so the last font is kept.
struct FontCache {
    std::optional<Font> key;
    std::optional<QFont> font;
    std::optional<QFontMetrics> metrics;

    const QFontMetrics& metricsFor(const Font& wanted) {
        update(wanted);
        return *metrics;
    }
    const QFont& fontFor(const Font& wanted) {
        update(wanted);
        return *font;
    }

private:
    void update(const Font& wanted) {
        if (key && *key == wanted) {
            return;
        }
        font = qtFont(wanted);
        metrics.emplace(*font);
        key = wanted;
    }
};

FontCache& fontCache() {
    thread_local FontCache cache;
    return cache;
}

QColor qtColor(TColor color) {
    const TColor concrete = resolveSystemColor(color);
    return QColor(redOf(concrete), greenOf(concrete), blueOf(concrete));
}

} // namespace

int Canvas::textWidth(const QString& text) const {
    return fontCache().metricsFor(font_).horizontalAdvance(text);
}

int Canvas::textHeight(const QString&) const {
    return fontCache().metricsFor(font_).height();
}

void Canvas::textOut(int x, int y, const QString& text) {
    if (bitmap_.isEmpty() || text.isEmpty()) {
        return;
    }
    const QFontMetrics& metrics = fontCache().metricsFor(font_);
    if (brush_.style == BrushStyle::Solid) {
        // An opaque brush paints the text's cell first, as classic text output does.
        fillRect({x, y, x + metrics.horizontalAdvance(text), y + metrics.height()});
    }
    QImage target = bitmap_.asQImage();
    QPainter painter(&target);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(fontCache().fontFor(font_));
    painter.setPen(qtColor(font_.color));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

} // namespace veltmoor
