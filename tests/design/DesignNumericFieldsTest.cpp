#include "design/NumericFields.h"

#include <gtest/gtest.h>

#include <climits>

namespace veltmoor {
namespace {

// The message a failed parse would show, or "" when it succeeded with the expected value.
template <typename Parse> QString failureOf(Parse parse) {
    try {
        parse();
    } catch (const UserError& error) {
        return error.message();
    }
    return QString();
}

TEST(ParseHundredths, ReadsInchTextsAsHundredths) {
    EXPECT_EQ(ParseHundredths(QStringLiteral("2.5"), 1, 500), 250);
    EXPECT_EQ(ParseHundredths(QStringLiteral(".12"), 0, 50), 12);
    EXPECT_EQ(ParseHundredths(QStringLiteral("5."), 1, 500), 500);
    EXPECT_EQ(ParseHundredths(QStringLiteral("3"), 1, 500), 300);
    EXPECT_EQ(ParseHundredths(QStringLiteral(".3"), 1, 500), 30);
    EXPECT_EQ(ParseHundredths(QStringLiteral("2.125"), 0, 5000), 2125);
    // Everything but digits and the point is dropped first.
    EXPECT_EQ(ParseHundredths(QStringLiteral(" 1.75 in"), 1, 500), 175);
    EXPECT_EQ(ParseHundredths(QString(), 0, 50), 0);
    EXPECT_EQ(ParseHundredths(QStringLiteral("abc"), 0, 50), 0);
}

// The range in hundredths, as the field has always said it, and in inches, which is what
// the user typed.
TEST(ParseHundredths, RefusesValuesOutsideTheRangeWithTheRangeInTheMessage) {
    EXPECT_EQ(failureOf([] { ParseHundredths(QStringLiteral("6"), 1, 500); }),
              QStringLiteral("Value must be between 1 and 500 (0.01 to 5.00 inches)"));
    EXPECT_EQ(failureOf([] { ParseHundredths(QStringLiteral(".51"), 0, 50); }),
              QStringLiteral("Value must be between 0 and 50 (0.00 to 0.50 inches)"));
    EXPECT_EQ(failureOf([] { ParseHundredths(QString(), 1, 500); }),
              QStringLiteral("Value must be between 1 and 500 (0.01 to 5.00 inches)"));
    EXPECT_THROW(ParseHundredths(QStringLiteral("6"), 1, 500), ValueOutOfRange);
}

TEST(ParseHundredths, LongNumbersAreOutOfRangeInsteadOfWrappingRound) {
    // 99999999 inches is 9999999900 hundredths, far beyond a 32-bit number.
    EXPECT_THROW(ParseHundredths(QStringLiteral("99999999"), 1, 500), ValueOutOfRange);
    EXPECT_THROW(ParseHundredths(QStringLiteral("21474837"), 0, INT_MAX), ValueOutOfRange);
}

TEST(ParseHundredths, TextThatIsStillNoWholeNumberGivesTheConversionMessage) {
    const QString message = failureOf([] { ParseHundredths(QStringLiteral("1.2.3"), 1, 500); });
    EXPECT_EQ(message, QStringLiteral("'12.3' is not a valid integer value"));
    EXPECT_EQ(failureOf([] { ParseHundredths(QStringLiteral("123456789012"), 1, 500); }),
              QStringLiteral("'123456789012' is not a valid integer value"));
}

TEST(ParsePercent, KeepsOnlyTheDigits) {
    EXPECT_EQ(ParsePercent(QStringLiteral("12a"), 0, 200), 12);
    EXPECT_EQ(ParsePercent(QStringLiteral("0050"), 0, 100), 50);
    EXPECT_EQ(ParsePercent(QStringLiteral("5%"), 0, 100), 5);
    EXPECT_EQ(ParsePercent(QString(), 0, 100), 0);
    EXPECT_EQ(ParsePercent(QStringLiteral("-7"), 0, 100), 7); // the sign is not a digit
}

TEST(ParsePercent, RefusesValuesOutsideTheRange) {
    EXPECT_EQ(failureOf([] { ParsePercent(QStringLiteral("250"), 0, 200); }),
              QStringLiteral("Value must be between 0 and 200"));
    EXPECT_EQ(failureOf([] { ParsePercent(QString(), 1, 100); }),
              QStringLiteral("Value must be between 1 and 100"));
    EXPECT_EQ(failureOf([] { ParsePercent(QStringLiteral("99999999999"), 0, 100); }),
              QStringLiteral("'99999999999' is not a valid integer value"));
}

// An independent reading of "can still become a value in range": some ending of up to
// three characters that the real parser reads as a value in range.
bool someEndingIsInRange(const QString& text, TypedNumber number, int min, int max) {
    const QString keys = QStringLiteral("0123456789.");
    for (int ending = 0; ending < 12 * 12 * 12; ++ending) {
        QString typed = text;
        for (int place = ending; place > 0; place /= 12) {
            typed += keys.mid(place % 12 - 1, place % 12 == 0 ? 0 : 1);
        }
        try {
            if (number == TypedNumber::Hundredths) {
                ParseHundredths(typed, min, max);
            } else {
                ParsePercent(typed, min, max);
            }
            return true;
        } catch (const UserError&) {
        }
    }
    return false;
}

TEST(CanStillBecomeInRange, AgreesWithTheParsersForEveryFieldRange) {
    const std::tuple<TypedNumber, int, int> fields[] = {
        {TypedNumber::Hundredths, kTypedTagSizeMin, kTypedTagSizeMax},
        {TypedNumber::Hundredths, 0, kTypedHoleSizeMax},
        {TypedNumber::Percent, 0, kImageSizePercentMax},
        {TypedNumber::Percent, kCopiesRange.min, kCopiesRange.max},
    };
    const char* texts[] = {"",  "0",  ".",  "0.",  "0.7", ".75",  "0.00", "1",   "5",
                           "6", "50", "51", ".51", "5.0", "5.01", "100",  "201", "0250"};
    for (const auto& [number, min, max] : fields) {
        for (const char* text : texts) {
            const QString typed = QString::fromLatin1(text);
            if (number == TypedNumber::Percent && typed.contains(QLatin1Char('.'))) {
                continue; // a character the percent fields drop
            }
            EXPECT_EQ(canStillBecomeInRange(typed, number, min, max),
                      someEndingIsInRange(typed, number, min, max))
                << text << " in " << min << ".." << max;
        }
    }
    // Characters the fields drop cannot be typed on from: a letter, a blank, a second point.
    for (const char* text : {"a", "0 ", "1.2.", "5%"}) {
        EXPECT_FALSE(canStillBecomeInRange(QString::fromLatin1(text), TypedNumber::Hundredths, 1,
                                           kTypedTagSizeMax))
            << text;
    }
}

TEST(InchText, TagSizesHaveADigitBeforeThePointAndHoleSizesDoNot) {
    EXPECT_EQ(tagSizeInchText(50), QStringLiteral("0.50"));
    EXPECT_EQ(tagSizeInchText(200), QStringLiteral("2.00"));
    EXPECT_EQ(tagSizeInchText(500), QStringLiteral("5.00"));
    EXPECT_EQ(tagSizeInchText(5), QStringLiteral("0.05"));
    EXPECT_EQ(holeSizeInchText(12), QStringLiteral(".12"));
    EXPECT_EQ(holeSizeInchText(5), QStringLiteral(".05"));
    EXPECT_EQ(holeSizeInchText(0), QStringLiteral(".00"));
    EXPECT_EQ(holeSizeInchText(50), QStringLiteral(".50"));
}

} // namespace
} // namespace veltmoor
