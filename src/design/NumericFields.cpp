#include "design/NumericFields.h"

#include "render/PageGrid.h"

#include <algorithm>
#include <cstdint>

namespace veltmoor {

namespace {

// The framework's wording for text that is not a whole number, kept because users of the
// original program know it.
[[noreturn]] void throwNotAnInteger(const QString& text) {
    throw UserError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

std::int64_t wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) {
        throwNotAnInteger(text);
    }
    return value;
}

// The range in the field's own numbers; a size also in inches, since "9" typed for nine
// inches lies between 1 and 500 to anyone who does not count in hundredths.
QString outOfRangeMessage(int min, int max, TypedNumber number) {
    QString message = QStringLiteral("Value must be between %1 and %2").arg(min).arg(max);
    if (number == TypedNumber::Hundredths) {
        message += QStringLiteral(" (%1 to %2 inches)").arg(inchText(min), inchText(max));
    }
    return message;
}

int checkedRange(std::int64_t value, int min, int max, TypedNumber number) {
    if (value < min || value > max) {
        throw ValueOutOfRange(min, max, number);
    }
    return static_cast<int>(value);
}

} // namespace

ValueOutOfRange::ValueOutOfRange(int min, int max, TypedNumber number)
    : UserError(outOfRangeMessage(min, max, number)), min_(min), max_(max) {}

int ParseHundredths(const QString& text, int min, int max) {
    QString kept;
    for (const QChar character : text) {
        if (character.isDigit() && character.unicode() < 128) {
            kept.append(character);
        } else if (character == QLatin1Char('.')) {
            kept.append(character);
        }
    }
    if (kept.isEmpty()) {
        kept = QStringLiteral("0");
    }
    const qsizetype point = kept.indexOf(QLatin1Char('.'));
    if (point < 0) {
        // Whole inches; the product is formed in 64 bits so that a long number is reported
        // as out of range instead of wrapping round.
        return checkedRange(wholeNumber(kept) * 100, min, max, TypedNumber::Hundredths);
    }
    while (kept.size() - point - 1 < 2) {
        kept.append(QLatin1Char('0'));
    }
    kept.remove(point, 1);
    return checkedRange(wholeNumber(kept), min, max, TypedNumber::Hundredths);
}

int ParsePercent(const QString& text, int min, int max) {
    QString digits;
    for (const QChar character : text) {
        if (character.isDigit() && character.unicode() < 128) {
            digits.append(character);
        }
    }
    if (digits.isEmpty()) {
        digits = QStringLiteral("0");
    }
    return checkedRange(wholeNumber(digits), min, max, TypedNumber::Percent);
}

bool canStillBecomeInRange(const QString& text, TypedNumber number, int min, int max) {
    // The value read is the text's digits as one whole number, with zeros appended until
    // two follow the point (a text without one has its point at the end). Typing on
    // appends digits, so the values within reach are the numbers whose digits begin with
    // the text's digits and that have at least `scale` digits more.
    std::int64_t leading = 0;
    int scale = number == TypedNumber::Hundredths ? 2 : 0;
    bool pointSeen = false;
    for (const QChar character : text) {
        if (character.isDigit() && character.unicode() < 128) {
            leading = leading * 10 + character.digitValue();
            if (leading > max) {
                return false;
            }
            if (pointSeen && scale > 0) {
                --scale;
            }
        } else if (character == QLatin1Char('.') && number == TypedNumber::Hundredths &&
                   !pointSeen) {
            pointSeen = true;
        } else {
            return false;
        }
    }
    const std::int64_t lowest = std::max(min, 0);
    if (leading == 0) {
        // Zeros so far: every number from 0 upward can still follow.
        return lowest <= max;
    }
    std::int64_t span = 1;
    for (int digits = 0; digits < scale; ++digits) {
        span *= 10;
    }
    // The reachable values with `scale` more digits are leading * span .. + span - 1;
    // each further digit multiplies both ends by ten.
    for (; leading * span <= max; span *= 10) {
        if (leading * span + span - 1 >= lowest) {
            return true;
        }
    }
    return false;
}

QString tagSizeInchText(int hundredths) {
    return inchText(hundredths);
}

QString holeSizeInchText(int hundredths) {
    QString digits = QString::number(hundredths);
    while (digits.size() < 2) {
        digits.prepend(QLatin1Char('0'));
    }
    return QLatin1Char('.') + digits;
}

} // namespace veltmoor
