#include "support/widgets/WindowHarness.h"

#include "guidance/THelpForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

namespace veltmoor::testing {
namespace {

// The window with a real help window, wired as the program wires them.
struct GuidedWindow {
    THelpForm* help = nullptr;
    WindowHarness harness;

    GuidedWindow() : harness(services()) {
        help = new THelpForm(harness.window.get());
        harness.startDesigning(harness.picture(QStringLiteral("red.bmp"), 60, 60, clRed));
        harness.settle();
    }

    WindowServices services() {
        WindowServices s;
        s.currentHelpItem = [this] { return help ? help->currentStep() : -1; };
        s.advanceHelp = [this](int done, int next) {
            if (help) {
                help->AdvanceHelp(done, next);
            }
        };
        s.HelpCheckBoxClick = [this](bool checked) {
            if (help) {
                help->HelpCheckBoxClick(checked);
            }
        };
        return s;
    }

    TForm1& w() { return harness.w(); }

    // Step `current` is the current one and nothing is ticked.
    void startAt(int current) {
        for (int row = 0; row < help->HelpCheckListBox->count(); ++row) {
            help->HelpCheckListBox->item(row)->setCheckState(Qt::Unchecked);
        }
        help->HelpCheckListBox->setCurrentRow(current);
    }

    std::vector<int> ticked() const {
        std::vector<int> steps;
        for (int step = 0; step < 16; ++step) {
            if (help->isTicked(step)) {
                steps.push_back(step);
            }
        }
        return steps;
    }
};

// The mouse moving over a widget with no button held, as the window system reports it.
void moveMouseOver(QWidget* widget) {
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The keyboard focus arriving at a widget of the active window.
void focusOn(TForm1& window, QWidget* widget) {
    window.activateWindow();
    QApplication::processEvents();
    window.setFocus();
    widget->setFocus(Qt::TabFocusReason);
}

struct StepCase {
    const char* name;
    int current;
    std::function<void(TForm1&)> act;
    int expectedCurrent;
    std::vector<int> expectedTicks;
};

void PrintTo(const StepCase& c, std::ostream* out) {
    *out << c.name;
}

class HelpStepRuleTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(HelpStepRuleTest, MovesTheStepListAsTheUserWorks) {
    GuidedWindow g;
    const StepCase& c = GetParam();
    g.startAt(c.current);
    c.act(g.w());
    EXPECT_EQ(g.help->currentStep(), c.expectedCurrent);
    EXPECT_EQ(g.ticked(), c.expectedTicks);
}

const auto kFirstRadio = [](RadioGroup* group) { return group->findChild<QRadioButton*>(); };

INSTANTIATE_TEST_SUITE_P(
    Rules, HelpStepRuleTest,
    ::testing::Values(
        StepCase{"ShapeFocus",
                 2,
                 [](TForm1& w) { focusOn(w, kFirstRadio(w.TypeOfPageRadioGroup)); },
                 3,
                 {2}},
        StepCase{"ShapeFocusOtherStep",
                 3,
                 [](TForm1& w) { focusOn(w, kFirstRadio(w.TypeOfPageRadioGroup)); },
                 3,
                 {}},
        StepCase{"ShapeHintPolled",
                 2,
                 [](TForm1& w) {
                     w.DisplayHint(QStringLiteral("Selects the shape of tag that will be drawn."));
                     w.Timer1Timer();
                 },
                 3,
                 {2}},
        StepCase{"SizeGroup", 3, [](TForm1& w) { moveMouseOver(w.TesselSizeGroupBox); }, 4, {3}},
        StepCase{
            "SizeGroupOtherStep", 2, [](TForm1& w) { moveMouseOver(w.TesselSizeGroupBox); }, 2, {}},
        StepCase{"TextBlockFocus",
                 4,
                 [](TForm1& w) {
                     w.PageControl1->setCurrentWidget(w.Text2TabSheet);
                     focusOn(w, w.TextBlockMemo);
                 },
                 5,
                 {4}},
        StepCase{"TextBlockPageFromStep12",
                 12,
                 [](TForm1& w) { w.PageControl1->setCurrentWidget(w.Text2TabSheet); },
                 5,
                 {4}},
        StepCase{"TextBlockMemo",
                 5,
                 [](TForm1& w) { moveMouseOver(w.TextBlockMemo->viewport()); },
                 6,
                 {5}},
        StepCase{"CornerText", 5, [](TForm1& w) { moveMouseOver(w.ValueEdit); }, 6, {5}},
        StepCase{"EdgeText", 5, [](TForm1& w) { moveMouseOver(w.TextEdit); }, 6, {5}},
        StepCase{"BasicPage",
                 6,
                 [](TForm1& w) {
                     w.PageControl1->setCurrentWidget(w.Images01to15TabSheet);
                     w.PageControl1->setCurrentWidget(w.StandardTabSheet);
                 },
                 7,
                 {6}},
        StepCase{
            "CutLineClickFromStep12",
            12,
            [](TForm1& w) { w.BorderRadioGroup->findChildren<QRadioButton*>().at(0)->click(); },
            8,
            {7}},
        StepCase{"ColourGroupFinishesTwoSteps",
                 7,
                 [](TForm1& w) { moveMouseOver(w.SelectColorsGroupBox); },
                 9,
                 {7, 8}},
        StepCase{
            "ColourGroup", 8, [](TForm1& w) { moveMouseOver(w.SelectColorsGroupBox); }, 9, {8}},
        StepCase{"AdvancedPage",
                 9,
                 [](TForm1& w) { w.PageControl2->setCurrentWidget(w.AdvancedTabSheet); },
                 10,
                 {9}},
        StepCase{
            "HoleGroup", 10, [](TForm1& w) { moveMouseOver(w.HoleSizePlaceGroupBox); }, 11, {10}},
        StepCase{
            "ImageSizeGroup", 10, [](TForm1& w) { moveMouseOver(w.ImageSizeGroupBox); }, 11, {10}},
        StepCase{"ImageOffsetGroup",
                 10,
                 [](TForm1& w) { moveMouseOver(w.ImageVertOffsetGroupBox); },
                 11,
                 {10}},
        StepCase{"ControlPage",
                 11,
                 [](TForm1& w) {
                     w.PageControl2->setCurrentWidget(w.TextTabSheet);
                     w.PageControl2->setCurrentWidget(w.PrintControlTabSheet);
                 },
                 12,
                 {11}},
        StepCase{
            "PrinterSetup", 12, [](TForm1& w) { moveMouseOver(w.PrinterSetupButton); }, 13, {12}},
        StepCase{"PreviewSheet", 13, [](TForm1& w) { moveMouseOver(w.PreviewButton); }, 14, {13}},
        StepCase{"Print", 14, [](TForm1& w) { moveMouseOver(w.PrintButton); }, 15, {14}},
        StepCase{"PrintWhilePreviewIsCurrent",
                 13,
                 [](TForm1& w) { moveMouseOver(w.PrintButton); },
                 13,
                 {}}),
    [](const ::testing::TestParamInfo<StepCase>& row) { return std::string(row.param.name); });

TEST(HelpStartTest, LeavingTheWelcomePageWithAPictureTicksExactlyTheFirstTwoSteps) {
    GuidedWindow g; // the first activation sets the cut line without the user
    EXPECT_EQ(g.ticked(), (std::vector<int>{0, 1}));
    EXPECT_EQ(g.help->currentStep(), 2);
}

TEST(HelpBoxTest, OffAndOnHidesAndShowsTheHelpAtTheFirstStepNotTickedAndStopsThePoll) {
    GuidedWindow g;
    g.help->show();
    g.startAt(0);
    for (int step = 0; step < 4; ++step) {
        g.help->AdvanceHelp(step, step + 1);
    }
    g.help->HelpCheckListBox->setCurrentRow(2);

    g.w().HelpCheckBox->setChecked(false);
    EXPECT_FALSE(g.help->isVisible());
    EXPECT_EQ(g.help->currentStep(), 4);
    // With the box off the hint line no longer moves the steps on.
    g.help->HelpCheckListBox->setCurrentRow(2);
    g.w().DisplayHint(QStringLiteral("Selects the shape of tag that will be drawn."));
    g.w().Timer1Timer();
    EXPECT_EQ(g.help->currentStep(), 2);

    g.w().HelpCheckBox->setChecked(true);
    EXPECT_TRUE(g.help->isVisible());
    EXPECT_EQ(g.help->currentStep(), 4);
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
struct LabelSettings {
    int tagWidthDots;
    int tagHeightDots;
    QString widthText;
    QString heightText;
    int shape;
    bool noHole;
    QString cornerText;
    QString edgeText;
    int textAlignment;
    int imageHorizontalOffset;
    int imageSize;
    int textBlockWidthOffset;
    int textBlockHeightOffset;
    bool textBlockPageInFront;
    bool boxChecked;
    friend bool operator==(const LabelSettings&, const LabelSettings&) = default;
};

void PrintTo(const LabelSettings& s, std::ostream* out) {
    *out << s.tagWidthDots << "x" << s.tagHeightDots << " " << s.widthText.toStdString() << "x"
         << s.heightText.toStdString() << " shape " << s.shape << " noHole " << s.noHole
         << " texts '" << s.cornerText.toStdString() << "' '" << s.edgeText.toStdString()
         << "' align " << s.textAlignment << " picture " << s.imageHorizontalOffset << "/"
         << s.imageSize << " block " << s.textBlockWidthOffset << "/" << s.textBlockHeightOffset
         << " textBlockPage " << s.textBlockPageInFront << " box " << s.boxChecked;
}

LabelSettings shownSettings(TForm1& w) {
    return {w.design().TagWidthDots,
            w.design().TagHeightDots,
            w.WidthEdit->text(),
            w.HeightEdit->text(),
            w.TypeOfPageRadioGroup->itemIndex(),
            w.NoHoleCheckBox->isChecked(),
            w.ValueEdit->text(),
            w.TextEdit->text(),
            w.Text1RadioGroup->itemIndex(),
            w.ImageHorizontalOffsetUpDown->position(),
            w.ImageSizeUpDown->position(),
            w.TextBlockWidthOffsetUpDown->position(),
            w.TextBlockHeightOffsetUpDown->position(),
            w.PageControl1->currentWidget() == w.Text2TabSheet,
            w.AddressLabelsCheckBox->isChecked()};
}

const LabelSettings kReturnAddressLabel{500,
                                        200,
                                        QStringLiteral("2.50"),
                                        QStringLiteral("1.00"),
                                        1,
                                        true,
                                        QString(),
                                        QString(),
                                        0,
                                        22,
                                        85,
                                        50,
                                        25,
                                        true,
                                        true};

const QString kAddressQuestion = QStringLiteral(
    "askOkCancel: Return Address Labels: If you continue, you will change many of your "
    "settings. So save your work before continuing. Do you want to continue?");

struct AddressCase {
    const char* name;
    bool sheetPreviewedFirst;
    std::optional<bool> okToContinue; // the answer, when a question is expected
};

void PrintTo(const AddressCase& c, std::ostream* out) {
    *out << c.name;
}

class AddressLabelsTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressLabelsTest, MakesAReturnAddressLabelAskingOnceTheSheetWasWorkedOn) {
    const AddressCase& c = GetParam();
    WindowHarness h;
    h.startDesigning(h.picture(QStringLiteral("red.bmp"), 60, 60, clRed));
    TForm1& w = h.w();
    w.ValueEdit->setText(QStringLiteral("$4.00"));
    w.TextEdit->setText(QStringLiteral("SALE"));
    h.settle();
    if (c.sheetPreviewedFirst) {
        w.PreviewButton->click();
        h.settle();
    }
    const LabelSettings before = shownSettings(w);
    if (c.okToContinue) {
        h.prompts.answer(*c.okToContinue);
    }
    h.prompts.asked.clear();

    w.AddressLabelsCheckBox->click();
    h.settle();

    EXPECT_EQ(h.prompts.asked, c.okToContinue ? QStringList{kAddressQuestion} : QStringList{});
    if (c.okToContinue.value_or(true)) {
        EXPECT_EQ(shownSettings(w), kReturnAddressLabel);
        EXPECT_EQ(h.slot(1).ImageSize, 85);
        EXPECT_EQ(h.slot(1).ImageHorizontalOffset, 22);
        EXPECT_EQ(w.LastTagBitmap().width(), 500);
        EXPECT_EQ(w.LastTagBitmap().height(), 200);
    } else {
        EXPECT_EQ(shownSettings(w), before);
        EXPECT_EQ(h.slot(1).ValueText, QStringLiteral("$4.00"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressLabelsTest,
    ::testing::Values(AddressCase{"RightAfterStartNoQuestion", false, std::nullopt},
                      AddressCase{"AfterPreviewCancelChangesNothing", true, false},
                      AddressCase{"AfterPreviewOk", true, true}),
    [](const ::testing::TestParamInfo<AddressCase>& row) { return std::string(row.param.name); });

} // namespace
} // namespace veltmoor::testing
