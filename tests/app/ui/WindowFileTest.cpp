#include "setupfile/SetupFile.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::WindowHarness;

// The window past the welcome page with a red picture for tag 1 and a green one for tag 3.
struct FileHarness : WindowHarness {
    FileHarness() {
        startDesigning(picture(QStringLiteral("red.bmp"), 40, 80, clRed));
        prompts.answerPath(picture(QStringLiteral("green.bmp"), 60, 30, rgbColor(0, 255, 0)));
        w().OpenImageItemClick(3);
        settle();
        prompts.asked.clear();
    }
    QString path(const QString& name) { return folder.filePath(name); }
    QByteArray designBytes() { return setupFileBytes(design()); }
    void save(const QString& file) {
        prompts.answerPath(file);
        w().SaveAsItem->trigger();
    }
    void open(const QString& file) {
        prompts.answerPath(file);
        w().OpenItem->trigger();
        settle();
    }
};

TEST(WindowFileTest, ASavedDesignComesBackWholeAfterEverythingChanged) {
    FileHarness h;
    h.control<QLineEdit>(QStringLiteral("ValueEdit"))->setText(QStringLiteral("Aug 17, 2002"));
    h.design().setShape(9);
    const QByteArray saved = h.designBytes();
    const QString file = h.path(QStringLiteral("sheet.vmg"));
    h.save(file);
    EXPECT_EQ(h.prompts.messages, QStringList());
    ASSERT_TRUE(QFileInfo::exists(file));

    // Change everything the file carries, then open it again.
    h.control<QLineEdit>(QStringLiteral("ValueEdit"))->setText(QStringLiteral("other"));
    h.prompts.answerColor(rgbColor(1, 2, 3));
    testing::control<QPushButton>(h.w(), QStringLiteral("SelectBackgoundColorButton"))->click();
    h.design().setShape(3);
    h.type(testing::control<QLineEdit>(h.w(), QStringLiteral("WidthEdit")), QStringLiteral("3.5"));
    h.w().DeleteImageItemClick(3);
    ASSERT_NE(h.designBytes(), saved);

    h.open(file);
    EXPECT_EQ(h.designBytes(), saved);
    EXPECT_EQ(h.slot(3).PictureWidth, 60);
    EXPECT_EQ(h.slot(1).ValueText, QStringLiteral("Aug 17, 2002"));
    EXPECT_EQ(h.control<QLineEdit>(QStringLiteral("ValueEdit"))->text(),
              h.design().valueEditText());
    EXPECT_EQ(testing::control<QLineEdit>(h.w(), QStringLiteral("WidthEdit"))->text(),
              QStringLiteral("2.00"));
    EXPECT_EQ(h.design().tagWidthDots(), 400);
    // The slot's thumbnail is its picture again, not the placeholder of the deleted slot.
    EXPECT_EQ(h.w().slotThumbnail(3).pixelColor(450, 450), rgbColor(0, 255, 0));
    EXPECT_FALSE(h.w().DrawTimer().isPending()); // the one redraw has happened
}

TEST(WindowFileTest, ADesignOpenedFromTheWelcomePageShowsItsFirstTag) {
    FileHarness h;
    h.type(h.control<QLineEdit>(QStringLiteral("ValueEdit")), QStringLiteral("SALE"));
    h.type(h.control<QLineEdit>(QStringLiteral("TextEdit")), QStringLiteral("HOMEMADE"));
    const QString file = h.path(QStringLiteral("sheet.vmg"));
    h.save(file);
    WindowHarness fresh;
    fresh.window->show();
    // "Open Tag..." beside "Continue": no picture is asked for on the way.
    fresh.prompts.answerPath(file);
    fresh.window->findChild<QPushButton*>(QStringLiteral("OpenTagAboutButton"))->click();
    fresh.settle();
    EXPECT_EQ(fresh.prompts.asked, QStringList{QStringLiteral("openFile: Open Tag")});
    EXPECT_EQ(fresh.design().currentSlot(), 1);
    EXPECT_TRUE(fresh.w().PageControl1->isTabVisible(
        fresh.w().PageControl1->indexOf(fresh.control(QStringLiteral("Images01to15TabSheet")))));
    EXPECT_TRUE(fresh.w().PageControl2->isTabVisible(fresh.w().PageControl2->indexOf(
        testing::control<QWidget>(fresh.w(), QStringLiteral("AdvancedTabSheet")))));
    EXPECT_FALSE(fresh.w().PageControl1->isTabVisible(
        fresh.w().PageControl1->indexOf(fresh.control(QStringLiteral("AboutTabSheet")))));
    EXPECT_EQ(fresh.w().LastTagBitmap().width(), 400); // tag 1's size, not the 350 sample
    // The text fields show tag 1's texts, not empty fields that typing would write over.
    EXPECT_EQ(fresh.control<QLineEdit>(QStringLiteral("ValueEdit"))->text(), "SALE");
    EXPECT_EQ(fresh.control<QLineEdit>(QStringLiteral("TextEdit"))->text(), "HOMEMADE");
}

