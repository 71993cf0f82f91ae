#include "app/ui/RadioGroup.h"
#include "app/ui/SlotThumbnails.h"
#include "app/ui/UpDown.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::near;
using testing::WindowHarness;

// The window past the welcome page with a red square picture for tag 1, the first
// redraws done.
struct Designing : WindowHarness {
    Designing() {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
        prompts.asked.clear();
    }
    void onlyChecked(std::initializer_list<int> numbers) {
        for (int slot = 1; slot <= 9; ++slot) {
            slotCheckBox(slot)->setChecked(std::find(numbers.begin(), numbers.end(), slot) !=
                                           numbers.end());
        }
    }
};

// --- the redraw scheduler -------------------------------------------------------------

TEST(WindowSchedulerTest, ThreeChangesAHundredMillisecondsApartGiveOneComposition) {
    Designing h;
    const int before = h.w().compositionCount();
    const TColor blue = rgbColor(0, 0, 255);
    h.prompts.answerColor(rgbColor(0, 255, 0));
    h.prompts.answerColor(rgbColor(255, 255, 0));
    h.prompts.answerColor(blue);
    testing::control<QPushButton>(h.w(), QStringLiteral("SelectBackgoundColorButton"))->click();
    h.advance(100);
    testing::control<QPushButton>(h.w(), QStringLiteral("SelectBackgoundColorButton"))->click();
    h.advance(100);
    testing::control<QPushButton>(h.w(), QStringLiteral("SelectBackgoundColorButton"))->click();
    h.advance(199);
    EXPECT_EQ(h.w().compositionCount(), before) << "composed before its wait was over";
    h.advance(1);
    EXPECT_EQ(h.w().compositionCount(), before + 1) << "400 ms after the first change";
    EXPECT_FALSE(h.w().DrawTimer().isPending());
    // The tag really is blue where the picture leaves the background showing.
    EXPECT_TRUE(near(h.previewPixelForDot(200, 700), blue));
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), clRed));
}

TEST(WindowSchedulerTest, TheMemoWaitsTwoSecondsAndLeavingItBringsBackTheShortWait) {
    Designing h;
    TForm1& w = h.w();
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(
        testing::control<QPlainTextEdit>(w, QStringLiteral("TextBlockMemo")), &in);
    EXPECT_EQ(w.DrawTimer().interval(), 2000);
    const int before = w.compositionCount();
    testing::control<QPlainTextEdit>(w, QStringLiteral("TextBlockMemo"))
        ->setPlainText(QStringLiteral("Hand made"));
    h.advance(1999);
    EXPECT_EQ(w.compositionCount(), before) << "the memo's wait is two seconds";
    h.advance(1);
    EXPECT_EQ(w.compositionCount(), before + 1);
    EXPECT_EQ(h.slot(1).TextBlockText, QStringLiteral("Hand made"));
    EXPECT_TRUE(h.slot(2).TextBlockText.isEmpty()); // typing reaches the current slot only

    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(
        testing::control<QPlainTextEdit>(w, QStringLiteral("TextBlockMemo")), &out);
    EXPECT_EQ(w.DrawTimer().interval(), 400);
    // Leaving the memo gives its text to every checked slot.
    EXPECT_EQ(h.slot(2).TextBlockText, QStringLiteral("Hand made"));
    EXPECT_EQ(h.slot(9).TextBlockText, QStringLiteral("Hand made"));
}

TEST(WindowSchedulerTest, ACompositionAtOnceLeavesAPendingOneInPlace) {
    Designing h;
    TForm1& w = h.w();
    const int before = w.compositionCount();
    testing::control<QLineEdit>(w, QStringLiteral("ValueEdit"))->setText(QStringLiteral("$1"));
    EXPECT_TRUE(w.DrawTimer().isPending());
    WindowHarness::leftClick(
        testing::control<PictureBox>(w, QStringLiteral("AImage"))); // composes slot 1 now
    EXPECT_EQ(w.compositionCount(), before + 1);
    EXPECT_TRUE(w.DrawTimer().isPending());
    h.settle();
    EXPECT_EQ(w.compositionCount(), before + 2);
}

TEST(WindowSchedulerTest, MultiLineTextBlockIsStoredWithWindowsLineBreaks) {
    Designing h;
    testing::control<QPlainTextEdit>(h.w(), QStringLiteral("TextBlockMemo"))
        ->setPlainText(QStringLiteral("one\ntwo"));
    EXPECT_EQ(h.slot(1).TextBlockText, QStringLiteral("one\r\ntwo"));
}

