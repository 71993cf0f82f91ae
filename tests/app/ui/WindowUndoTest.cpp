#include "app/ui/RadioGroup.h"
#include "design/DesignChange.h"
#include "design/DesignComposition.h"
#include "images/TintedCopy.h"
#include "setupfile/SetupFile.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <QUndoStack>

#include <functional>
#include <utility>
#include <vector>

namespace veltmoor {
namespace {

using testing::WindowHarness;

// The window past the welcome page with a picture for tag 1.
struct Editing : WindowHarness {
    Editing() {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
        // The keys reach the window's shortcuts while it is the active one.
        w().activateWindow();
        QApplication::processEvents();
    }

    QAction* item(const char* name) { return w().findChild<QAction*>(QString::fromLatin1(name)); }

    // What the user would keep of the design: the file it saves to, and the tags of the
    // slots the changes reach as they compose.
    struct State {
        QByteArray file;
        Bitmap tag1;
        Bitmap tag2;
    };
    State state() {
        settle();
        const QString path = folder.filePath(QStringLiteral("state.vmg"));
        saveSetupFile(path, design());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        PictureCache pictures;
        const PageMetrics page = testing::eightByTenPage().pageMetrics();
        return {file.readAll(), composeSlot(design(), 1, page, pictures).tag,
                composeSlot(design(), 2, page, pictures).tag};
    }

    void colorSlot(int slot, int type) {
        hover(slotBox(slot));
        w().ImagePopupMenuPopup(slot);
        slotMenuItem(slot, QStringLiteral("&Color Image"))->trigger();
        control<RadioGroup>(QStringLiteral("TypeRadioGroup"))->setItemIndex(type);
        control<QPushButton>(QStringLiteral("UseColoredImageButton"))->click();
    }
};

TEST(WindowUndoTest, EveryKindOfChangeIsOneStepThatUndoAndRedoTakeBackExactly) {
    Editing h;
    TForm1& w = h.w();
    const QString blue = h.picture(QStringLiteral("blue.bmp"), 80, 40, rgbColor(0, 0, 255));
    struct Change {
        const char* name;
        std::function<void()> make;
    };
    const std::vector<Change> changes{
        {"Corner Text",
         [&] {
             testing::control<QLineEdit>(w, QStringLiteral("ValueEdit"))
                 ->setText(QStringLiteral("$9.99"));
         }},
        {"Background Colour",
         [&] {
             h.prompts.answerColor(rgbColor(0, 200, 0));
             testing::control<QPushButton>(w, QStringLiteral("SelectBackgoundColorButton"))
                 ->click();
         }},
        {"Shape",
         [&] {
             testing::control<RadioGroup>(w, QStringLiteral("TypeOfPageRadioGroup"))
                 ->setItemIndex(kShapeOvalCircle);
         }},
        {"Tag Size", [&] { testing::control<UpDown>(w, QStringLiteral("WidthUpDown"))->step(1); }},
        {"No Hole",
         [&] { testing::control<QCheckBox>(w, QStringLiteral("NoHoleCheckBox"))->click(); }},
        {"Tags Checked", [&] { h.slotCheckBox(4)->click(); }},
        // One button that checks and clears eight boxes is still one step.
        {"Tags Checked", [&] { h.control<QPushButton>(QStringLiteral("Button2"))->click(); }},
        {"Picture",
         [&] {
             h.hover(h.slotBox(2));
             h.prompts.answerPath(blue);
             h.slotMenuItem(2, QStringLiteral("&Open Image..."))->trigger();
         }},
        {"Tint", [&] { h.colorSlot(2, 1); }},
        {"Cutting Marks",
         [&] {
             testing::control<QComboBox>(w, QStringLiteral("CuttingMarksComboBox"))
                 ->setCurrentIndex(1);
         }},
        {"Picture", [&] { h.slotMenuItem(2, QStringLiteral("&Delete Image"))->trigger(); }},
        {"Address Labels",
         [&] {
             h.prompts.answerYes();
             testing::control<QCheckBox>(w, QStringLiteral("AddressLabelsCheckBox"))->click();
         }},
    };
    std::vector<Editing::State> states{h.state()};
    for (const Change& change : changes) {
        change.make();
        states.push_back(h.state());
        EXPECT_EQ(h.item("UndoItem")->text(), QStringLiteral("&Undo %1").arg(change.name));
    }
    EXPECT_EQ(w.history().stack().count(), static_cast<int>(changes.size()));
    for (std::size_t step = changes.size(); step > 0; --step) {
        SCOPED_TRACE(changes[step - 1].name);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        const Editing::State undone = h.state();
        EXPECT_EQ(undone.file, states[step - 1].file);
        EXPECT_TRUE(undone.tag1 == states[step - 1].tag1);
        EXPECT_TRUE(undone.tag2 == states[step - 1].tag2);
    }
    EXPECT_FALSE(h.item("UndoItem")->isEnabled());
    for (std::size_t step = 1; step <= changes.size(); ++step) {
        SCOPED_TRACE(changes[step - 1].name);
        QTest::keyClick(&w, step % 2 == 0 ? Qt::Key_Y : Qt::Key_Z,
                        step % 2 == 0 ? Qt::ControlModifier
                                      : Qt::ControlModifier | Qt::ShiftModifier);
        const Editing::State redone = h.state();
        EXPECT_EQ(redone.file, states[step].file);
        EXPECT_TRUE(redone.tag1 == states[step].tag1);
        EXPECT_TRUE(redone.tag2 == states[step].tag2);
    }
    // The tinted copy, deleted from the design, stays named while a step can bring it back.
    const QString tinted = tintedCopyPath(2, blue, 1);
    EXPECT_NE(h.slot(2).FileName, tinted);
    EXPECT_TRUE(w.history().referencedPictureFiles(w.design()).contains(tinted));
    EXPECT_TRUE(h.prompts.messages.isEmpty());
}

TEST(WindowUndoTest, TypingInOneFieldIsOneStepUntilTheFieldIsLeft) {
    Editing h;
    TForm1& w = h.w();
    testing::control<QLineEdit>(w, QStringLiteral("ValueEdit"))->setFocus(Qt::TabFocusReason);
    const int before = w.history().stack().count();
    QTest::keyClicks(testing::control<QLineEdit>(w, QStringLiteral("ValueEdit")),
                     QStringLiteral("SALE"));
    testing::control<QLineEdit>(w, QStringLiteral("TextEdit"))->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(testing::control<QLineEdit>(w, QStringLiteral("TextEdit")),
                     QStringLiteral("NEW"));
    testing::control<QLineEdit>(w, QStringLiteral("CopiesEdit"))->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.history().stack().count(), before + 2);
    EXPECT_EQ(h.slot(1).ValueText, QStringLiteral("SALE"));