// A design opened with a picture gone shows that tag as it will print, without the picture
// the window showed before: its thumbnail is the placeholder, neither the tag in view nor the
// sheet has any green.
TEST(WindowFileTest, AMissingPictureShowsAsMissingEverywhereAfterAnOpen) {
    FileHarness h;
    const QString file = h.path(QStringLiteral("sheet.vmg"));
    h.save(file);
    ASSERT_TRUE(QFile::remove(h.path(QStringLiteral("green.bmp"))));
    h.open(file);
    EXPECT_EQ(h.prompts.messages.size(), 1);
    const auto greenDots = [](const Bitmap& bitmap) {
        int green = 0;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                green += bitmap.pixelColor(x, y) == rgbColor(0, 255, 0) ? 1 : 0;
            }
        }
        return green;
    };
    EXPECT_EQ(greenDots(h.w().slotThumbnail(3)), 0);
    WindowHarness::hover(h.slotBox(3));
    h.slotMenuItem(3, QStringLiteral("&Show Tag"))->trigger();
    h.settle();
    ASSERT_EQ(h.design().currentSlot(), 3);
    EXPECT_EQ(greenDots(h.w().LastTagBitmap()), 0);
    h.control<QPushButton>(QStringLiteral("PreviewButton"))->click();
    ASSERT_FALSE(h.w().SheetBitmap().isEmpty());
    EXPECT_EQ(greenDots(h.w().SheetBitmap()), 0);
}

TEST(WindowFileTest, CancelledDialogsSayNothingWasDone) {
    FileHarness h;
    const QByteArray before = h.designBytes();
    h.prompts.cancelNext();
    h.w().SaveAsItem->trigger();
    h.prompts.cancelNext();
    h.w().OpenItem->trigger();
    EXPECT_EQ(h.prompts.messages,
              (QStringList{QStringLiteral("File not Saved"), QStringLiteral("No File Selected")}));
    EXPECT_EQ(h.designBytes(), before);
}

TEST(WindowFileTest, ABrokenDesignOrAnUnwritablePlaceChangesNothing) {
    FileHarness h;
    const QByteArray before = h.designBytes();
    const QString broken = h.path(QStringLiteral("broken.vmg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Tag1,\"x.bmp\",not a number\r\n");
    file.close();
    h.open(broken);
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages.first().contains(QStringLiteral("broken.vmg")));
    EXPECT_EQ(h.designBytes(), before);

    h.prompts.messages.clear();
    h.save(h.path(QStringLiteral("no such folder/sheet.vmg")));
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages.first().contains(QStringLiteral("could not be written")));
}

TEST(WindowFileTest, ADesignMovedWithItsPicturesOpensWhole) {
    FileHarness h;
    h.save(h.path(QStringLiteral("sheet.vmg")));
    const QDir moved(h.path(QStringLiteral("elsewhere")));
    ASSERT_TRUE(moved.mkpath(QStringLiteral(".")));
    for (const QString& name :
         {QStringLiteral("sheet.vmg"), QStringLiteral("red.bmp"), QStringLiteral("green.bmp")}) {
        ASSERT_TRUE(QFile::rename(h.path(name), moved.filePath(name)));
    }
    h.w().DeleteImageItemClick(3);
    h.open(moved.filePath(QStringLiteral("sheet.vmg")));
    EXPECT_EQ(h.prompts.messages, QStringList()) << "a picture was reported missing";
    EXPECT_EQ(QFileInfo(h.slot(3).FileName).absolutePath(), moved.absolutePath());
    EXPECT_EQ(h.slot(3).PictureHeight, 30);
}

// The paper chosen in the printer set-up comes back with the design while its printer still
// offers it; otherwise the printer's default paper is used and the user is told.
TEST(WindowFileTest, ThePaperComesBackUnlessThePrinterNoLongerOffersIt) {
    for (const bool offered : {true, false}) {
        SCOPED_TRACE(offered);
        WindowServices services;
        bool offersA5 = true;
        services.listPrinters = [&offersA5] {
            return std::vector<PrinterDescription>{
                {.name = QStringLiteral("Office"),
                 .paper = QStringLiteral("Letter"),
                 .papers = offersA5 ? QStringList{"Letter", "A5"} : QStringList{"Letter"},
                 .isDefault = true}};
        };
        WindowHarness h(std::move(services));
        h.startDesigning(h.picture(QStringLiteral("red.bmp"), 40, 80, clRed));
        h.design().setPrinterPaper(QStringLiteral("A5"), false);
        const QString file = h.folder.filePath(QStringLiteral("paper.vmg"));
        h.prompts.answerPath(file);
        ASSERT_TRUE(h.w().SaveAsItemClick());
        h.design().setPrinterPaper(QString(), false);
        offersA5 = offered;
        h.w().OpenDesignFile(file);
        EXPECT_EQ(h.design().printer().paper, offered ? QStringLiteral("A5") : QString());
        ASSERT_EQ(h.prompts.messages.size(), offered ? 0 : 1)
            << h.prompts.messages.join('\n').toStdString();
        if (!offered) {
            EXPECT_EQ(h.prompts.messages.first(),
                      QStringLiteral("The printer \"Office\" does not offer the paper \"A5\" this "
                                     "design was saved with, so the sheet is laid out on its "
                                     "default paper, \"Letter\"."));
        }
    }
}

