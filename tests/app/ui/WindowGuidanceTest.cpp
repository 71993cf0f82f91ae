#include "support/widgets/WindowHarness.h"

#include "guidance/THelpForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace veltmoor::testing {
namespace {

// The window with a real help window, wired as the program wires them, designing tag 1.
struct GuidedWindow {
    THelpForm* help = nullptr;
    WindowHarness h{services()};

    explicit GuidedWindow(bool startDesigning = true) {
        help = new THelpForm(h.window.get());
        if (startDesigning) {
            h.startDesigning(h.picture(QStringLiteral("red.bmp"), 60, 60, clRed));
            h.settle();
        }
    }
    WindowServices services() {
        WindowServices s;
        s.currentHelpItem = [this] { return help ? help->currentStep() : -1; };
        s.advanceHelp = [this](int done, int next) { help->AdvanceHelp(done, next); };
        return s;
    }
    QString ticks() const {
        QString ticked;
        for (int step = 0; step < 16; ++step) {
            ticked += help->isTicked(step) ? QStringLiteral("%1 ").arg(step) : QString();
        }
        return ticked + QStringLiteral("-> %1").arg(help->currentStep());
    }
};

void moveMouseOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void focusOn(QWidget* widget) {
    widget->window()->activateWindow();
    QApplication::processEvents();
    widget->setFocus(Qt::TabFocusReason);
}

struct StepCase {
    int current;
    std::function<void(TForm1&)> act;
    const char* expected; // the ticked steps, then the current one
};

class HelpStepRuleTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(HelpStepRuleTest, MovesTheStepListAsTheUserWorks) {
    GuidedWindow g;
    for (int step = 0; step < 16; ++step) {
        g.help->HelpCheckListBox->item(step)->setCheckState(Qt::Unchecked);
    }
    g.help->HelpCheckListBox->setCurrentRow(GetParam().current);
    GetParam().act(g.h.w());
    EXPECT_EQ(g.ticks(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, HelpStepRuleTest,
    ::testing::Values(
        StepCase{2,
                 [](TForm1& w) {
                     focusOn(testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup"))
                                 ->button(3));
                 },
                 "2 -> 3"},
        StepCase{3,
                 [](TForm1& w) {
                     moveMouseOver(control<QGroupBox>(w, QStringLiteral("TesselSizeGroupBox")));
                 },
                 "3 -> 4"},
        StepCase{2,
                 [](TForm1& w) {
                     moveMouseOver(control<QGroupBox>(w, QStringLiteral("TesselSizeGroupBox")));
                 },
                 "-> 2"},
        StepCase{
            4,
            [](TForm1& w) { focusOn(control<QPlainTextEdit>(w, QStringLiteral("TextBlockMemo"))); },
            "4 -> 5"},
        StepCase{12,
                 [](TForm1& w) {
                     w.PageControl1->setCurrentWidget(
                         control<QWidget>(w, QStringLiteral("Text2TabSheet")));
                 },
                 "4 -> 5"},
        StepCase{5,
                 [](TForm1& w) {
                     moveMouseOver(
                         control<QPlainTextEdit>(w, QStringLiteral("TextBlockMemo"))->viewport());
                 },
                 "5 -> 6"},
        StepCase{5,
                 [](TForm1& w) {
                     moveMouseOver(testing::control<QLineEdit>(w, QStringLiteral("TextEdit")));
                 },
                 "5 -> 6"},
        StepCase{7,
                 [](TForm1& w) {
                     moveMouseOver(control<QGroupBox>(w, QStringLiteral("SelectColorsGroupBox")));
                 },
                 "7 8 -> 9"},
        StepCase{10,
                 [](TForm1& w) {
                     moveMouseOver(
                         control<QGroupBox>(w, QStringLiteral("ImageVertOffsetGroupBox")));
                 },
                 "10 -> 11"},
        StepCase{12,
                 [](TForm1& w) {
                     moveMouseOver(
                         testing::control<QPushButton>(w, QStringLiteral("PrinterSetupButton")));
                 },
                 "12 -> 13"},
        StepCase{14,
                 [](TForm1& w) {
                     moveMouseOver(testing::control<QPushButton>(w, QStringLiteral("PrintButton")));
                 },
                 "14 -> 15"},
        StepCase{13,
                 [](TForm1& w) {
                     moveMouseOver(testing::control<QPushButton>(w, QStringLiteral("PrintButton")));
                 },
                 "-> 13"}));

TEST(HelpStartTest, LeavingTheWelcomePageWithAPictureTicksExactlyTheFirstTwoSteps) {
    EXPECT_EQ(GuidedWindow().ticks(), QStringLiteral("0 1 -> 2"));
}

// A design opened from the welcome page passes "Continue" and its first picture as a click on
// "Continue" would: the list does not wait at the first step, nor its pane at the line shown
// while the program loads.
TEST(HelpStartTest, ADesignOpenedFromTheWelcomePageMovesTheStepsOnAsContinueWould) {
    GuidedWindow designed;
    const QString file = designed.h.folder.filePath(QStringLiteral("sheet.vmg"));
    designed.h.prompts.answerPath(file);
    ASSERT_TRUE(designed.h.w().SaveAsItemClick());

    GuidedWindow g(false);
    g.h.w().show();
    g.help->show();
    g.h.prompts.answerPath(file);
    g.h.w().findChild<QPushButton*>(QStringLiteral("OpenTagAboutButton"))->click();
    g.help->Timer1Timer();
    EXPECT_EQ(g.ticks(), QStringLiteral("0 1 -> 2"));
    EXPECT_EQ(g.help->Memo1->toPlainText(),
              QStringLiteral("Try the different shapes so you can see what they look like."));
}

TEST(WindowPlacementTest, TheFrameOpensAgainstTheRightEdgeCentredAndWhollyOnTheScreen) {
    WindowHarness h;
    h.w().show();
    const QRect screen = h.w().screen()->geometry();
    const QRect frame = h.w().frameGeometry();
    EXPECT_TRUE(h.w().screen()->availableGeometry().contains(frame));
    EXPECT_EQ(frame.right(), screen.right() - 1);
    EXPECT_EQ(frame.top(), screen.top() + (screen.height() - frame.height()) / 2);
}

// What "Address Labels" sets, as the window shows it.
QString labelSettings(TForm1& w) {
    const auto number = [](int value) { return QString::number(value); };
    return QStringList{
        number(w.design().tagWidthDots()),
        number(w.design().tagHeightDots()),
        control<QLineEdit>(w, QStringLiteral("WidthEdit"))->text(),
        control<QLineEdit>(w, QStringLiteral("HeightEdit"))->text(),
        number(
            testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup"))->itemIndex()),
        number(control<QCheckBox>(w, QStringLiteral("NoHoleCheckBox"))->isChecked()),
        testing::control<QLineEdit>(w, QStringLiteral("ValueEdit"))->text() +
            testing::control<QLineEdit>(w, QStringLiteral("TextEdit"))->text(),
        number(control<RadioGroup>(w, QStringLiteral("Text1RadioGroup"))->itemIndex()),
        number(control<UpDown>(w, QStringLiteral("ImageHorizontalOffsetUpDown"))->position()),
        number(control<UpDown>(w, QStringLiteral("ImageSizeUpDown"))->position()),
        number(control<UpDown>(w, QStringLiteral("TextBlockWidthOffsetUpDown"))->position()),
        number(control<UpDown>(w, QStringLiteral("TextBlockHeightOffsetUpDown"))->position()),
        w.PageControl1->currentWidget()->objectName(),
        number(control<QCheckBox>(w, QStringLiteral("AddressLabelsCheckBox"))->isChecked())}
        .join(QLatin1Char(' '));
}

// Right after start no question; after a sheet preview the question, answered Cancel or OK.
class AddressLabelsTest : public ::testing::TestWithParam<std::optional<bool>> {};

TEST_P(AddressLabelsTest, MakesAReturnAddressLabelAskingOnceTheSheetWasWorkedOn) {
    const std::optional<bool> ok = GetParam();
    WindowHarness h;
    h.startDesigning(h.picture(QStringLiteral("red.bmp"), 60, 60, clRed));
    h.control<QLineEdit>(QStringLiteral("ValueEdit"))->setText(QStringLiteral("$4.00"));
    if (ok) {
        h.control<QPushButton>(QStringLiteral("PreviewButton"))->click();
        h.prompts.answer(*ok);
    }
    h.settle();
    const QString before = labelSettings(h.w());
    h.prompts.asked.clear();
    control<QCheckBox>(h.w(), QStringLiteral("AddressLabelsCheckBox"))->click();
    h.settle();

    EXPECT_EQ(h.prompts.asked,
              ok ? QStringList{QStringLiteral(
                       "askOkCancel: Return Address Labels: If you continue, you will change many "
                       "of your settings. So save your work before continuing. Do you want to "
                       "continue?")}
                 : QStringList{});
    EXPECT_EQ(labelSettings(h.w()),
              ok.value_or(true)
                  ? QStringLiteral("500 200 2.50 1.00 1 1  0 22 85 50 25 Text2TabSheet 1")
                  : before);
    EXPECT_EQ(h.slot(1).ImageSize, ok.value_or(true) ? 85 : 100);
}

INSTANTIATE_TEST_SUITE_P(Answers, AddressLabelsTest,
                         ::testing::Values(std::nullopt, std::optional<bool>(false),
                                           std::optional<bool>(true)));

} // namespace
} // namespace veltmoor::testing
