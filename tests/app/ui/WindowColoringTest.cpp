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
        prompts.asked.clear();
    }

    void givePicture(int slot, const QString& path) {
        hover(w().slotBoxes[static_cast<std::size_t>(slot)]);
        prompts.answerPath(path);
        w().openImageItems[static_cast<std::size_t>(slot)]->trigger();
        settle();
    }

    // "Color Image" from the menu of the slot's box.
    void colorSlot(int slot) {
        hover(w().slotBoxes[static_cast<std::size_t>(slot)]);
        w().ImagePopupMenuPopup(slot);
        ASSERT_TRUE(w().colorImageItems[static_cast<std::size_t>(slot)]->isEnabled());
        w().colorImageItems[static_cast<std::size_t>(slot)]->trigger();
    }

    bool colorPageOpen() {
        TForm1& window = w();
        return window.PageControl1->currentWidget() == window.ColorImageTabSheet &&
               window.PageControl1->isTabVisible(
                   window.PageControl1->indexOf(window.ColorImageTabSheet)) &&
               window.PageControl2->isHidden() && !window.FileMenu->menuAction()->isEnabled();
    }

    bool colorPageClosed(QWidget* expectedPage) {
        TForm1& window = w();
        return window.PageControl1->currentWidget() == expectedPage &&
               !window.PageControl1->isTabVisible(
                   window.PageControl1->indexOf(window.ColorImageTabSheet)) &&
               !window.PageControl2->isHidden() && window.FileMenu->menuAction()->isEnabled();
    }

    QStringList tintedCopies() {
        return QDir(folder.filePath(QStringLiteral("work")))
            .entryList({QStringLiteral("~~*")}, QDir::Files);
    }

    static void press(PictureBox* box, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), QPointF(at), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(box, &event);
    }
};

// Tinted colours follow from the palettes and the nearest-colour rule: "1 - Blue" turns
// black into pure blue, "7 - Black and White" turns blue black, "8 - Gray Scale" turns red
// into the grey of its mean.
TEST(WindowColoringTest, UseWritesTheTintedCopyAndShowsItWhereTheSlotIsShown) {
    struct Case {
        int slot;
        int width, height;
        TColor source;
        int type;
        TColor tinted;
        QPoint insidePreview, outsidePreview; // FitPictureRect: 350 x 87 or 87 x 350
        bool mirrored;
    };
    for (const Case& c : {
             Case{1, 100, 100, clBlack, 1, rgbColor(0, 0, 255), {340, 340}, {-1, -1}, true},
             Case{6, 400, 100, rgbColor(0, 0, 255), 7, clBlack, {175, 80}, {175, 95}, false},
             Case{3, 100, 400, clRed, 8, rgbColor(85, 85, 85), {80, 175}, {95, 175}, true},
         }) {
        SCOPED_TRACE(c.slot);
        Coloring h;
        TForm1& w = h.w();
        const QString source =
            h.picture(QStringLiteral("source%1.bmp").arg(c.slot), c.width, c.height, c.source);
        h.givePicture(c.slot, source);
        h.colorSlot(c.slot);
        EXPECT_TRUE(h.colorPageOpen());
        EXPECT_EQ(h.design().CurrentSlot, c.slot);

        w.TypeRadioGroup->setItemIndex(c.type);
        const QImage preview = w.ColorBitMapImage->rendered();
        EXPECT_TRUE(near(preview.pixelColor(c.insidePreview), c.tinted, 2));
        if (c.outsidePreview.x() >= 0) {
            EXPECT_TRUE(near(preview.pixelColor(c.outsidePreview), clWhite, 2));
        }

        w.UseColoredImageButton->click();
        EXPECT_TRUE(h.prompts.messages.isEmpty()) << h.prompts.messages.join(u'\n').toStdString();
        const img& slot = h.slot(c.slot);
        EXPECT_EQ(slot.FileName, tintedCopyPath(c.slot, source, c.type));
        EXPECT_EQ(slot.SourceFileName, source);
        EXPECT_EQ(slot.ColoringType, c.type);
        const DecodedPicture copy = readPicture(slot.FileName);
        EXPECT_EQ(copy.width, c.width);
        EXPECT_EQ(copy.bitmap.pixelColor(0, 0), c.tinted);

        const QImage box = w.slotBoxes[static_cast<std::size_t>(c.slot)]->rendered();
        EXPECT_TRUE(near(box.pixelColor(50, 50), c.tinted));
        EXPECT_EQ(w.AImage->rendered() == box, c.slot == 1);
        EXPECT_EQ(w.cImage->rendered() == box, c.slot == 3);
        EXPECT_TRUE(h.colorPageClosed(c.mirrored ? w.StandardTabSheet : w.Images01to15TabSheet));

        // The tag is composed again from the tinted copy.
        h.settle();
        EXPECT_TRUE(near(h.previewPixelForDot(200, 400), c.tinted));

        // Coming back preselects the type used last.
        w.TypeRadioGroup->setItemIndex(0);
        h.colorSlot(c.slot);
        EXPECT_EQ(w.TypeRadioGroup->itemIndex(), c.type);
        w.CancelColoringButton->click();
    }
}