TEST(WindowSchedulerTest, ComposingAnotherSlotShowsItsTextBlockWithoutAnotherRedraw) {
    Designing h;
    h.editSlot(2)->FileName = h.picture(QStringLiteral("green.bmp"), 20, 20, rgbColor(0, 255, 0));
    h.editSlot(2)->TextBlockText = QStringLiteral("Second\r\nline");
    const int before = h.w().compositionCount();
    h.w().SlotImageClick(2);
    EXPECT_EQ(h.w().compositionCount(), before + 1);
    EXPECT_EQ(
        testing::control<QPlainTextEdit>(h.w(), QStringLiteral("TextBlockMemo"))->toPlainText(),
        QStringLiteral("Second\nline"));
    EXPECT_FALSE(h.w().DrawTimer().isPending()) << "showing the slot asked for another redraw";
    EXPECT_EQ(h.design().memoText(), h.slot(2).TextBlockText);
}

// --- numeric fields ---------------------------------------------------------------------

TEST(WindowNumericFieldTest, TypedTagWidths) {
    Designing h;
    TForm1& w = h.w();
    WindowHarness::type(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")),
                        QStringLiteral("2.5"));
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("WidthUpDown"))->position(), 250);
    EXPECT_EQ(h.design().tagWidthDots(), 500);
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit"))->text(),
              QStringLiteral("2.5"));
    EXPECT_TRUE(h.prompts.messages.isEmpty());

    WindowHarness::type(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")),
                        QStringLiteral("6"));
    EXPECT_EQ(h.prompts.messages,
              QStringList{QStringLiteral("Value must be between 1 and 500 (0.01 to 5.00 inches)")});
    EXPECT_EQ(h.design().tagWidthDots(), 500);

    // .3 inch is held at the smallest width, while the edit keeps what was typed.
    WindowHarness::type(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")),
                        QStringLiteral(".3"));
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("WidthUpDown"))->position(), 50);
    EXPECT_EQ(h.design().tagWidthDots(), 100);
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit"))->text(),
              QStringLiteral(".3"));

    // Not a number even after filtering: the message, and nothing changes.
    WindowHarness::type(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit")),
                        QStringLiteral("1.2.3"));
    EXPECT_EQ(h.prompts.messages.size(), 2);
    EXPECT_EQ(h.design().tagWidthDots(), 100);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // An arrow click ends the typing and writes the edit again.
    testing::control<UpDown>(w, QStringLiteral("WidthUpDown"))->upButton()->click();
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("WidthUpDown"))->position(), 60);
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit"))->text(),
              QStringLiteral("0.60"));
    EXPECT_EQ(h.design().tagWidthDots(), 120);
    h.settle();
    EXPECT_EQ(h.w().LastTagBitmap().width(), 120);
}

TEST(WindowNumericFieldTest, HoleSizes) {
    Designing h;
    TForm1& w = h.w();
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("HoleWidthEdit"))->text(),
              QStringLiteral(".12"));
    WindowHarness::type(testing::control<QLineEdit>(w, QStringLiteral("HoleWidthEdit")),
                        QStringLiteral(".2"));
    EXPECT_EQ(h.design().settings().hole.width, 20);
    testing::control<UpDown>(w, QStringLiteral("HoleHeightUpDown"))->downButton()->click();
    EXPECT_EQ(h.design().settings().hole.height, 11);
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("HoleHeightEdit"))->text(),
              QStringLiteral(".11"));
    // The hole height is typed as the width is.
    WindowHarness::type(testing::control<QLineEdit>(w, QStringLiteral("HoleHeightEdit")),
                        QStringLiteral(".25"));
    EXPECT_EQ(h.design().settings().hole.height, 25);
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("HoleHeightUpDown"))->position(), 25);
    WindowHarness::type(testing::control<QLineEdit>(w, QStringLiteral("HoleWidthEdit")),
                        QStringLiteral(".51"));
    EXPECT_EQ(h.prompts.messages,
              QStringList{QStringLiteral("Value must be between 0 and 50 (0.00 to 0.50 inches)")});
    EXPECT_EQ(h.design().settings().hole.width, 20);
}

