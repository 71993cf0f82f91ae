#include "app/ui/RadioGroup.h"
#include "design/ColorPicking.h"
#include "images/TintedCopy.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::near;
using testing::WindowHarness;

// The window past the welcome page with a red square picture for tag 1 (a 2 x 4 inch tag).
struct Coloring : WindowHarness {
    Coloring() {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
    }

    void givePicture(int slot, const QString& path) {
        hover(slotBox(slot));
        prompts.answerPath(path);
        slotMenuItem(slot, QStringLiteral("&Open Image..."))->trigger();
        settle();
    }

    // "Color Image" from the menu of the slot's box, which offers it once there is a picture.
    void colorSlot(int slot) {
        hover(slotBox(slot));
        w().ImagePopupMenuPopup(slot);
        ASSERT_TRUE(slotMenuItem(slot, QStringLiteral("&Color Image"))->isEnabled());
        slotMenuItem(slot, QStringLiteral("&Color Image"))->trigger();
    }

    // The page in front, or the "Color Image" page with everything else locked away.
    QWidget* page() {
        TForm1& window = w();
        const bool open = window.PageControl1->isTabVisible(window.PageControl1->indexOf(
            testing::control<QWidget>(window, QStringLiteral("ColorImageTabSheet"))));
        const bool locked =
            window.PageControl2->isHidden() && !window.FileMenu->menuAction()->isEnabled();
        return open == locked ? window.PageControl1->currentWidget() : nullptr;
    }
};

// The tints follow from the palettes and the nearest-colour rule: "1 - Blue" turns black into
// pure blue, "7 - Black and White" turns blue black, "8 - Gray Scale" turns red into the grey
// of its mean.
TEST(WindowColoringTest, UseShowsTheTintedCopyAndCancelGoesBackToTheSlotsOwnPicture) {
    struct Case {
        int slot, width, height;
        TColor source;
        int type;
        TColor tinted;
        QPoint tintedInPreview;
    };
    for (const Case& c : {
             Case{1, 100, 100, clBlack, 1, rgbColor(0, 0, 255), {340, 340}},
             Case{6, 400, 100, rgbColor(0, 0, 255), 7, clBlack, {175, 80}},
             Case{3, 100, 400, clRed, 8, rgbColor(85, 85, 85), {80, 175}},
         }) {
        SCOPED_TRACE(c.slot);
        Coloring h;
        TForm1& w = h.w();
        const QString source =
            h.picture(QStringLiteral("%1.bmp").arg(c.slot), c.width, c.height, c.source);
        h.givePicture(c.slot, source);
        const Bitmap untinted = w.slotThumbnail(c.slot);
        // The slot's menu is opened on a page that shows its box; leaving the colouring
        // comes back there.
        QWidget* const home = c.slot <= 4
                                  ? testing::control<QWidget>(w, QStringLiteral("StandardTabSheet"))
                                  : h.control(QStringLiteral("Images01to15TabSheet"));
        w.PageControl1->setCurrentWidget(home);

        // Cancelled at once: nothing changes, nothing is written.
        h.colorSlot(c.slot);
        testing::control<QPushButton>(w, QStringLiteral("CancelColoringButton"))->click();
        EXPECT_EQ(h.slot(c.slot).FileName, source);
        EXPECT_TRUE(w.slotThumbnail(c.slot) == untinted);

        h.colorSlot(c.slot);
        testing::control<RadioGroup>(w, QStringLiteral("TypeRadioGroup"))->setItemIndex(c.type);
        EXPECT_TRUE(near(testing::control<PictureBox>(w, QStringLiteral("ColorBitMapImage"))
                             ->rendered()
                             .pixelColor(c.tintedInPreview),
                         c.tinted));
        testing::control<QPushButton>(w, QStringLiteral("UseColoredImageButton"))->click();
        EXPECT_EQ(h.page(), home);
        const img& slot = h.slot(c.slot);
        EXPECT_EQ(slot.FileName, tintedCopyPath(c.slot, source, c.type));
        EXPECT_EQ(slot.ColoringType, c.type);
        EXPECT_EQ(readPicture(slot.FileName).bitmap.pixelColor(0, 0), c.tinted);
        const QImage box = h.slotBox(c.slot)->rendered();
        EXPECT_TRUE(near(box.pixelColor(50, 50), c.tinted));
        EXPECT_EQ(testing::control<PictureBox>(w, QStringLiteral("AImage"))->rendered() == box,
                  c.slot == 1); // the mirrors of 1 to 4
        h.settle();
        EXPECT_TRUE(near(h.previewPixelForDot(200, 400), c.tinted));

        // Cancelling later untints the slot.
        h.colorSlot(c.slot);
        testing::control<QPushButton>(w, QStringLiteral("CancelColoringButton"))->click();
        EXPECT_EQ(slot.FileName, source);
        EXPECT_EQ(slot.ColoringType, kNotTinted);
        EXPECT_TRUE(w.slotThumbnail(c.slot) == untinted);
        h.settle();
        EXPECT_TRUE(near(h.previewPixelForDot(200, 400), c.source));
        EXPECT_TRUE(h.prompts.messages.isEmpty());
    }
}