TEST(WindowColoringTest, CancelLeavesAnUntintedSlotAsItWasAndUntintsATintedOne) {
    Coloring h;
    TForm1& w = h.w();
    const QString source = h.picture(QStringLiteral("blue.bmp"), 100, 100, rgbColor(0, 0, 255));
    h.givePicture(5, source);
    const img before = h.slot(5);
    const Bitmap thumbnail = w.slotThumbnail(5);

    h.colorSlot(5);
    w.TypeRadioGroup->setItemIndex(4);
    w.CancelColoringButton->click();
    EXPECT_EQ(h.slot(5).FileName, before.FileName);
    EXPECT_EQ(h.slot(5).ColoringType, kNotTinted);
    EXPECT_TRUE(w.slotThumbnail(5) == thumbnail);
    EXPECT_TRUE(h.tintedCopies().isEmpty());
    EXPECT_TRUE(h.colorPageClosed(w.Images01to15TabSheet));

    // Tinted sepia, then cancelled: the slot and its box are blue again.
    h.colorSlot(5);
    w.TypeRadioGroup->setItemIndex(0);
    w.UseColoredImageButton->click();
    ASSERT_EQ(h.slot(5).ColoringType, 0);
    ASSERT_FALSE(near(w.slotBoxes[5]->rendered().pixelColor(50, 50), rgbColor(0, 0, 255)));
    h.colorSlot(5);
    w.CancelColoringButton->click();
    EXPECT_EQ(h.slot(5).ColoringType, kNotTinted);
    EXPECT_EQ(h.slot(5).FileName, source);
    EXPECT_TRUE(near(w.slotBoxes[5]->rendered().pixelColor(50, 50), rgbColor(0, 0, 255)));
    h.settle();
    EXPECT_TRUE(near(h.previewPixelForDot(200, 400), rgbColor(0, 0, 255)));
}

TEST(WindowColoringTest, APictureThatCannotBeReadOrACopyThatCannotBeWrittenChangesNothing) {
    Coloring h;
    TForm1& w = h.w();
    const QString source = h.picture(QStringLiteral("later broken.bmp"), 50, 50, clRed);
    h.givePicture(2, source);
    const img before = h.slot(2);

    // The copy's place is taken by a folder: the write fails, the page stays open.
    h.colorSlot(2);
    w.TypeRadioGroup->setItemIndex(3);
    ASSERT_TRUE(QDir().mkpath(tintedCopyPath(2, source, 3)));
    w.UseColoredImageButton->click();
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages[0].contains(QStringLiteral("~~2-")))
        << h.prompts.messages[0].toStdString();
    EXPECT_EQ(h.slot(2).FileName, before.FileName);
    EXPECT_EQ(h.slot(2).ColoringType, before.ColoringType);
    EXPECT_TRUE(h.colorPageOpen());
    w.CancelColoringButton->click();

    // The picture is damaged after it was chosen: its message, the page open, and either
    // button leaves it with the slot as it was.
    QFile damaged(source);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("BM not a bitmap at all");
    damaged.close();
    for (QPushButton* button : {w.UseColoredImageButton, w.CancelColoringButton}) {
        h.prompts.messages.clear();
        h.colorSlot(2);
        ASSERT_EQ(h.prompts.messages.size(), 1);
        EXPECT_TRUE(h.prompts.messages[0].contains(QStringLiteral("later broken.bmp")))
            << h.prompts.messages[0].toStdString();
        EXPECT_TRUE(h.colorPageOpen());
        button->click();
        EXPECT_TRUE(h.colorPageClosed(w.StandardTabSheet));
        EXPECT_EQ(h.slot(2).FileName, before.FileName);
        EXPECT_EQ(h.slot(2).ColoringType, kNotTinted);
    }
    EXPECT_TRUE(h.tintedCopies().isEmpty());
}

