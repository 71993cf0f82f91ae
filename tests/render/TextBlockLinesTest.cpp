#include "render/TextBlockLines.h"
#include "render/TextBlockWidth.h"

#include "TextHandMeasure.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::HandMeasure;

// One dot per character, so a line of width 10 holds exactly ten characters.
QStringList wrapTen(const char* line) {
    return wrapHardLine(QString::fromUtf8(line), 10,
                        [](const QString& part) { return static_cast<int>(part.size()); });
}

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList result;
    for (const char* text : texts) {
        result << QString::fromUtf8(text);
    }
    return result;
}

TEST(TextBlockHardLines, CrLfLfAndLoneCrEachEndALine) {
    EXPECT_EQ(textBlockHardLines(QStringLiteral("one\r\ntwo\nthree\rfour")),
              lines({"one", "two", "three", "four"}));
    // LF CR is two breaks, CR LF only one.
    EXPECT_EQ(textBlockHardLines(QStringLiteral("a\n\rb")), lines({"a", "", "b"}));
}

TEST(TextBlockHardLines, AFinalEmptyLineIsNotCounted) {
    EXPECT_EQ(textBlockHardLines(QString()), QStringList());
    EXPECT_EQ(textBlockHardLines(QStringLiteral("a\r\n")), lines({"a"}));
    EXPECT_EQ(textBlockHardLines(QStringLiteral("a\n")), lines({"a"}));
    // Only the last one goes: an empty line in the middle or before the end stays.
    EXPECT_EQ(textBlockHardLines(QStringLiteral("a\r\n\r\n")), lines({"a", ""}));
    EXPECT_EQ(textBlockHardLines(QStringLiteral("\r\n")), lines({""}));
    EXPECT_EQ(textBlockHardLines(QStringLiteral("a\r\n\r\nb")), lines({"a", "", "b"}));
    // A line of blanks is not empty.
    EXPECT_EQ(textBlockHardLines(QStringLiteral("a\r\n  ")), lines({"a", "  "}));
}

TEST(TextBlockWrap, ALineThatFitsStaysWhole) {
    EXPECT_EQ(wrapTen(""), lines({""}));
    EXPECT_EQ(wrapTen("short"), lines({"short"}));
    EXPECT_EQ(wrapTen("exactly10!"), lines({"exactly10!"}));
    // Blanks at the end of the line hang past the edge instead of wrapping.
    EXPECT_EQ(wrapTen("exactly10!     "), lines({"exactly10!     "}));
}

TEST(TextBlockWrap, BreaksAfterTheLastBlankThatFitsKeepingTheBlankOnTheLine) {
    EXPECT_EQ(wrapTen("aaaa bbbb cccc"), lines({"aaaa bbbb ", "cccc"}));
    EXPECT_EQ(wrapTen("aaaaa bbbbb"), lines({"aaaaa ", "bbbbb"}));
    EXPECT_EQ(wrapTen("aaa   bbb   ccc"), lines({"aaa   bbb   ", "ccc"}));
    EXPECT_EQ(wrapTen("aaaa\tbbbb\tcccc"), lines({"aaaa\tbbbb\t", "cccc"}));
    // Hyphens are no break opportunity.
    EXPECT_EQ(wrapTen("well-known words"), lines({"well-known ", "words"}));
}

TEST(TextBlockWrap, BlanksAtTheWrapPointDoNotCountForTheFit) {
    // The ten letters fill the line; the blanks after them would not fit but hang.
    EXPECT_EQ(wrapTen("aaaaaaaaaa   bb"), lines({"aaaaaaaaaa   ", "bb"}));
    EXPECT_EQ(wrapTen("aaaa bbbbb    cc"), lines({"aaaa bbbbb    ", "cc"}));
}

TEST(TextBlockWrap, AWordLongerThanTheLineBreaksAtTheCharacterThatNoLongerFits) {
    EXPECT_EQ(wrapTen("abcdefghijklmnopqrstuvwxy"), lines({"abcdefghij", "klmnopqrst", "uvwxy"}));
    // A short word before it keeps its own line; the long word then starts a line.
    EXPECT_EQ(wrapTen("ab abcdefghijklmn"), lines({"ab ", "abcdefghij", "klmn"}));
    // Blanks before a long word at the start of a line stay there on their own.
    EXPECT_EQ(wrapTen("   abcdefghijkl"), lines({"   ", "abcdefghij", "kl"}));
}

TEST(TextBlockWrap, EveryLineHoldsAtLeastOneCharacter) {
    const auto wide = [](const QString& part) { return 20 * static_cast<int>(part.size()); };
    EXPECT_EQ(wrapHardLine(QStringLiteral("abc"), 10, wide), lines({"a", "b", "c"}));
    // A character outside the basic plane is two code units and is never split.
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(wrapHardLine(smile + smile, 10, wide), QStringList({smile, smile}));
    // Sixty dots hold "ab" and the first half of the pair, which then moves down whole.
    EXPECT_EQ(wrapHardLine(QStringLiteral("ab") + smile, 60, wide),
              QStringList({QStringLiteral("ab"), smile}));
}

