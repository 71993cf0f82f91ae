#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::near;
using testing::WindowHarness;

QStringList visiblePages(QTabWidget* control) {
    QStringList pages;
    for (int index = 0; index < control->count(); ++index) {
        if (control->isTabVisible(index)) {
            pages << control->widget(index)->objectName();
        }
    }
    return pages;
}

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

TEST(WindowStartTest, ControlsCarryTheirNamesAndSizes) {
    WindowHarness h;
    TForm1& w = h.w();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltmoor Tags Print"));
    EXPECT_EQ(w.centralWidget()->size(), QSize(754, 491));
    EXPECT_EQ(w.PageControl1->size(), QSize(591, 417));
    EXPECT_EQ(w.PageControl2->size(), QSize(161, 417));
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("Image2"))->size(), QSize(350, 350));
    EXPECT_EQ(w.Memo2->size(), QSize(745, 45));
    for (const char* name :
         {"WidthEdit", "WidthUpDown", "HoleHeightOffsetUpDown", "TypeOfPageRadioGroup", "c05Image",
          "CheckBox9", "Image07PopupMenu", "OpenImage06Item", "SelectImage02", "DeleteImage09Item",
          "TextBlockMemo", "SelectBackgoundColorButton", "StatusBar1"}) {
        EXPECT_NE(w.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    }
    EXPECT_EQ(w.findChild<QObject*>(QStringLiteral("DeleteImage01Item")), nullptr);
    ASSERT_EQ(w.StatusBar1->findChildren<QLabel*>().size(), 4);
    EXPECT_EQ(w.statusPanels[0]->width(), 350);
    EXPECT_EQ(w.statusPanels[1]->width(), 175);
    EXPECT_EQ(w.statusPanels[1]->text(), QStringLiteral("Version 1.0b 03-06-04"));
    EXPECT_EQ(
        withoutMnemonic(testing::control<QPushButton>(w, QStringLiteral("ContinueButton"))->text()),
        QStringLiteral("Continue"));
    EXPECT_EQ(testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup"))->item(7),
              QStringLiteral("Bow Tie "));
    EXPECT_EQ(w.Memo2->toPlainText(),
              QStringLiteral("Move the mouse over most areas of the window, will give you help.\n"
                             "The help will be displayed instead of this text."));
    // Before the first activation the welcome buttons wait for the sample.
    EXPECT_FALSE(testing::control<QPushButton>(w, QStringLiteral("ContinueButton"))->isEnabled());
    EXPECT_TRUE(QDir(h.folder.filePath(QStringLiteral("work"))).exists());
}

TEST(WindowStartTest, AWorkingFolderThatCannotBeMadeIsSaidPlainly) {
    QTemporaryDir folder;
    const QString blocker = folder.filePath(QStringLiteral("a file"));
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    qputenv("VELTMOOR_WORKING_FOLDER", (blocker + QStringLiteral("/Veltmoor Inc")).toUtf8());
    testing::ScriptedPrompts prompts;
    WindowServices services;
    services.prompts = &prompts;
    services.readPrinterMetrics = [](const PrinterSelection&) { return testing::eightByTenPage(); };
    TForm1 window(services);
    qunsetenv("VELTMOOR_WORKING_FOLDER");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("Veltmoor Inc")))
        << prompts.messages[0].toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WindowStartTest, FirstActivationShowsOnlyTheWelcomePageWithTheSample) {
    WindowHarness h;
    TForm1& w = h.w();
    w.show();
    EXPECT_EQ(visiblePages(w.PageControl1), QStringList{QStringLiteral("AboutTabSheet")});
    EXPECT_FALSE(w.PageControl2->isVisible());
    EXPECT_FALSE(w.FileMenu->menuAction()->isEnabled());
    EXPECT_FALSE(w.MinimizeMenu->isEnabled());
    EXPECT_TRUE(testing::control<QPushButton>(w, QStringLiteral("ContinueButton"))->isEnabled());
    EXPECT_TRUE(testing::control<QPushButton>(w, QStringLiteral("ExitAboutButton"))->isEnabled());
    EXPECT_EQ(w.compositionCount(), 1);
    EXPECT_FALSE(w.DrawTimer().isPending());
    EXPECT_FALSE(w.sheetCommandsWanted());

    // The sample: a square tag, 350 x 350 on the page, slogan across it.
    EXPECT_EQ(w.LastTagBitmap().width(), 350);
    EXPECT_EQ(w.LastTagBitmap().height(), 350);
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("AboutSampleImage"))->target(),
              QRect(0, 0, 350, 350));
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("AboutSampleImage"))->overlayText(),
              QStringLiteral("\"The software that does what you want it to do\""));
    EXPECT_EQ(h.slot(0).EdgeText, QStringLiteral("TAGS"));
    EXPECT_FALSE(h.slot(0).ValueText.isEmpty());

    // Placeholders for every box, and the boxes' hints.
    EXPECT_EQ(w.slotHint(3),
              QStringLiteral("Image for Tag 3, click to select different image for Tag 3"));
    EXPECT_EQ(h.slotBox(3)->toolTip(), w.slotHint(3));
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("cImage"))->rendered(),
              h.slotBox(3)->rendered());

    // The working values are back after the sample: 2.00 x 4.00 inches.
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("WidthEdit"))->text(),
              QStringLiteral("2.00"));
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("HeightEdit"))->text(),
              QStringLiteral("4.00"));
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("WidthUpDown"))->position(), 200);
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("HeightUpDown"))->position(), 400);
    EXPECT_EQ(h.design().settings().valueFont.sizePoints, 18);
    EXPECT_EQ(h.design().settings().textBlockFont.sizePoints, 10);
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(h.slot(slot).BackgroundColor, clWhite);
        EXPECT_EQ(h.slot(slot).CutLineColor, clBlack);
    }
}