TEST(WindowColoringTest, APictureThatCannotBeReadOrACopyThatCannotBeWrittenChangesNothing) {
    Coloring h;
    TForm1& w = h.w();
    const QString source = h.picture(QStringLiteral("later broken.bmp"), 50, 50, clRed);
    h.givePicture(2, source);

    // A folder stands where the copy goes: the message, and the page stays open.
    h.colorSlot(2);
    testing::control<RadioGroup>(w, QStringLiteral("TypeRadioGroup"))->setItemIndex(3);
    ASSERT_TRUE(QDir().mkpath(tintedCopyPath(2, source, 3)));
    testing::control<QPushButton>(w, QStringLiteral("UseColoredImageButton"))->click();
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages[0].contains(QStringLiteral("~~2-")));
    EXPECT_EQ(h.page(), testing::control<QWidget>(w, QStringLiteral("ColorImageTabSheet")));
    testing::control<QPushButton>(w, QStringLiteral("CancelColoringButton"))->click();

    // The picture was damaged after it was chosen: either button leaves the page.
    QFile damaged(source);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("BM not a bitmap at all");
    damaged.close();
    for (QPushButton* button :
         {testing::control<QPushButton>(w, QStringLiteral("UseColoredImageButton")),
          testing::control<QPushButton>(w, QStringLiteral("CancelColoringButton"))}) {
        h.prompts.messages.clear();
        h.colorSlot(2);
        ASSERT_EQ(h.prompts.messages.size(), 1);
        EXPECT_TRUE(h.prompts.messages[0].contains(QStringLiteral("later broken.bmp")));
        EXPECT_EQ(h.page(), testing::control<QWidget>(w, QStringLiteral("ColorImageTabSheet")));
        button->click();
        EXPECT_EQ(h.page(), testing::control<QWidget>(w, QStringLiteral("StandardTabSheet")));
        EXPECT_EQ(h.slot(2).FileName, source);
        EXPECT_EQ(h.slot(2).ColoringType, kNotTinted);
    }
}

// A press (any button) on the red picture of the tag with each colour to pick: the checked
// slots take the colour, and that colour's dialog opens with it next time.
TEST(WindowColoringTest, APickedColourGoesToTheCheckedSlotsAndTheDialog) {
    struct Case {
        int item;
        TColor img::*field;
        const char* button;
    };
    for (const Case& c : {
             Case{kPickCutLineColor, &img::CutLineColor, "SelectBorderColorButton"},
             Case{kPickValueFontColor, &img::ValueColor, "SelectValueColorButton"},
             Case{kPickTextFontColor, &img::TextColor, "SelectTextColorButton"},
             Case{kPickBackgroundColor, &img::BackgroundColor, "SelectBackgoundColorButton"},
             Case{kPickTextBlockColor, &img::TextBlockColor, "Text1MemoSelectColorButton"},
         }) {
        SCOPED_TRACE(c.item);
        Coloring h;
        TForm1& w = h.w();
        h.slotCheckBox(3)->setChecked(false);
        (*h.editSlot(3)).*c.field = clAqua;
        testing::control<RadioGroup>(w, QStringLiteral("PickColorRadioGroup"))
            ->setItemIndex(c.item);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(87, 175), QPointF(87, 175),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(testing::control<PictureBox>(w, QStringLiteral("Image2")),
                                    &press); // tag dot (200, 400)
        EXPECT_EQ(h.slot(1).*c.field, clRed);
        EXPECT_EQ(h.slot(9).*c.field, clRed);
        EXPECT_EQ(h.slot(3).*c.field, clAqua);
        EXPECT_TRUE(w.DrawTimer().isPending());
        h.prompts.cancelNext();
        h.control<QPushButton>(QString::fromLatin1(c.button))->click();
        EXPECT_EQ(h.prompts.asked.last(), QStringLiteral("chooseColor: 0000ff"));
    }
}

