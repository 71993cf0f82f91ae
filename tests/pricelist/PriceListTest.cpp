#include "pricelist/PriceList.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

class PriceListRows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"figs.jpg", "own.jpg"}) {
            QFile picture(folder.filePath(QLatin1String(name)));
            ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        }
        img& plain = design.Slots[1];
        plain.ValueText = QStringLiteral("${price}");
        plain.EdgeText = QStringLiteral("${name}");
        plain.TextBlockText = QStringLiteral("No. ${n}\r\n${name} ${unclosed");
        img& sale = design.Slots[2];
        sale.ValueText = QStringLiteral("SALE ${price}");
        sale.FileName = folder.filePath(QStringLiteral("own.jpg"));
        design.Slots[3].FileName = folder.filePath(QStringLiteral("lost.jpg"));
    }

    PriceList list(const QByteArray& csv, bool allowMissing = false) const {
        return PriceList(parsePriceTable(csv, QStringLiteral("prices.csv")), design,
                         PriceListOptions{folder.path(), allowMissing});
    }

    QTemporaryDir folder;
    PriceListTemplate design;
};

TEST_F(PriceListRows, FillEveryTextOfTheirSlotTagByTag) {
    const PriceList rows = list("name,price,slot,picture,copies\n"
                                "Jam,4.50,,,\n"
                                "Honey,6,2,,3\n"
                                "Tea,2,,,0\n"
                                "Figs,3,2,figs.jpg,1\n");
    ASSERT_TRUE(rows.problems().isEmpty()) << rows.problemMessage().toStdString();
    EXPECT_EQ(rows.rowCount(), 4);
    ASSERT_EQ(rows.tagCount(), 5);

    const PriceList::Tag jam = rows.tag(0);
    EXPECT_EQ(jam.slotNumber, 1);
    EXPECT_EQ(jam.slot.ValueText, "4.50");
    EXPECT_EQ(jam.slot.EdgeText, "Jam");
    EXPECT_EQ(jam.slot.TextBlockText, "No. 1\r\nJam ${unclosed");

    for (int index = 1; index <= 3; ++index) {
        const PriceList::Tag honey = rows.tag(index);
        EXPECT_EQ(honey.slotNumber, 2);
        EXPECT_EQ(honey.slot.ValueText, "SALE 6");
        // An empty cell keeps the slot's picture.
        EXPECT_EQ(honey.slot.FileName, folder.filePath(QStringLiteral("own.jpg")));
        EXPECT_EQ(honey.key, rows.tag(1).key); // copies are one tag drawn again
    }
    EXPECT_NE(rows.tag(0).key, rows.tag(1).key);

    const PriceList::Tag figs = rows.tag(4); // Tea's 0 copies make no tag
    EXPECT_EQ(figs.slot.ValueText, "SALE 3");
    EXPECT_EQ(figs.slot.FileName, QDir(folder.path()).filePath(QStringLiteral("figs.jpg")));
}

TEST_F(PriceListRows, RunningNumbersCountCopies) {
    const PriceList rows = list("name,price,copies\nJam,1,2\nTea,2,\n");
    EXPECT_EQ(rows.tag(1).slot.TextBlockText, "No. 2\r\nJam ${unclosed");
    EXPECT_EQ(rows.tag(2).slot.TextBlockText, "No. 3\r\nTea ${unclosed");
    EXPECT_NE(rows.tag(0).key, rows.tag(1).key); // numbered copies differ
}

TEST_F(PriceListRows, ProblemsAreListedWithTheirLinesBeforeAnythingIsDrawn) {
    const PriceList rows = list("name,slot,copies,picture\n"
                                "Jam,0,,\n"
                                "Tea,1,-1,\n"
                                "Figs,1,,gone.jpg\n"
                                "Plum,3,,\n"
                                "Pear,3,,\n");
    EXPECT_EQ(rows.problemMessage(),
              "The table prices.csv cannot be used, so nothing was printed:\n"
              "  slot 1 uses the field ${price}, but the table's header names only name, slot, "
              "copies, picture.\n"
              "  line 2: the slot \"0\" is not a slot from 1 to 9.\n"
              "  line 3: the copies \"-1\" are not a number from 0 to 10000.\n"
              "  line 4: the picture " +
                  QDir::toNativeSeparators(QDir(folder.path()).filePath("gone.jpg")) +
                  " does not exist.\n"
                  "  line 5: slot 3's own picture " +
                  QDir::toNativeSeparators(QDir(folder.path()).filePath("lost.jpg")) +
                  " does not exist.");

    const PriceList allowed = list("name,price,slot,picture\nFigs,1,2,gone.jpg\nPlum,1,3,\n", true);
    EXPECT_TRUE(allowed.problems().isEmpty());
    EXPECT_EQ(allowed.tag(0).slot.FileName, folder.filePath(QStringLiteral("own.jpg")));

    QByteArray many = "name,price,copies\n";
    for (int row = 0; row < 12; ++row) {
        many += "x,1,many\n";
    }
    EXPECT_EQ(list(many).problems().size(), PriceList::kProblemsShown);
    EXPECT_TRUE(list(many).problemMessage().endsWith("\n  ... and 2 more."));
}

} // namespace
} // namespace veltmoor
