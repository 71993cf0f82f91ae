#pragma once

#include "platform/Errors.h"

#include <QString>

namespace veltmoor {

// The range an up-down control keeps its position in; a position set from outside the
// range is limited to it, as the control itself would do.
struct UpDownRange {
    int min = 0;
    int max = 100;
    int increment = 1;

    constexpr int limit(int position) const {
        return position < min ? min : (position > max ? max : position);
    }
};

constexpr UpDownRange kTagSizeRange{50, 500, 10};         // WidthUpDown, HeightUpDown
constexpr UpDownRange kHoleSizeRange{0, 50, 1};           // HoleWidthUpDown, HoleHeightUpDown
constexpr UpDownRange kHoleWidthOffsetRange{1, 100, 2};   // HoleWidthOffsetUpDown
constexpr UpDownRange kHoleHeightOffsetRange{0, 100, 2};  // HoleHeightOffsetUpDown
constexpr UpDownRange kImageSizeRange{0, 200, 1};         // ImageSizeUpDown
constexpr UpDownRange kImageOffsetRange{0, 100, 1};       // ImageHorizontal/VerticalOffsetUpDown
constexpr UpDownRange kTextBlockOffsetRange{1, 100, 1};   // TextBlockWidth/HeightOffsetUpDown
constexpr UpDownRange kPrintImageAdjustRange{-50, 50, 1}; // PrintImageAdjustUpDown
constexpr UpDownRange kCopiesRange{1, 4, 1};              // CopiesUpDown

// What a typed tag size may be before the up-down limits it, and the percent limits the
// edits check typed text against.
constexpr int kTypedTagSizeMin = 1;
constexpr int kTypedTagSizeMax = 500;
constexpr int kTypedHoleSizeMax = 50;
constexpr int kPercentMax = 100;
constexpr int kImageSizePercentMax = 200;

// The percent fields whose edit and up-down work as one pair.
enum class PercentField {
    HoleWidthOffset,
    HoleHeightOffset,
    ImageSize,
    ImageHorizontalOffset,
    ImageVerticalOffset,
    TextBlockWidthOffset,
    TextBlockHeightOffset,
};

// How a field reads its typed text.
enum class TypedNumber {
    Hundredths, // as ParseHundredths: digits and one "."
    Percent,    // as ParsePercent: digits only
};

// A typed value that is a number but lies outside what the field accepts. The message is
// the one the user sees ("Value must be between 0 and 200", a size with its range in
// inches after it: "Value must be between 1 and 500 (0.01 to 5.00 inches)"); the field
// keeps its value.
class ValueOutOfRange : public UserError {
public:
    ValueOutOfRange(int min, int max, TypedNumber number);

    int min() const { return min_; }
    int max() const { return max_; }

private:
    int min_;
    int max_;
};

// Hundredths of an inch from typed text: every character but digits and "." is dropped;
// "2.5" gives 250, ".12" 12, "5." 500, "3" 300, nothing at all 0. Throws ValueOutOfRange
// outside min..max, and UserError when the rest is still not a whole number ("1.2.3").
int ParseHundredths(const QString& text, int min, int max);

// A whole percent from typed text: every character but digits is dropped ("12a" gives 12,
// "5%" 5, nothing at all 0). Throws ValueOutOfRange outside min..max, and UserError when
// the digits do not fit a 32-bit number.
int ParsePercent(const QString& text, int min, int max);

// Whether typing more characters after text can still give a value in min..max, so that
// an out-of-range text may be a value the user has only begun to type ("0" on the way to
// "0.75"). Text holding a character the field drops (a letter, a blank) cannot.
bool canStillBecomeInRange(const QString& text, TypedNumber number, int min, int max);

// "2.00", "0.50": hundredths with at least one digit before the point.
QString tagSizeInchText(int hundredths);
// ".12", ".05": the hole sizes, which never reach an inch.
QString holeSizeInchText(int hundredths);

} // namespace veltmoor
