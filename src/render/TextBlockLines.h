#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace veltmoor {

// The text block is typed into a memo of this width, word wrap on, in the window font.
// Each line the memo shows becomes one line on the tag, so the window and the tag must
// wrap alike: both go through textBlockDisplayLines.
constexpr int kTextBlockMemoWidth = 273;
Font textBlockMemoFont(); // "MS Sans Serif" 8 pt, no style

// Text extents in a given font, as the tag canvas measures them. Layout code takes this
// instead of a canvas so that placement can be checked with metrics worked out by hand.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(const Font& font, const QString& text) const = 0;
    virtual int height(const Font& font, const QString& text) const = 0;
};

// The platform's own text metrics, measured on a scratch canvas.
class PlatformTextMeasure final : public TextMeasure {
public:
    PlatformTextMeasure();
    PlatformTextMeasure(const PlatformTextMeasure&) = delete;
    PlatformTextMeasure& operator=(const PlatformTextMeasure&) = delete;

    int width(const Font& font, const QString& text) const override;
    int height(const Font& font, const QString& text) const override;

private:
    Bitmap scratch_;
    mutable Canvas canvas_;
};

// The hard lines of a block's text. CR LF, a lone LF and a lone CR each end a line, as the
// memo's own line-break adjustment treats them; a final empty line (text ending in a line
// break, or no text at all) is not counted.
QStringList textBlockHardLines(const QString& text);

// One hard line wrapped the way a word-wrapping edit control wraps it: break after the
// last blank run whose preceding text fits; blanks at a wrap point stay at the end of the
// line and do not count towards the fit; a word wider than the line is broken before the
// first character that no longer fits (at least one character per line).
// widthOf must grow with the text's length.
QStringList wrapHardLine(const QString& line, int lineWidth,
                         const std::function<int(const QString&)>& widthOf);

// The memo's display lines for the given text, measured in the memo's font.
QStringList textBlockDisplayLines(const QString& text, const TextMeasure& measure);
QStringList textBlockDisplayLines(const QString& text);

} // namespace veltmoor
