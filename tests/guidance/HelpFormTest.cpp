#include "guidance/THelpForm.h"
#include "guidance/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace veltmoor {
namespace {

const QString kLoadingLine =
    QStringLiteral("Loading program, can take a minute, depending on your system.");

std::vector<int> tickedSteps(const THelpForm& form) {
    std::vector<int> ticked;
    for (int row = 0; row < form.HelpCheckListBox->count(); ++row) {
        if (form.HelpCheckListBox->item(row)->checkState() == Qt::Checked) {
            ticked.push_back(row);
        }
    }
    return ticked;
}

void activate(THelpForm& form) {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activation);
}

TEST(HelpForm, IsTheSmallStepWindowWithItsListMemoAndTimer) {
    THelpForm form;
    EXPECT_EQ(form.objectName(), QStringLiteral("HelpForm"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Step by Step Help"));
    EXPECT_EQ(form.size(), QSize(202, 328));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()); // a single, fixed border
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint));

    ASSERT_EQ(form.HelpCheckListBox->count(), 16);
    EXPECT_EQ(form.HelpCheckListBox->size(), QSize(201, 214));
    EXPECT_EQ(form.HelpCheckListBox->item(0)->text(), QStringLiteral("Click \"Continue\""));
    EXPECT_EQ(form.HelpCheckListBox->item(15)->text(), QStringLiteral("Enjoy and experiment"));
    for (int row = 0; row < 16; ++row) {
        const QListWidgetItem* item = form.HelpCheckListBox->item(row);
        EXPECT_EQ(item->checkState(), Qt::Unchecked) << row;
        EXPECT_FALSE(item->flags() & Qt::ItemIsUserCheckable) << row; // ticks only ever set
    }
    EXPECT_EQ(form.currentStep(), -1);

    EXPECT_EQ(form.Memo1->size(), QSize(201, 113));
    EXPECT_TRUE(form.Memo1->isReadOnly());
    EXPECT_EQ(form.Memo1->toPlainText(), kLoadingLine);
    EXPECT_EQ(form.Timer1->interval(), 200);
    EXPECT_TRUE(form.Timer1->isActive());
}

TEST(HelpForm, AdvanceHelpTicksOneStepAndMovesToAnotherEvenBackwards) {
    THelpForm form;
    for (int step = 0; step < 12; ++step) {
        form.AdvanceHelp(step, step + 1);
    }
    EXPECT_EQ(form.currentStep(), 12);
    // A switch to the "Text Block" page ticks step 4 again and goes back to step 5; no tick
    // is taken away.
    form.AdvanceHelp(4, 5);
    EXPECT_EQ(form.currentStep(), 5);
    EXPECT_EQ(tickedSteps(form), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(HelpForm, TheHelpBoxOffAndOnShowsAgainAtTheFirstStepNotTicked) {
    THelpForm form;
    form.show();
    for (int step = 0; step < 4; ++step) {
        form.AdvanceHelp(step, step + 1);
    }
    form.AdvanceHelp(7, 8); // a later tick does not hide the gap at step 4
    form.AdvanceHelp(9, 1);

    form.HelpCheckBoxClick(false);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.currentStep(), 4);
    form.HelpCheckListBox->setCurrentRow(0);
    form.HelpCheckBoxClick(true);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.currentStep(), 4);

    for (int step = 4; step < 15; ++step) {
        form.AdvanceHelp(step, 0);
    }
    form.HelpCheckBoxClick(true);
    EXPECT_EQ(form.currentStep(), 15); // the last step is never ticked: the scan ends there
}

TEST(HelpForm, TheTimerFollowsTheCurrentStepButLeavesTheLoadingLineAtTheFirst) {
    THelpForm form;
    form.Timer1Timer(); // no current step
    EXPECT_EQ(form.Memo1->toPlainText(), kLoadingLine);
    form.HelpCheckListBox->setCurrentRow(1);
    form.Timer1Timer(); // a hidden window is left alone
    EXPECT_EQ(form.Memo1->toPlainText(), kLoadingLine);
    form.show();
    form.HelpCheckListBox->setCurrentRow(0);
    form.Timer1Timer();
    EXPECT_EQ(form.Memo1->toPlainText(), kLoadingLine);

    form.AdvanceHelp(0, 6);
    form.Timer1Timer();
    EXPECT_EQ(form.Memo1->toPlainText(), QString());
    EXPECT_EQ(form.Memo1->document()->blockCount(), 1); // one empty line

    form.AdvanceHelp(6, 7);
    form.Timer1Timer();
    EXPECT_EQ(form.Memo1->toPlainText(),
              QStringLiteral("Click on None and see the cut line be removed, then click on Thin "
                             "to see the cut line redrawn.  For almost all of your choices you "
                             "can always change your mind. "));
}

TEST(HelpForm, ActivationMakesTheFirstStepCurrentAndPlacesTheWindow) {
    THelpForm form;
    form.show();
    form.AdvanceHelp(0, 1);
    form.AdvanceHelp(1, 2);
    form.move(300, 10);
    activate(form);
    EXPECT_EQ(form.currentStep(), 0);
    EXPECT_EQ(tickedSteps(form), (std::vector<int>{0, 1}));
    // The frame, not the client area, is placed: at the left edge, its bottom 40 pixels
    // above the screen's.
    const QRect screen = form.screen()->geometry();
    const QRect frame = form.frameGeometry();
    EXPECT_GE(frame.height(), 328);
    EXPECT_EQ(frame.left(), screen.left());
    EXPECT_EQ(frame.bottom(), screen.bottom() - 40);
}

struct KeepCase {
    QPoint wanted;
    QSize frame;
    QPoint expected;
};

void PrintTo(const KeepCase& c, std::ostream* out) {
    *out << c.wanted.x() << "," << c.wanted.y() << " " << c.frame.width() << "x"
         << c.frame.height();
}

class KeptOnArea : public testing::TestWithParam<KeepCase> {};

TEST_P(KeptOnArea, MovesTheFrameInOnlyAsFarAsNeeded) {
    const QRect available(0, 30, 1024, 700); // a panel across the top, one at the bottom
    EXPECT_EQ(keptOnArea(GetParam().wanted, GetParam().frame, available), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, KeptOnArea,
    testing::Values(KeepCase{{0, 400}, {202, 350}, {0, 380}}, // 768 - 350 - 40 ends below 730
                    KeepCase{{0, 0}, {208, 427}, {0, 30}},    // under the top panel
                    KeepCase{{900, 100}, {208, 427}, {816, 100}},
                    KeepCase{{-50, 500}, {100, 100}, {0, 500}},
                    KeepCase{{10, 10}, {1200, 900}, {0, 30}})); // too large: corner on the area

TEST(MainWindowCorner, PutsTheFrameAgainstTheRightEdgeCentredFromTopToBottom) {
    // A 754 x 491 client area with a menu bar, a title bar and thin borders.
    const QSize frame(756, 537);
    EXPECT_EQ(mainWindowCorner(QRect(0, 0, 1024, 768), frame), QPoint(267, 115));
    // A second screen to the right of a first one.
    EXPECT_EQ(mainWindowCorner(QRect(1920, 0, 1920, 1080), frame), QPoint(3083, 271));
}

} // namespace
} // namespace veltmoor