TEST(WindowNumericFieldTest, TypedPercentages) {
    Designing h;
    TForm1& w = h.w();
    testing::control<QLineEdit>(w, QStringLiteral("ImageSizeEdit"))->setText(QStringLiteral("12a"));
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("ImageSizeEdit"))->text(),
              QStringLiteral("12"));
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("ImageSizeUpDown"))->position(), 12);
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(h.slot(slot).ImageSize, 12) << slot;
    }

    testing::control<QLineEdit>(w, QStringLiteral("ImageSizeEdit"))->setText(QStringLiteral("250"));
    EXPECT_EQ(h.prompts.messages, QStringList{QStringLiteral("Value must be between 0 and 200")});
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("ImageSizeEdit"))->text(),
              QStringLiteral("12"));
    EXPECT_EQ(h.slot(1).ImageSize, 12);

    testing::control<QLineEdit>(w, QStringLiteral("ImageSizeEdit"))->setText(QString());
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("ImageSizeEdit"))->text(),
              QStringLiteral("0"));
    EXPECT_EQ(h.slot(1).ImageSize, 0);
    // With no picture drawn the whole tag is background.
    h.settle();
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), clWhite));

    // An arrow click reaches the slots as well.
    testing::control<UpDown>(w, QStringLiteral("ImageHorizontalOffsetUpDown"))->upButton()->click();
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("ImageHorizontalOffsetEdit"))->text(),
              QStringLiteral("51"));
    EXPECT_EQ(h.slot(4).ImageHorizontalOffset, 51);
    // The hole offsets step by two.
    testing::control<UpDown>(w, QStringLiteral("HoleWidthOffsetUpDown"))->upButton()->click();
    EXPECT_EQ(h.design().settings().hole.widthOffset, 52);
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("HoleWidthOffsetEdit"))->text(),
              QStringLiteral("52"));
}

// --- the checked slots -------------------------------------------------------------------

TEST(WindowCheckedSlotsTest, OnlyTheCheckedSlotsChange) {
    Designing h;
    TForm1& w = h.w();
    h.onlyChecked({2, 5});
    const TColor blue = rgbColor(0, 0, 255);
    h.prompts.answerColor(blue);
    testing::control<QPushButton>(w, QStringLiteral("SelectBackgoundColorButton"))->click();
    testing::control<QLineEdit>(w, QStringLiteral("ValueEdit"))->setText(QStringLiteral("$2"));
    testing::control<QLineEdit>(w, QStringLiteral("TextEdit"))->setText(QStringLiteral("SALE"));
    testing::control<QLineEdit>(w, QStringLiteral("ImageSizeEdit"))->setText(QStringLiteral("80"));
    for (int slot = 1; slot <= 9; ++slot) {
        const bool checked = slot == 2 || slot == 5;
        EXPECT_EQ(h.slot(slot).BackgroundColor, checked ? blue : clWhite) << slot;
        EXPECT_EQ(h.slot(slot).ValueText, checked ? QStringLiteral("$2") : QString()) << slot;
        EXPECT_EQ(h.slot(slot).EdgeText, checked ? QStringLiteral("SALE") : QString()) << slot;
        EXPECT_EQ(h.slot(slot).ImageSize, checked ? 80 : 100) << slot;
    }
    EXPECT_EQ(h.slot(0).BackgroundColor, clWhite);
    // Tag 1 is shown but not checked: its preview keeps its colours.
    h.settle();
    EXPECT_TRUE(near(h.previewPixelForDot(200, 700), clWhite));
}

TEST(WindowCheckedSlotsTest, NoneCheckedChangesNoSlotAndTheButtonsSetTheBoxes) {
    Designing h;
    TForm1& w = h.w();
    h.onlyChecked({});
    h.prompts.answerColor(rgbColor(0, 0, 255));
    testing::control<QPushButton>(w, QStringLiteral("SelectBorderColorButton"))->click();
    testing::control<QLineEdit>(w, QStringLiteral("ValueEdit"))->setText(QStringLiteral("x"));
    for (int slot = 0; slot <= 10; ++slot) {
        EXPECT_EQ(h.slot(slot).CutLineColor, slot >= 1 && slot <= 9 ? clBlack : clRed) << slot;
        EXPECT_TRUE(slot == 0 || h.slot(slot).ValueText.isEmpty()) << slot;
    }
    h.control<QPushButton>(QStringLiteral("Button1"))->click();
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_TRUE(h.design().isSlotChecked(slot));
    }
    h.control<QPushButton>(QStringLiteral("Button2"))->click();
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(h.design().isSlotChecked(slot), slot == 1);
    }
}

TEST(WindowCheckedSlotsTest, CancelledColourChangesNothingAndAsksForNoRedraw) {
    Designing h;
    h.prompts.cancelNext();
    testing::control<QPushButton>(h.w(), QStringLiteral("SelectBackgoundColorButton"))->click();
    EXPECT_FALSE(h.w().DrawTimer().isPending());
    EXPECT_EQ(h.slot(3).BackgroundColor, clWhite);
}