TEST(TextBlockDisplayLines, WrapsAtTheMemoWidthInTheMemoFont) {
    // The memo font is 8 pt: four dots a character by hand, so 68 fit in 273 and 69 do
    // not (276).
    const HandMeasure measure;
    const QString sixtyEight(68, u'a');
    EXPECT_EQ(textBlockDisplayLines(sixtyEight, measure), QStringList({sixtyEight}));
    EXPECT_EQ(textBlockDisplayLines(QString(100, u'a'), measure),
              QStringList({sixtyEight, QString(32, u'a')}));
    // Twenty words of "aaaa ": thirteen (65 characters, the last blank hanging) fit, the
    // fourteenth would end at 69.
    const QString words = QStringLiteral("aaaa ").repeated(20);
    EXPECT_EQ(
        textBlockDisplayLines(words, measure),
        QStringList({QStringLiteral("aaaa ").repeated(13), QStringLiteral("aaaa ").repeated(7)}));
}

TEST(TextBlockDisplayLines, HardLinesWrapEachOnTheirOwn) {
    const HandMeasure measure;
    const QString text =
        QStringLiteral("first\r\n") + QString(70, u'b') + QStringLiteral("\nlast\r\n");
    EXPECT_EQ(textBlockDisplayLines(text, measure),
              QStringList({QStringLiteral("first"), QString(68, u'b'), QStringLiteral("bb"),
                           QStringLiteral("last")}));
}

TEST(TextBlockDisplayLines, RealMemoFontWrapsEveryLineAtTheLastWordThatFits) {
    const QString sentence =
        QStringLiteral("Hand made in the valley from reclaimed oak and walnut, finished "
                       "with beeswax and linseed oil; every piece is a little different. ")
            .repeated(3);
    const QStringList displayLines = textBlockDisplayLines(sentence);
    ASSERT_GE(displayLines.size(), 3);
    EXPECT_EQ(displayLines.join(QString()), sentence) << "wrapping loses no character";

    const PlatformTextMeasure measure;
    const Font memoFont = textBlockMemoFont();
    for (qsizetype i = 0; i + 1 < displayLines.size(); ++i) {
        const QString line = displayLines[i];
        const QString trimmed = line.trimmed();
        EXPECT_LE(measure.width(memoFont, trimmed), kTextBlockMemoWidth) << line.toStdString();
        // The next display line's first word would not have fitted on this one.
        const QString nextWord = displayLines[i + 1].section(u' ', 0, 0);
        EXPECT_GT(measure.width(memoFont, line + nextWord), kTextBlockMemoWidth)
            << line.toStdString();
        EXPECT_TRUE(line.endsWith(u' ')) << "words are not cut: " << line.toStdString();
    }
}

TEST(TextBlockWidth, WidestDisplayLineInTheBlockFaceAtTwiceItsSizeWithoutStyle) {
    const HandMeasure measure;
    const Font blockFont{QStringLiteral("Times New Roman"), 10, {.bold = true}, clWindowText};
    const Font widthFont = textBlockWidthFont(blockFont);
    EXPECT_EQ(widthFont.name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(widthFont.sizePoints, 20);
    EXPECT_EQ(widthFont.style, FontStyle{});

    // At 20 points a character is 10 dots by hand; bold would make it 11.
    EXPECT_EQ(measureTextBlockWidth(QStringLiteral("ab\r\nabcd\r\nabc"), blockFont, measure), 40);
    EXPECT_EQ(measureTextBlockWidth(QString(), blockFont, measure), 0);
    EXPECT_EQ(measureTextBlockWidth(QStringLiteral("\r\n\r\n"), blockFont, measure), 0);
    // The widths are of the display lines: 100 characters wrap to 68 and 32 in the memo.
    EXPECT_EQ(measureTextBlockWidth(QString(100, u'a'), blockFont, measure), 680);
}

TEST(TextBlockWidth, RealFontsIgnoreTheBlockStyle) {
    const Font bold{QStringLiteral("Times New Roman"), 10, {.bold = true}, clBlack};
    const Font plain{QStringLiteral("Times New Roman"), 10, {}, clBlack};
    const QString text = QStringLiteral("Walnut\r\nReclaimed oak table");
    const int width = measureTextBlockWidth(text, bold);
    EXPECT_EQ(width, measureTextBlockWidth(text, plain));
    const PlatformTextMeasure measure;
    const Font twicePlain{QStringLiteral("Times New Roman"), 20, {}, clBlack};
    EXPECT_EQ(width, measure.width(twicePlain, QStringLiteral("Reclaimed oak table")));
}

} // namespace
} // namespace veltmoor
