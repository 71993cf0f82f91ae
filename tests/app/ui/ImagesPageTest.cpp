#include "app/ui/pages/ImagesPage.h"
#include "design/TagDesign.h"
#include "support/widgets/PageEditor.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::control;

QAction* menuItem(const ImagesPage& page, const QString& menu, const QString& caption) {
    for (QAction* item : control<QMenu>(page, menu)->actions()) {
        if (item->text() == caption) {
            return item;
        }
    }
    return nullptr;
}

// The page alone with a design: it shows the checked slots without changing them, a check
// box or button it is given reaches the design, and it tells which slot each click, key and
// menu item is about.
TEST(ImagesPageTest, ShowsTheCheckedSlotsSetsThemAndSendsWhatIsAskedOfWhichSlot) {
    testing::PageEditor editor;
    TagDesign& design = editor.edited();
    ImagesPage page(editor);
    for (const int slot : {2, 5, 9}) {
        design.setSlotChecked(slot, false);
    }
    page.showDesign(design);
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(control<QCheckBox>(page, QStringLiteral("CheckBox%1").arg(slot))->isChecked(),
                  slot != 2 && slot != 5 && slot != 9)
            << slot;
    }
    EXPECT_TRUE(editor.sources.empty()) << "showing is not the user's change";
    auto* five = control<QCheckBox>(page, QStringLiteral("CheckBox5"));
    five->click();
    EXPECT_TRUE(design.isSlotChecked(5));
    auto* firstOnly = control<QPushButton>(page, QStringLiteral("Button2"));
    firstOnly->click();
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(design.isSlotChecked(slot), slot == 1) << slot;
    }
    EXPECT_EQ(editor.sources, (std::vector<const QObject*>{five, firstOnly}));

    // The menu key on box 3 points there first, then asks for its menu.
    QSignalSpy hovered(&page, &ImagesPage::slotHovered);
    QSignalSpy menuAsked(&page, &ImagesPage::slotMenuAsked);
    auto* box = control<PictureBox>(page, QStringLiteral("c03Image"));
    QTest::keyClick(box, Qt::Key_Menu);
    ASSERT_EQ(hovered.count(), 1);
    EXPECT_EQ(hovered[0][0].toInt(), 3);
    ASSERT_EQ(menuAsked.count(), 1);
    EXPECT_EQ(menuAsked[0][0].toInt(), 3);
    EXPECT_EQ(page.slotOfBox(box), 3);
    EXPECT_EQ(page.slotOfBox(&page), 0);

    // Slot 7's picture commands wait for a picture; an item asks for its own slot only.
    QSignalSpy deleted(&page, &ImagesPage::deleteImageAsked);
    QSignalSpy shown(&page, &ImagesPage::showTagAsked);
    QAction* deleteSeven =
        menuItem(page, QStringLiteral("Image07PopupMenu"), QStringLiteral("&Delete Image"));
    ASSERT_NE(deleteSeven, nullptr);
    page.offerSlotMenu(7, false);
    EXPECT_FALSE(deleteSeven->isEnabled());
    page.offerSlotMenu(7, true);
    EXPECT_TRUE(deleteSeven->isEnabled());
    deleteSeven->trigger();
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted[0][0].toInt(), 7);
    EXPECT_EQ(shown.count(), 0);
    // Tag 1 always keeps a picture: its menu has nothing to delete it with.
    EXPECT_EQ(menuItem(page, QStringLiteral("Image01PopupMenu"), QStringLiteral("&Delete Image")),
              nullptr);
    page.offerSlotMenu(0, true); // no such box: nothing to offer, and no harm done

    page.showSlotThumbnail(3, Bitmap(900, 900, clRed));
    EXPECT_TRUE(testing::near(box->rendered().pixelColor(50, 50), clRed));
}

} // namespace
} // namespace veltmoor