TEST(WindowFileTest, TheCloseQuerySavesAndAFailedSaveKeepsTheWindowOpen) {
    FileHarness h;
    // Yes to saving, then the save dialog cancelled: the window stays, nothing else asked.
    h.prompts.answerYes();
    h.prompts.cancelNext();
    h.w().close();
    EXPECT_TRUE(h.w().isVisible());
    EXPECT_EQ(h.prompts.messages, QStringList{QStringLiteral("File not Saved")});
    // Yes, saved, and No to ending.
    const QString file = h.path(QStringLiteral("closing.vmg"));
    h.prompts.answerYes();
    h.prompts.answerPath(file);
    h.prompts.answerNo();
    h.w().close();
    EXPECT_TRUE(h.w().isVisible());
    EXPECT_TRUE(QFileInfo::exists(file));
    // No to saving, Yes to ending.
    h.prompts.answerNo();
    h.prompts.answerYes();
    h.w().close();
    EXPECT_FALSE(h.w().isVisible());
}

TEST(WindowFileTest, RecentDesignsAreListedAndAVanishedOneIsDropped) {
    FileHarness h;
    const QString first = h.path(QStringLiteral("first.vmg"));
    const QString second = h.path(QStringLiteral("second.vmg"));
    h.save(first);
    h.save(second);
    ASSERT_EQ(h.w().RecentDesignItems.size(), 2U);
    EXPECT_EQ(h.w().RecentDesignItems[0]->text(), QStringLiteral("&1 second.vmg"));
    EXPECT_EQ(h.w().RecentDesignItems[1]->text(), QStringLiteral("&2 first.vmg"));

    ASSERT_TRUE(QFile::remove(second));
    h.w().RecentDesignItems[0]->trigger();
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages.first().contains(QStringLiteral("second.vmg")));
    ASSERT_EQ(h.w().RecentDesignItems.size(), 1U);
    EXPECT_EQ(h.w().RecentDesignItems[0]->text(), QStringLiteral("&1 first.vmg"));
}

// The same file reached by a link is one entry; two files named alike show their folders;
// a file gone by the time the menu opens is not offered.
TEST(WindowFileTest, RecentDesignsHoldEachFileOnceAndTellAlikeNamesApart) {
    FileHarness h;
    ASSERT_TRUE(QDir(h.folder.path()).mkpath(QStringLiteral("a")));
    ASSERT_TRUE(QDir(h.folder.path()).mkpath(QStringLiteral("b")));
    const QString inA = h.path(QStringLiteral("a/mydesign.vmg"));
    const QString inB = h.path(QStringLiteral("b/mydesign.vmg"));
    h.save(inA);
    ASSERT_TRUE(QFile::link(h.path(QStringLiteral("a")), h.path(QStringLiteral("link"))));
    h.open(h.path(QStringLiteral("link/mydesign.vmg")));
    ASSERT_EQ(h.w().RecentDesignItems.size(), 1U);
    h.save(inB);
    const auto texts = [&h] {
        QStringList shown;
        for (const QAction* item : h.w().RecentDesignItems) {
            shown << item->text();
        }
        return shown;
    };
    const QString root = QFileInfo(h.folder.path()).canonicalFilePath();
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("&1 mydesign.vmg  (%1/b)").arg(root),
                                    QStringLiteral("&2 mydesign.vmg  (%1/a)").arg(root)}));

    ASSERT_TRUE(QFile::remove(inB));
    emit h.w().FileMenu->aboutToShow();
    EXPECT_EQ(texts(), QStringList{QStringLiteral("&1 mydesign.vmg")});
    EXPECT_EQ(h.prompts.messages, QStringList());
}

TEST(WindowFileTest, ADroppedPictureGoesToTheBoxItLandsOn) {
    FileHarness h;
    const QString blue = h.picture(QStringLiteral("blue.bmp"), 30, 30, rgbColor(0, 0, 255));
    PictureBox* box = h.slotBox(5);
    h.w().PageControl1->setCurrentWidget(h.control(QStringLiteral("Images01to15TabSheet")));
    h.w().DropFiles({blue}, box->mapTo(&h.w(), QPoint(50, 50)));
    EXPECT_EQ(h.slot(5).FileName, blue);
    EXPECT_EQ(h.design().currentSlot(), 5);
    EXPECT_EQ(h.prompts.messages, QStringList());
}

} // namespace
} // namespace veltmoor
