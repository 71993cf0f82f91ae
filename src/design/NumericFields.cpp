#include "design/NumericFields.h"

#include "render/PageGrid.h"

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

int checkedRange(std::int64_t value, int min, int max) {
    if (value < min || value > max) {
        throw ValueOutOfRange(min, max);
    }
    return static_cast<int>(value);
}

} // namespace

ValueOutOfRange::ValueOutOfRange(int min, int max)
    : UserError(QStringLiteral("Value must be between %1 and %2").arg(min).arg(max)) {}

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
        return checkedRange(wholeNumber(kept) * 100, min, max);
    }
    while (kept.size() - point - 1 < 2) {
        kept.append(QLatin1Char('0'));
    }
    kept.remove(point, 1);
    return checkedRange(wholeNumber(kept), min, max);
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
    return checkedRange(wholeNumber(digits), min, max);
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
