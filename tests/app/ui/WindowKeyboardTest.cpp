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

const QString kTagSizeRange =
    QStringLiteral("Value must be between 1 and 500 (0.01 to 5.00 inches)");

TEST(WindowKeyboardTest, TheKeyThatClosedTheMessageIsNotReadAgainByTheField) {
    for (const Qt::Key closingKey : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
        Typing h;
        Typing::typeOver(testing::control<QLineEdit>(h.w(), QStringLiteral("WidthEdit")),
                         QStringLiteral("6"));
        // The key went down in the message box, which it closed; it comes up in the field.
        QTest::keyRelease(testing::control<QLineEdit>(h.w(), QStringLiteral("WidthEdit")),
                          closingKey);
        Typing::typeOver(testing::control<QLineEdit>(h.w(), QStringLiteral("WidthEdit")),
                         QStringLiteral("3")); // the field still takes keys
        EXPECT_EQ(h.prompts.messages, QStringList{kTagSizeRange}) << "closed by " << closingKey;
        EXPECT_EQ(h.design().tagWidthDots(), 600);
    }
}

// Typed key by key: the messages shown, the up-down's position and the field's text after
// (a refused size gives way to the size in use at once).
TEST(WindowKeyboardTest, TextThatMayStillBecomeAValueWaitsAndHopelessTextIsRefusedAtOnce) {
    const std::tuple<const char*, const char*, int, int, const char*> cases[] = {
        {"Width", "0", 0, 200, "0"}, // nothing applied yet
        {"Width", "0.", 0, 200, "0."},
        {"Width", "0.75", 0, 75, "0.75"}, // a tag under an inch
        {"Width", ".75", 0, 75, ".75"},
        {"Height", "0.5", 0, 50, "0.5"},
        {"Width", "6", 1, 200, "2.00"},   // six inches and more
        {"Width", "a", 1, 200, "2.00"},   // a letter
        {"HoleWidth", "1", 1, 12, ".12"}, // a hole of an inch
        {"HoleWidth", ".05", 0, 5, ".05"},
        {"HoleHeight", "1", 1, 12, ".12"},
        {"HoleHeight", ".3", 0, 30, ".3"},
        {"ImageSize", "250", 1, 25, "25"}, // the percent field goes back
        {"TextBlockWidthOffset", "7", 0, 7, "7"},
    };
    for (const auto& [field, keys, messages, position, text] : cases) {
        Typing h;
        auto* edit =
            h.w().findChild<QLineEdit*>(QString::fromLatin1(field) + QStringLiteral("Edit"));
        Typing::typeOver(edit, QString::fromLatin1(keys));
        const auto* upDown =
            h.w().findChild<UpDown*>(QString::fromLatin1(field) + QStringLiteral("UpDown"));
        EXPECT_EQ(h.prompts.messages.size(), messages) << field << " " << keys;
        EXPECT_EQ(upDown->position(), position) << field << " " << keys;
        EXPECT_EQ(edit->text(), QString::fromLatin1(text)) << field << " " << keys;
        if (messages == 1) {
            Typing::leave(edit, Qt::TabFocusReason);
            EXPECT_EQ(h.prompts.messages.size(), 1) << field << " " << keys << ", said again";
        }
    }
}

TEST(WindowKeyboardTest, LeavingAnUnfinishedSizeShowsTheMessageAndTheSizeInUse) {
    Typing h;
    TForm1& w = h.w();
    Typing::typeOver(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")),
                     QStringLiteral("0"));
    // A message box or another window taking the focus is not the user leaving.
    Typing::leave(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")),
                  Qt::ActiveWindowFocusReason);
    EXPECT_TRUE(h.prompts.messages.isEmpty());
    Typing::leave(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")), Qt::TabFocusReason);
    EXPECT_EQ(h.prompts.messages, QStringList{kTagSizeRange});
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit"))->text(),
              QStringLiteral("2.00"));
    EXPECT_EQ(h.design().tagWidthDots(), 400);
    // Once shown again, the field is settled: leaving it once more says nothing.
    Typing::leave(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")),
                  Qt::MouseFocusReason);
    EXPECT_EQ(h.prompts.messages.size(), 1);
}

TEST(WindowKeyboardTest, TheTooLongMessageComesOnceAndNoKeyIsLost) {
    Typing h;
    QPlainTextEdit* memo = testing::control<QPlainTextEdit>(h.w(), QStringLiteral("TextBlockMemo"));
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
        EXPECT_EQ(std::tuple(start.family(), start.pointSize(), start.bold(), start.italic()),
                  std::tuple(QFontInfo(toQFont(font)).family(), font.sizePoints, font.style.bold,
                             font.style.italic));
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
        EXPECT_GE(sample->height(), sample->fontMetrics().height());
    }
}

TEST(WindowKeyboardTest, HintsWrapAtSixtyCharactersAndKeepEveryWord) {
    Typing h;
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
    }
}

TEST(WindowKeyboardTest, WelcomeTextTabsAndFileLabelShowWhole) {
    WindowHarness h;
    h.w().show();
    EXPECT_FALSE(
        h.control<QPlainTextEdit>(QStringLiteral("AboutMemo"))->horizontalScrollBar()->isVisible());
    h.prompts.cancelNext();
    h.control<QPushButton>(QStringLiteral("ContinueButton"))->click();
    h.settle();
    EXPECT_TRUE(h.slot(1).FileName.endsWith(QStringLiteral("~temptag.bmp")));
    EXPECT_EQ(testing::control<QLabel>(h.w(), QStringLiteral("Label3"))->text(),
              QStringLiteral("(blank picture)"));
    // The four left-hand tabs are whole, side by side, within their page control.
    const QTabBar* tabs = h.w().PageControl2->tabBar();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_TRUE(tabs->styleSheet().isEmpty());
    EXPECT_LE(tabs->sizeHint().width(), h.w().PageControl2->width());
}

} // namespace
} // namespace veltmoor