TEST(WindowCheckedSlotsTest, CornerTextColourGoesIntoTheFont) {
    Designing h;
    h.onlyChecked({3});
    const TColor green = rgbColor(0, 128, 0);
    h.prompts.answerColor(green);
    h.control<QPushButton>(QStringLiteral("SelectValueColorButton"))->click();
    EXPECT_EQ(h.design().settings().valueFont.color, green);
    EXPECT_EQ(h.slot(3).ValueColor, green);
    EXPECT_EQ(h.slot(1).ValueColor, clBlack);
    // The dialog opens next time on its own last choice.
    h.prompts.cancelNext();
    h.control<QPushButton>(QStringLiteral("SelectValueColorButton"))->click();
    EXPECT_EQ(h.prompts.asked.last(), QStringLiteral("chooseColor: 008000"));
}

TEST(WindowCheckedSlotsTest, FontChoiceKeepsColourAndRedraws) {
    Designing h;
    Font chosen = h.design().settings().textFont;
    chosen.name = QStringLiteral("Times New Roman");
    chosen.sizePoints = 24;
    h.prompts.answer(chosen);
    h.control<QPushButton>(QStringLiteral("TextSelectButton"))->click();
    EXPECT_EQ(h.design().settings().textFont.sizePoints, 24);
    EXPECT_EQ(h.design().settings().textFont.color, clRed);
    EXPECT_TRUE(h.w().DrawTimer().isPending());
}

// --- shape and cut line ------------------------------------------------------------------

TEST(WindowShapeTest, FanShapesMirrorTheHoleAndComposeAtOnce) {
    Designing h;
    TForm1& w = h.w();
    const int before = w.compositionCount();
    testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup"))
        ->setItemIndex(kShapeFanTapered);
    EXPECT_EQ(w.compositionCount(), before + 1);
    EXPECT_EQ(h.design().settings().hole.heightOffset, 94);
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("HoleHeightOffsetEdit"))->text(),
              QStringLiteral("94"));
    EXPECT_EQ(h.design().currentSlot(), 1);
    testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup"))
        ->setItemIndex(kShapeStandard);
    EXPECT_EQ(h.design().settings().hole.heightOffset, 6);
}

TEST(WindowShapeTest, CutLineChoiceReachesTheTag) {
    Designing h;
    TForm1& w = h.w();
    // The cut line runs along the tag's left edge, black.
    EXPECT_TRUE(near(h.previewPixelForDot(1, 700), clBlack, 100));
    testing::control<RadioGroup>(w, QStringLiteral("BorderRadioGroup"))->setItemIndex(kCutLineNone);
    EXPECT_EQ(h.design().settings().cutLineType, kCutLineNone);
    h.settle();
    EXPECT_TRUE(near(h.previewPixelForDot(1, 700), clWhite, 30));
}

// --- picture slots and their menus --------------------------------------------------------

