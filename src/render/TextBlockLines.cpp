#include "render/TextBlockLines.h"

namespace veltmoor {

namespace {

// The edit control breaks lines at spaces and tabs only; hyphens and other punctuation
// stay inside their word.
bool isBlank(QChar character) {
    return character == u' ' || character == u'\t';
}

// The most characters from start whose text still fits the line. Binary search relies on
// the width growing with the text, which holds for any font without negative advances.
qsizetype fittingLength(const QString& line, qsizetype start, int lineWidth,
                        const std::function<int(const QString&)>& widthOf) {
    qsizetype fits = 0; // the empty text always fits
    qsizetype tooLong = line.size() - start + 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (widthOf(line.mid(start, middle)) <= lineWidth) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return fits;
}

qsizetype endWithoutTrailingBlanks(const QString& line, qsizetype start, qsizetype end) {
    while (end > start && isBlank(line[end - 1])) {
        --end;
    }
    return end;
}

// Where a word that does not fit is cut: before the first character that no longer fits,
// but never inside a surrogate pair and never leaving a line without a character.
qsizetype characterBreakLength(const QString& line, qsizetype start, qsizetype fitting) {
    qsizetype take = std::max<qsizetype>(fitting, 1);
    const qsizetype cut = start + take;
    if (cut < line.size() && line[cut].isLowSurrogate() && line[cut - 1].isHighSurrogate()) {
        take += take > 1 ? -1 : 1;
    }
    return take;
}

} // namespace

Font textBlockMemoFont() {
    return Font{QStringLiteral("MS Sans Serif"), 8, {}, clWindowText};
}

PlatformTextMeasure::PlatformTextMeasure() : scratch_(1, 1), canvas_(scratch_) {}

int PlatformTextMeasure::width(const Font& font, const QString& text) const {
    canvas_.font() = font;
    return canvas_.textWidth(text);
}

int PlatformTextMeasure::height(const Font& font, const QString& text) const {
    canvas_.font() = font;
    return canvas_.textHeight(text);
}

QStringList textBlockHardLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text[i];
        if (character == u'\r' || character == u'\n') {
            lines << current;
            current.clear();
            if (character == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else {
            current += character;
        }
    }
    if (!current.isEmpty()) {
        lines << current;
    }
    return lines;
}

QStringList wrapHardLine(const QString& line, int lineWidth,
                         const std::function<int(const QString&)>& widthOf) {
    if (line.isEmpty()) {
        return {QString()};
    }
    QStringList displayLines;
    qsizetype start = 0;
    while (start < line.size()) {
        const qsizetype fitting = fittingLength(line, start, lineWidth, widthOf);
        if (endWithoutTrailingBlanks(line, start, line.size()) - start <= fitting) {
            displayLines << line.mid(start);
            break;
        }
        // The last word start whose preceding text, blanks left out, fits.
        qsizetype wordBreak = -1;
        qsizetype contentEnd = start;
        for (qsizetype k = start; k < line.size() && contentEnd - start <= fitting; ++k) {
            if (isBlank(line[k])) {
                continue;
            }
            if (k > start && isBlank(line[k - 1])) {
                wordBreak = k;
            }
            contentEnd = k + 1;
        }
        const qsizetype take =
            wordBreak > start ? wordBreak - start : characterBreakLength(line, start, fitting);
        displayLines << line.mid(start, take);
        start += take;
    }
    return displayLines;
}

QStringList textBlockDisplayLines(const QString& text, const TextMeasure& measure) {
    const Font memoFont = textBlockMemoFont();
    const auto widthOf = [&](const QString& part) { return measure.width(memoFont, part); };
    QStringList displayLines;
    for (const QString& hardLine : textBlockHardLines(text)) {
        displayLines << wrapHardLine(hardLine, kTextBlockMemoWidth, widthOf);
    }
    return displayLines;
}

QStringList textBlockDisplayLines(const QString& text) {
    const PlatformTextMeasure measure;
    return textBlockDisplayLines(text, measure);
}

} // namespace veltmoor