// A click on the red picture of the tag, with each colour to pick: the colour reaches the
// checked slots and becomes the start colour of that colour's dialog.
TEST(WindowColoringTest, APickedColourGoesToTheCheckedSlotsAndTheDialog) {
    struct Case {
        int item;
        TColor img::*field;
        QPushButton* TForm1::*button;
    };
    for (const Case& c : {
             Case{kPickCutLineColor, &img::CutLineColor, &TForm1::SelectBorderColorButton},
             Case{kPickValueFontColor, &img::ValueColor, &TForm1::SelectValueColorButton},
             Case{kPickTextFontColor, &img::TextColor, &TForm1::SelectTextColorButton},
             Case{kPickBackgroundColor, &img::BackgroundColor, &TForm1::SelectBackgoundColorButton},
             Case{kPickTextBlockColor, &img::TextBlockColor, &TForm1::Text1MemoSelectColorButton},
         }) {
        SCOPED_TRACE(c.item);
        Coloring h;
        TForm1& w = h.w();
        for (int slot = 1; slot <= 9; ++slot) {
            w.slotCheckBoxes[static_cast<std::size_t>(slot)]->setChecked(slot <= 2);
        }
        h.slot(3).*c.field = clAqua;
        w.PageControl2->setCurrentWidget(w.AdvancedTabSheet);
        w.PickColorRadioGroup->setItemIndex(c.item);
        EXPECT_TRUE(h.design().ColorPickActive);

        // Tag dot (200, 400) of the 400 x 800 dot tag shows the picture's red.
        Coloring::press(w.Image2, {87, 175}, Qt::RightButton);
        EXPECT_EQ(h.slot(1).*c.field, clRed);
        EXPECT_EQ(h.slot(2).*c.field, clRed);
        EXPECT_EQ(h.slot(3).*c.field, clAqua);
        EXPECT_TRUE(w.DrawTimer().isPending());

        h.prompts.cancelNext();
        (w.*c.button)->click();
        EXPECT_EQ(h.prompts.asked.last(), QStringLiteral("chooseColor: 0000ff"));

        // Another left-hand page ends the picking.
        h.settle();
        w.PageControl2->setCurrentWidget(w.TextTabSheet);
        EXPECT_EQ(w.PickColorRadioGroup->itemIndex(), kPickNoColor);
        EXPECT_FALSE(h.design().ColorPickActive);
        Coloring::press(w.Image2, {10, 10});
        EXPECT_FALSE(w.DrawTimer().isPending());
        EXPECT_EQ(h.slot(1).*c.field, clRed);
    }
}

TEST(WindowColoringTest, ClickAtPositionMovesTheTextBlockUntilThePageChanges) {
    Coloring h;
    TForm1& w = h.w();
    w.TextBlockPositionRadioGroup->setItemIndex(kClickAtPosition);
    EXPECT_EQ(w.PageControl1->currentWidget(), w.StandardTabSheet);
    // 400 x 800 dots: 228 dots per 100 preview pixels, so (100, 175) is dot (228, 399).
    Coloring::press(w.Image2, {100, 175});
    EXPECT_EQ(w.TextBlockWidthOffsetUpDown->position(), 57);
    EXPECT_EQ(w.TextBlockHeightOffsetUpDown->position(), 49);
    EXPECT_EQ(h.design().settings.textBlockWidthOffset, 57);
    EXPECT_EQ(h.design().settings.textBlockHeightOffset, 49);
    EXPECT_TRUE(w.DrawTimer().isPending());
    h.settle();

    w.PageControl2->setCurrentWidget(w.AdvancedTabSheet);
    EXPECT_EQ(w.TextBlockPositionRadioGroup->itemIndex(), kAtCurrentPosition);
    Coloring::press(w.Image2, {300, 300});
    EXPECT_EQ(h.design().settings.textBlockWidthOffset, 57);
    EXPECT_FALSE(w.DrawTimer().isPending());
}

} // namespace
} // namespace veltmoor
