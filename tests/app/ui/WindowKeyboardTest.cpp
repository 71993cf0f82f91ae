#include "app/ui/Prompts.h"
#include "app/ui/UpDown.h"
#include "support/widgets/WindowHarness.h"

#include <QFocusEvent>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::WindowHarness;

// The window past the welcome page with a picture for tag 1, its redraws done.
struct Typing : WindowHarness {
    Typing() {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
    }
    // Types over the field's text key by key, as the user does.
    static void typeOver(QLineEdit* edit, const QString& keys) {
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    static void leave(QWidget* field, Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(field, &out);
    }
};

const QString kTagSizeRange = QStringLiteral("Value must be between 1 and 500");

TEST(WindowKeyboardTest, TheKeyThatClosedTheMessageIsNotReadAgainByTheField) {
    for (const Qt::Key closingKey : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
        Typing h;
        TForm1& w = h.w();
        Typing::typeOver(w.WidthEdit, QStringLiteral("6"));
        ASSERT_EQ(h.prompts.messages, QStringList{kTagSizeRange});
        // The key went down in the message box, which it closed; it comes up in the field.
        QTest::keyRelease(w.WidthEdit, closingKey);
        EXPECT_EQ(h.prompts.messages.size(), 1) << "the message came back after key " << closingKey;
        // The field still takes what is typed in it.
        Typing::typeOver(w.WidthEdit, QStringLiteral("3"));
        EXPECT_EQ(h.design().TagWidthDots, 600);
        EXPECT_EQ(h.prompts.messages.size(), 1);
    }
}

TEST(WindowKeyboardTest, TextThatMayStillBecomeAValueWaitsAndHopelessTextIsRefusedAtOnce) {
    struct Case {
        const char* field;
        const char* keys;
        int messages;     // messages shown while typing
        int position;     // the field's up-down afterwards
        const char* text; // the field's text afterwards
    };
    const Case cases[] = {
        {"WidthEdit", "0", 0, 200, "0"},       // nothing applied yet
        {"WidthEdit", "0.", 0, 200, "0."},     //
        {"WidthEdit", "0.75", 0, 75, "0.75"},  // a tag under an inch
        {"WidthEdit", ".75", 0, 75, ".75"},    //
        {"HeightEdit", "0.5", 0, 50, "0.5"},   //
        {"WidthEdit", "6", 1, 200, "6"},       // six inches and more
        {"WidthEdit", "a", 1, 200, "a"},       // a letter
        {"HoleWidthEdit", "1", 1, 12, "1"},    // a hole of an inch
        {"HoleWidthEdit", ".05", 0, 5, ".05"}, //
        {"ImageSizeEdit", "250", 1, 25, "25"}, // the percent field goes back
        {"TextBlockWidthOffsetEdit", "7", 0, 7, "7"},
    };
    for (const Case& c : cases) {
        Typing h;
        auto* edit = h.w().findChild<QLineEdit*>(QString::fromLatin1(c.field));
        ASSERT_NE(edit, nullptr) << c.field;
        Typing::typeOver(edit, QString::fromLatin1(c.keys));
        const auto* upDown = h.w().findChild<UpDown*>(
            QString::fromLatin1(c.field).replace(QStringLiteral("Edit"), QStringLiteral("UpDown")));
        EXPECT_EQ(h.prompts.messages.size(), c.messages) << c.field << " " << c.keys;
        EXPECT_EQ(upDown->position(), c.position) << c.field << " " << c.keys;
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.text)) << c.field << " " << c.keys;
    }
}

TEST(WindowKeyboardTest, LeavingAnUnfinishedSizeShowsTheMessageAndTheSizeInUse) {
    Typing h;
    TForm1& w = h.w();
    Typing::typeOver(w.WidthEdit, QStringLiteral("0"));
    // A message box or another window taking the focus is not the user leaving.
    Typing::leave(w.WidthEdit, Qt::ActiveWindowFocusReason);
    EXPECT_TRUE(h.prompts.messages.isEmpty());
    Typing::leave(w.WidthEdit, Qt::TabFocusReason);
    EXPECT_EQ(h.prompts.messages, QStringList{kTagSizeRange});
    EXPECT_EQ(w.WidthEdit->text(), QStringLiteral("2.00"));
    EXPECT_EQ(h.design().TagWidthDots, 400);
    // Once shown again, the field is settled: leaving it once more says nothing.
    Typing::leave(w.WidthEdit, Qt::MouseFocusReason);
    EXPECT_EQ(h.prompts.messages.size(), 1);
}