TEST(WindowStartTest, ASecondActivationChangesNothing) {
    WindowHarness h;
    TForm1& w = h.w();
    w.show();
    h.design().setCurrentSlot(4);
    const QImage sample =
        testing::control<PictureBox>(w, QStringLiteral("AboutSampleImage"))->rendered();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &activate);
    w.FormActivate();
    EXPECT_EQ(w.compositionCount(), 1);
    EXPECT_EQ(h.design().currentSlot(), 4);
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("AboutSampleImage"))->rendered(),
              sample);
    EXPECT_TRUE(h.prompts.asked.isEmpty());
}

TEST(WindowStartTest, ContinueAsksForTheFirstPictureAndShowsTheTag) {
    WindowHarness h;
    const QString red = h.picture(QStringLiteral("red.bmp"), 100, 100, clRed);
    h.startDesigning(red);
    TForm1& w = h.w();
    EXPECT_EQ(h.prompts.asked,
              QStringList{QStringLiteral("openPicture: Select image file for Tag 1")});
    EXPECT_TRUE(h.prompts.unanswered.isEmpty());
    EXPECT_EQ(visiblePages(w.PageControl1), (QStringList{QStringLiteral("StandardTabSheet"),
                                                         QStringLiteral("Images01to15TabSheet"),
                                                         QStringLiteral("Text2TabSheet")}));
    EXPECT_EQ(visiblePages(w.PageControl2),
              (QStringList{QStringLiteral("PrintControlTabSheet"), QStringLiteral("TextTabSheet"),
                           QStringLiteral("BarcodeTabSheet"), QStringLiteral("AdvancedTabSheet")}));
    EXPECT_EQ(w.PageControl1->currentWidget(),
              testing::control<QWidget>(w, QStringLiteral("StandardTabSheet")));
    EXPECT_TRUE(w.FileMenu->menuAction()->isEnabled());
    EXPECT_TRUE(w.sheetCommandsWanted());
    EXPECT_EQ(h.design().currentSlot(), 1);
    EXPECT_EQ(h.slot(1).FileName, red);
    EXPECT_EQ(h.slot(1).PictureWidth, 100);

    // A 2 x 4 inch tag: 400 x 800 dots, shown 175 x 350.
    EXPECT_EQ(h.design().tagWidthDots(), 400);
    EXPECT_EQ(h.design().tagHeightDots(), 800);
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("Image2"))->target(),
              QRect(0, 0, 175, 350));
    EXPECT_EQ(testing::control<QLabel>(w, QStringLiteral("TesselSizeLabel"))->text().left(64),
              QStringLiteral("Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4"));
    EXPECT_EQ(testing::control<QLabel>(w, QStringLiteral("Label3"))->text(), red);
    // The square picture fills the middle of the tag: red there, white background above.
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), clRed));
    EXPECT_TRUE(near(h.previewPixelForDot(200, 700), clWhite));
    // Outside the tag the preview shows the window's face.
    EXPECT_TRUE(near(
        testing::control<PictureBox>(w, QStringLiteral("Image2"))->rendered().pixelColor(300, 100),
        resolveSystemColor(clBtnFace), 2));
    // The thumbnail of a square picture is the picture.
    EXPECT_TRUE(near(h.slotBox(1)->rendered().pixelColor(50, 50), clRed));
    EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("AImage"))->rendered(),
              h.slotBox(1)->rendered());
}