    h.item("UndoItem")->trigger();
    EXPECT_EQ(h.slot(1).EdgeText, QString());
    EXPECT_EQ(h.item("UndoItem")->text(), QStringLiteral("&Undo Corner Text"));
    h.item("UndoItem")->trigger();
    EXPECT_EQ(h.slot(1).ValueText, QString());
    EXPECT_EQ(testing::control<QLineEdit>(w, QStringLiteral("ValueEdit"))->text(), QString());
}

TEST(WindowUndoTest, TheTitleMarksADesignThatDiffersFromTheOneSavedOrOpened) {
    Editing h;
    TForm1& w = h.w();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltmoor Tags Print"));
    testing::control<QCheckBox>(w, QStringLiteral("NoHoleCheckBox"))->click();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Untitled* - Veltmoor Tags Print"));

    const QString path = h.folder.filePath(QStringLiteral("sale.vmg"));
    h.prompts.answerPath(path);
    w.SaveAsItem->trigger();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("sale.vmg - Veltmoor Tags Print"));
    testing::control<QCheckBox>(w, QStringLiteral("BlankCheckBox"))->click();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("sale.vmg* - Veltmoor Tags Print"));
    h.item("UndoItem")->trigger();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("sale.vmg - Veltmoor Tags Print"));
    h.item("UndoItem")->trigger();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("sale.vmg* - Veltmoor Tags Print"));

    // Opening starts the history again from the file.
    w.OpenDesignFile(path);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("sale.vmg - Veltmoor Tags Print"));
    EXPECT_FALSE(h.item("UndoItem")->isEnabled());
    EXPECT_TRUE(h.design().settings().hole.noHole);

    // Previewing is not a step, and the window locked holds the history still.
    testing::control<QPushButton>(w, QStringLiteral("PreviewButton"))->click();
    EXPECT_EQ(w.history().stack().count(), 0);
    testing::control<QCheckBox>(w, QStringLiteral("NoHoleCheckBox"))->click();
    w.DisableControls();
    EXPECT_FALSE(h.item("UndoItem")->isEnabled());
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(h.design().settings().hole.noHole);
    w.EnableControls();
    EXPECT_TRUE(h.item("UndoItem")->isEnabled());
}

// The pages are shown from the window's announcements alone: typing keeps its cursor, an
// Undo step is one announcement that the "Text" page shows, and so is a design opened
// outside any handler, as the command line opens one at start.
TEST(WindowUndoTest, ThePagesShowWhatTheWindowAnnouncesOnceForEachChange) {
    Editing h;
    TForm1& w = h.w();
    std::vector<DesignChange> announced;
    QObject::connect(&w, &TForm1::designChanged,
                     [&](const DesignChange& change) { announced.push_back(change); });
    auto* corner = h.control<QLineEdit>(QStringLiteral("ValueEdit"));
    corner->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(corner, QStringLiteral("SALE"));
    corner->setCursorPosition(2);
    QTest::keyClicks(corner, QStringLiteral("X"));
    EXPECT_EQ(std::pair(corner->text(), corner->cursorPosition()),
              std::pair(QStringLiteral("SAXLE"), 3));
    EXPECT_EQ(announced.size(), 5U);
    h.control<QLineEdit>(QStringLiteral("CopiesEdit"))->setFocus(Qt::TabFocusReason);

    announced.clear();
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(announced.size(), 1U);
    EXPECT_TRUE(announced[0].changed(DesignAspect::CornerText));
    EXPECT_EQ(announced[0].changedSlots().count(), 9U);
    EXPECT_EQ(corner->text(), QString());
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(corner->text(), QStringLiteral("SAXLE"));

    announced.clear();
    w.OpenDesignFile(QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg"));
    EXPECT_EQ(announced.size(), 1U);
    EXPECT_EQ(corner->text(), QString());
    EXPECT_EQ(h.control<QLineEdit>(QStringLiteral("TextEdit"))->text(),
              QStringLiteral("MERRY CHRISTMAS"));
    EXPECT_EQ(h.control<RadioGroup>(QStringLiteral("ValueRadioGroup"))->itemIndex(), kCornerUL);
    EXPECT_EQ(h.control<RadioGroup>(QStringLiteral("EdgeRadioGroup"))->itemIndex(), kEdgeBottom);
}
} // namespace
} // namespace veltmoor