TEST(WindowKeyboardTest, TheTooLongMessageComesOnceAndNoKeyIsLost) {
    Typing h;
    QPlainTextEdit* memo = h.w().TextBlockMemo;
    const QString wide = QStringLiteral("A line of the text block far wider than the memo box");
    QTest::keyClicks(memo, wide);
    QTest::keyClicks(memo, QStringLiteral(" and more"));
    EXPECT_EQ(memo->toPlainText(), wide + QStringLiteral(" and more"));
    EXPECT_EQ(h.prompts.messages,
              QStringList{QStringLiteral("Text is too long, using the current font and size.")});
    // After the text has fitted again, a line that becomes too wide is reported again.
    memo->selectAll();
    QTest::keyClicks(memo, QStringLiteral("Short"));
    EXPECT_EQ(h.prompts.messages.size(), 1);
    QTest::keyClicks(memo, QStringLiteral(" ") + wide);
    EXPECT_EQ(h.prompts.messages.size(), 2);
}

TEST(WindowKeyboardTest, TheFontDialogOpensOnTheFontAndOkGivesItBackUnchanged) {
    const Font fonts[] = {
        {QStringLiteral("Times New Roman"), 18, FontStyle{true, false, false, false}, clBlack},
        {QStringLiteral("Arial"), 10, FontStyle{true, false, false, false}, clRed},
        {QStringLiteral("Times New Roman"), 10, FontStyle{true, false, false, false}, clWindowText},
        {QStringLiteral("MS Sans Serif"), 8, FontStyle{}, rgbColor(0, 128, 0)},
        {QStringLiteral("Liberation Sans"), 7, FontStyle{false, true, false, false}, clBlack},
        {QStringLiteral("Arial"), 12, FontStyle{true, true, true, false}, clBlack},
    };
    for (const Font& font : fonts) {
        const std::unique_ptr<QFontDialog> dialog = makeFontDialog(font, nullptr);
        const QFont start = dialog->currentFont();
        EXPECT_EQ(start.pointSize(), font.sizePoints) << font.name.toStdString();
        EXPECT_EQ(start.bold(), font.style.bold) << font.name.toStdString();
        EXPECT_EQ(start.italic(), font.style.italic) << font.name.toStdString();
        EXPECT_EQ(start.family(), QFontInfo(toQFont(font)).family()) << font.name.toStdString();
        EXPECT_EQ(fontFromDialog(font, *dialog), font) << font.name.toStdString();
        // The sample shows, written in the font's colour.
        dialog->show();
        const QLineEdit* sample = nullptr;
        for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
            sample = qobject_cast<QGroupBox*>(edit->parentWidget()) ? edit : sample;
        }
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->palette().color(QPalette::Text),
                  testing::qcolor(resolveSystemColor(font.color)));
        EXPECT_GE(sample->height(), sample->fontMetrics().height()) << font.name.toStdString();
    }
}

TEST(WindowKeyboardTest, HintsWrapAtSixtyCharactersAndKeepEveryWord) {
    Typing h;
    int wrapped = 0;
    for (const QWidget* widget : h.w().findChildren<QWidget*>()) {
        const QString hint = shortHint(hintOf(widget));
        if (hint.isEmpty()) {
            continue;
        }
        const QStringList lines = widget->toolTip().split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            EXPECT_LE(line.size(), 60) << line.toStdString();
        }
        EXPECT_EQ(lines.join(QLatin1Char(' ')).simplified(), hint.simplified());
        wrapped += lines.size() > 1 ? 1 : 0;
    }
    EXPECT_GT(wrapped, 5);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
    // A word longer than a line has a line of its own.
    const QString longWord(70, QLatin1Char('x'));
    EXPECT_EQ(wrappedToolTip(QStringLiteral("a ") + longWord + QStringLiteral(" b")),
              QStringLiteral("a\n") + longWord + QStringLiteral("\nb"));
}

TEST(WindowKeyboardTest, WelcomeTextTabsAndFileLabelShowWhole) {
    WindowHarness h;
    h.w().show();
    EXPECT_FALSE(h.w().AboutMemo->horizontalScrollBar()->isVisible());
    h.prompts.cancelNext();
    h.w().ContinueButton->click();
    h.settle();
    EXPECT_TRUE(h.slot(1).FileName.endsWith(QStringLiteral("~temptag.bmp")));
    EXPECT_EQ(h.w().Label3->text(), QStringLiteral("(blank picture)"));
    // The three left-hand tabs are whole, side by side, within their page control.
    const QTabBar* tabs = h.w().PageControl2->tabBar();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_TRUE(tabs->styleSheet().isEmpty());
    EXPECT_LE(tabs->sizeHint().width(), h.w().PageControl2->width());
}

} // namespace
} // namespace veltmoor