TEST(WindowStartTest, CancellingTheFirstPictureGivesTagOneABlankPicture) {
    WindowHarness h;
    TForm1& w = h.w();
    w.show();
    h.prompts.cancelNext();
    testing::control<QPushButton>(w, QStringLiteral("ContinueButton"))->click();
    const QString blank =
        QDir(h.folder.filePath(QStringLiteral("work"))).filePath(QStringLiteral("~temptag.bmp"));
    EXPECT_EQ(h.slot(1).FileName, blank);
    EXPECT_TRUE(QFileInfo::exists(blank));
    EXPECT_EQ(h.slot(1).PictureWidth, 200);
    EXPECT_EQ(h.slot(1).PictureHeight, 200);
    EXPECT_EQ(h.slot(1).AspectPermille, 1000);
    EXPECT_TRUE(w.sheetCommandsWanted());
    EXPECT_EQ(h.design().currentSlot(), 1);
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), clWhite));
}

TEST(WindowStartTest, AnUnreadablePictureIsReportedAndTheWindowStaysUsable) {
    WindowHarness h;
    const QString broken = h.folder.filePath(QStringLiteral("broken.bmp"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BM this is not a bitmap");
    }
    h.startDesigning(broken);
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages[0].contains(QStringLiteral("broken.bmp")))
        << h.prompts.messages[0].toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(h.slot(1).FileName.isEmpty());

    // The next try works.
    const QString red = h.picture(QStringLiteral("red.bmp"), 50, 50, clRed);
    h.prompts.answerPath(red);
    WindowHarness::leftClick(testing::control<PictureBox>(h.w(), QStringLiteral("AImage")));
    EXPECT_EQ(h.slot(1).FileName, red);
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), clRed));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WindowCloseTest, TheSaveQuestionComesFirstAndEndingNeedsAYes) {
    WindowHarness h;
    TForm1& w = h.w();
    w.show();
    h.prompts.answerNo();
    h.prompts.answerNo();
    testing::control<QPushButton>(w, QStringLiteral("ExitAboutButton"))->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(h.prompts.asked,
              (QStringList{QStringLiteral("askYesNo: Save?: Do you want to save the definition "
                                          "for the current sheet of tags?"),
                           QStringLiteral(
                               "askYesNo: End Program?: Are you sure you want to end program?")}));
    h.prompts.answerNo();
    h.prompts.answerYes();
    w.ExitItem->trigger();
    EXPECT_FALSE(w.isVisible());
}

TEST(WindowHintTest, HoveringShowsTheLongHintInTheHintLine) {
    WindowHarness h;
    TForm1& w = h.w();
    w.show();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(
        testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup")), &enter);
    EXPECT_EQ(w.Memo2->toPlainText(),
              QStringLiteral("Selects the shape of tag that will be drawn."));
    // A radio button inside the group has no hint of its own: the group's shows.
    QCoreApplication::sendEvent(
        testing::control<RadioGroup>(w, QStringLiteral("BorderRadioGroup"))->button(0), &enter);
    EXPECT_EQ(w.Memo2->toPlainText(),
              QStringLiteral("Selects the cut line to draw around the tag."));

    QWidget custom(&w);
    setHint(&custom, QStringLiteral("Short|The long explanation"));
    QCoreApplication::sendEvent(&custom, &enter);
    EXPECT_EQ(w.Memo2->toPlainText(), QStringLiteral("The long explanation"));
    EXPECT_EQ(custom.toolTip(), QStringLiteral("Short"));
}

TEST(WindowHintTest, TheStatusPanelShowsSlotAndWait) {
    WindowHarness h;
    h.startDesigning(h.picture(QStringLiteral("red.bmp"), 10, 10, clRed));
    h.w().Timer1Timer();
    EXPECT_EQ(h.w().statusPanels[2]->text(), QStringLiteral("1-400"));
}

} // namespace
} // namespace veltmoor