// One click places the text block and picks a colour, until another left-hand page is shown.
TEST(WindowColoringTest, ClickAtPositionMovesTheTextBlockUntilThePageChanges) {
    Coloring h;
    TForm1& w = h.w();
    testing::control<RadioGroup>(w, QStringLiteral("TextBlockPositionRadioGroup"))
        ->setItemIndex(kClickAtPosition);
    testing::control<RadioGroup>(w, QStringLiteral("PickColorRadioGroup"))
        ->setItemIndex(kPickBackgroundColor);
    // 228 dots per 100 preview pixels: (100, 175) is dot (228, 399), offsets 57 and 49.
    emit testing::control<PictureBox>(w, QStringLiteral("Image2"))->pressed({100, 175});
    EXPECT_EQ(testing::control<UpDown>(w, QStringLiteral("TextBlockWidthOffsetUpDown"))->position(),
              57);
    EXPECT_EQ(
        testing::control<UpDown>(w, QStringLiteral("TextBlockHeightOffsetUpDown"))->position(), 49);
    EXPECT_EQ(h.design().settings().textBlockHeightOffset, 49);
    EXPECT_EQ(h.slot(1).BackgroundColor, clRed);
    h.settle();
    w.PageControl2->setCurrentWidget(
        testing::control<QWidget>(w, QStringLiteral("AdvancedTabSheet")));
    EXPECT_EQ(
        testing::control<RadioGroup>(w, QStringLiteral("TextBlockPositionRadioGroup"))->itemIndex(),
        kAtCurrentPosition);
    EXPECT_EQ(testing::control<RadioGroup>(w, QStringLiteral("PickColorRadioGroup"))->itemIndex(),
              kPickNoColor);
    emit testing::control<PictureBox>(w, QStringLiteral("Image2"))->pressed({10, 10});
    EXPECT_EQ(h.design().settings().textBlockWidthOffset, 57);
    EXPECT_FALSE(w.DrawTimer().isPending());
}

// A tinted copy lives while a design uses it: opening another design removes it, opening
// its own design again makes it anew, and closing the window removes it.
TEST(WindowColoringTest, TintedCopiesGoWithTheDesignThatUsesThem) {
    Coloring h;
    TForm1& w = h.w();
    h.colorSlot(1);
    testing::control<RadioGroup>(w, QStringLiteral("TypeRadioGroup"))->setItemIndex(0);
    testing::control<QPushButton>(w, QStringLiteral("UseColoredImageButton"))->click();
    const QString copy = h.slot(1).FileName;
    const QString design = h.folder.filePath(QStringLiteral("tinted.vmg"));
    h.prompts.answerPath(design);
    w.SaveAsItem->trigger();
    ASSERT_TRUE(QFile::exists(copy));

    w.OpenDesignFile(QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg"));
    EXPECT_FALSE(QFile::exists(copy));
    w.OpenDesignFile(design);
    EXPECT_EQ(h.slot(1).FileName, copy);
    EXPECT_TRUE(QFile::exists(copy));
    h.prompts.answerNo();  // no saving
    h.prompts.answerYes(); // and end
    w.close();
    EXPECT_FALSE(QFile::exists(copy));
}

} // namespace
} // namespace veltmoor