TEST(WindowSlotTest, OpenShowAndDeleteFromTheMenus) {
    Designing h;
    TForm1& w = h.w();
    const QString tall = h.picture(QStringLiteral("tall.bmp"), 300, 600, rgbColor(0, 0, 255));
    WindowHarness::hover(h.slotBox(3));
    EXPECT_EQ(h.w().hoverSlot(), 3);
    w.ImagePopupMenuPopup(3);
    EXPECT_TRUE(h.prompts.messages.isEmpty());
    EXPECT_TRUE(h.slotMenuItem(3, QStringLiteral("&Open Image..."))->isEnabled());
    EXPECT_FALSE(h.slotMenuItem(3, QStringLiteral("&Show Tag"))->isEnabled());
    EXPECT_FALSE(h.slotMenuItem(3, QStringLiteral("&Delete Image"))->isEnabled());

    h.prompts.answerPath(tall);
    h.slotMenuItem(3, QStringLiteral("&Open Image..."))->trigger();
    EXPECT_EQ(h.prompts.asked.last(), QStringLiteral("openPicture: Select image file for Tag 3"));
    EXPECT_EQ(h.slot(3).FileName, tall);
    EXPECT_EQ(h.slot(3).AspectPermille, 2000);
    EXPECT_EQ(h.design().currentSlot(), 3);
    // Letterboxed: 450 x 900 at x = 225 of 900, so 25..75 of the 100-pixel box.
    const QImage box = h.slotBox(3)->rendered();
    EXPECT_TRUE(near(box.pixelColor(50, 50), rgbColor(0, 0, 255)));
    EXPECT_TRUE(near(box.pixelColor(10, 50), clWhite));
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("cImage"))->rendered(), box);

    w.ImagePopupMenuPopup(3);
    EXPECT_TRUE(h.slotMenuItem(3, QStringLiteral("&Show Tag"))->isEnabled());
    EXPECT_TRUE(h.slotMenuItem(3, QStringLiteral("&Delete Image"))->isEnabled());

    // The menu of box 3 opened while the mouse was last over box 5.
    WindowHarness::hover(h.slotBox(5));
    w.ImagePopupMenuPopup(3);
    EXPECT_EQ(h.prompts.messages, QStringList{QStringLiteral("Error")});
    EXPECT_FALSE(h.slotMenuItem(3, QStringLiteral("&Show Tag"))->isEnabled());

    // Show tag 1 again.
    WindowHarness::hover(testing::control<PictureBox>(w, QStringLiteral("AImage")));
    h.slotMenuItem(1, QStringLiteral("&Show Tag"))->trigger();
    EXPECT_EQ(h.design().currentSlot(), 1);
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), clRed));

    // Delete 3: the picture goes, the texts stay, the placeholder comes back.
    h.editSlot(3)->ValueText = QStringLiteral("kept");
    WindowHarness::hover(h.slotBox(3));
    w.ImagePopupMenuPopup(3);
    h.slotMenuItem(3, QStringLiteral("&Delete Image"))->trigger();
    EXPECT_TRUE(h.slot(3).FileName.isEmpty());
    EXPECT_TRUE(h.slot(3).SourceFileName.isEmpty());
    EXPECT_EQ(h.slot(3).PictureWidth, 0);
    EXPECT_EQ(h.slot(3).AspectPermille, 1000);
    EXPECT_EQ(h.slot(3).ValueText, QStringLiteral("kept"));
    EXPECT_EQ(h.design().currentSlot(), 1);
    EXPECT_TRUE(w.slotThumbnail(3) == placeholderThumbnail(3));
    EXPECT_TRUE(near(
        testing::control<PictureBox>(w, QStringLiteral("cImage"))->rendered().pixelColor(95, 95),
        0xE0FFFF, 2));
}

TEST(WindowSlotTest, CancellingKeepsAPictureAndAnEmptyBoxAsksOnce) {
    Designing h;
    TForm1& w = h.w();
    const QString red = h.slot(1).FileName;
    WindowHarness::hover(testing::control<PictureBox>(w, QStringLiteral("AImage")));
    h.prompts.cancelNext();
    h.slotMenuItem(1, QStringLiteral("&Open Image..."))->trigger();
    EXPECT_EQ(h.slot(1).FileName, red);
    EXPECT_EQ(h.slot(1).PictureWidth, 100);

    // An empty box 5, cancelled: still empty, and its tag is not composed.
    const int before = w.compositionCount();
    h.prompts.cancelNext();
    WindowHarness::leftClick(h.slotBox(5));
    EXPECT_TRUE(h.slot(5).FileName.isEmpty());
    EXPECT_EQ(h.design().currentSlot(), 5);
    EXPECT_EQ(w.compositionCount(), before);
    EXPECT_EQ(h.prompts.asked.size(), 2);
    EXPECT_TRUE(h.prompts.scriptUsedUp());
}

TEST(WindowSlotTest, ClickingABoxWithAPictureShowsItWithoutAsking) {
    Designing h;
    TForm1& w = h.w();
    const QString green = h.picture(QStringLiteral("green.jpg"), 80, 80, rgbColor(0, 200, 0));
    h.prompts.answerPath(green);
    w.PageControl1->setCurrentWidget(h.control(QStringLiteral("Images01to15TabSheet")));
    WindowHarness::leftClick(h.slotBox(2));
    EXPECT_EQ(h.slot(2).FileName, green);
    // No floating window shows the tag, so the window goes to where it is shown.
    EXPECT_EQ(w.PageControl1->currentWidget(),
              testing::control<QWidget>(w, QStringLiteral("StandardTabSheet")));
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), rgbColor(0, 200, 0), 20));
    WindowHarness::leftClick(h.slotBox(1));
    WindowHarness::leftClick(testing::control<PictureBox>(w, QStringLiteral("BImage")));
    EXPECT_EQ(h.prompts.asked.size(), 1);
    EXPECT_EQ(h.design().currentSlot(), 2);
}

TEST(WindowTextTest, AnOverlongTextBlockLineIsReportedAndKept) {
    Designing h;
    const QString line = QStringLiteral("A line of the text block far wider than the memo box");
    testing::control<QPlainTextEdit>(h.w(), QStringLiteral("TextBlockMemo"))->setPlainText(line);
    EXPECT_EQ(h.prompts.messages,
              QStringList{QStringLiteral("Text is too long, using the current font and size.")});
    EXPECT_EQ(h.slot(1).TextBlockText, line);
    EXPECT_GT(h.design().settings().TextBlockWidth, 273);
}

TEST(WindowTextTest, PlacementChoicesReachTheDesign) {
    Designing h;
    h.control<RadioGroup>(QStringLiteral("ValueRadioGroup"))->setItemIndex(kCornerLL);
    h.control<RadioGroup>(QStringLiteral("EdgeRadioGroup"))->setItemIndex(kEdgeTop);
    EXPECT_EQ(h.design().settings().valuePlace, kCornerLL);
    EXPECT_EQ(h.design().settings().edgePlace, kEdgeTop);
    EXPECT_TRUE(h.w().DrawTimer().isPending());
    h.w().DrawTimer().cancel();
    testing::control<RadioGroup>(h.w(), QStringLiteral("Text1RadioGroup"))
        ->setItemIndex(kAlignRight);
    EXPECT_EQ(h.design().settings().textBlockAlignment, kAlignRight);
    EXPECT_FALSE(h.w().DrawTimer().isPending());
}

TEST(WindowPagesTest, PageChangesFollowTheHelpSteps) {
    std::vector<std::pair<int, int>> advanced;
    int current = 4;
    WindowServices services;
    services.currentHelpItem = [&current] { return current; };
    services.advanceHelp = [&](int done, int next) {
        advanced.emplace_back(done, next);
        current = next;
    };
    WindowHarness h(services);
    h.startDesigning(h.picture(QStringLiteral("red.bmp"), 10, 10, clRed));
    TForm1& w = h.w();
    advanced.clear();
    current = 4;
    w.PageControl1->setCurrentWidget(testing::control<QWidget>(w, QStringLiteral("Text2TabSheet")));
    EXPECT_EQ(w.PageControl2->currentWidget(),
              testing::control<QWidget>(w, QStringLiteral("TextTabSheet")));
    EXPECT_EQ(advanced, (std::vector<std::pair<int, int>>{{4, 5}}));

    // Hovering the shape choice while "Select Tag Shape" is current moves the help on at
    // the next poll.
    current = 2;
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(
        testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup")), &enter);
    w.Timer1Timer();
    EXPECT_EQ(advanced.back(), std::make_pair(2, 3));

    // Back to "Basic": a redraw, and step 6 gives way to step 7.
    current = 6;
    w.DrawTimer().cancel();
    w.PageControl1->setCurrentWidget(
        testing::control<QWidget>(w, QStringLiteral("StandardTabSheet")));
    EXPECT_TRUE(w.DrawTimer().isPending());
    EXPECT_EQ(advanced.back(), std::make_pair(6, 7));
}

TEST(WindowSlotTest, WithAFloatingWindowTheWindowStaysOnItsPage) {
    int floatingUpdates = 0;
    WindowServices services;
    services.showFloatingTag = [] {};
    services.updateFloatingTag = [&floatingUpdates](const Bitmap&) { ++floatingUpdates; };
    WindowHarness h(services);
    h.startDesigning(h.picture(QStringLiteral("red.bmp"), 10, 10, clRed));
    TForm1& w = h.w();
    EXPECT_TRUE(testing::control<QCheckBox>(w, QStringLiteral("FloatingTagCheckBox"))->isEnabled());
    const int before = floatingUpdates;
    w.PageControl1->setCurrentWidget(h.control(QStringLiteral("Images01to15TabSheet")));
    WindowHarness::leftClick(h.slotBox(1));
    EXPECT_EQ(w.PageControl1->currentWidget(), h.control(QStringLiteral("Images01to15TabSheet")));
    EXPECT_EQ(floatingUpdates, before + 1);
    testing::control<QCheckBox>(w, QStringLiteral("FloatingTagCheckBox"))->setChecked(false);
    WindowHarness::leftClick(h.slotBox(1));
    EXPECT_EQ(w.PageControl1->currentWidget(),
              testing::control<QWidget>(w, QStringLiteral("StandardTabSheet")));
}

} // namespace
} // namespace veltmoor
