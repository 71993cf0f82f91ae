#include "pricelist/PriceTable.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltmoor {
namespace {

struct TableCase {
    const char* what;
    QByteArray bytes;
    QStringList columns;
    std::vector<std::pair<int, QStringList>> rows; // line, cells
};

TEST(PriceTable, ReadsWhatSpreadsheetsWrite) {
    const std::vector<TableCase> cases{
        {"commas",
         "name,price\nJam,4.50\nHoney,6\n",
         {"name", "price"},
         {{2, {"Jam", "4.50"}}, {3, {"Honey", "6"}}}},
        {"semicolons with decimal commas, CR LF",
         "name;price\r\nJam;4,50\r\n",
         {"name", "price"},
         {{2, {"Jam", "4,50"}}}},
        {"tabs, header padded",
         "name\t price \nJam\t4.50",
         {"name", "price"},
         {{2, {"Jam", "4.50"}}}},
        {"quoted delimiter and doubled quotes",
         "name,price\n\"Jam, \"\"best\"\"\",4.50\n",
         {"name", "price"},
         {{2, {"Jam, \"best\"", "4.50"}}}},
        {"line break inside quotes becomes CR LF; lines counted on",
         "name,note\n\"Jam\",\"two\nlines\"\nHoney,x\n",
         {"name", "note"},
         {{2, {"Jam", "two\r\nlines"}}, {4, {"Honey", "x"}}}},
        {"blank lines skipped, short row filled",
         "\nname,price,unit\n\nJam\n\n",
         {"name", "price", "unit"},
         {{4, {"Jam", "", ""}}}},
        {"UTF-8 byte-order mark",
         "\xEF\xBB\xBFname\n\xC3\xA9t\xC3\xA9\n",
         {"name"},
         {{2, {QString::fromUtf8("\xC3\xA9t\xC3\xA9")}}}},
        {"Windows-1252 when not UTF-8",
         "name\nCr\xE8me \x80 3\n",
         {"name"},
         {{2, {QString::fromUtf8("Cr\xC3\xA8me \xE2\x82\xAC 3")}}}},
        {"a semicolon inside quotes does not pick the delimiter",
         "\"a;b;c\",d\n1,2\n",
         {"a;b;c", "d"},
         {{2, {"1", "2"}}}},
    };
    for (const TableCase& test : cases) {
        SCOPED_TRACE(test.what);
        const PriceTable table = parsePriceTable(test.bytes, QStringLiteral("t.csv"));
        EXPECT_EQ(table.columns, test.columns);
        ASSERT_EQ(table.rows.size(), test.rows.size());
        for (std::size_t index = 0; index < test.rows.size(); ++index) {
            EXPECT_EQ(table.rows[index].line, test.rows[index].first);
            EXPECT_EQ(table.rows[index].cells, test.rows[index].second);
        }
    }
}

TEST(PriceTable, RefusesWhatItCannotRead) {
    const std::vector<std::pair<QByteArray, QString>> cases{
        {"name,price\nJam,4.50\n\nHoney,6,extra\n",
         "Line 4 of t.csv has 3 cells, but the header names 2 columns."},
        {"name\n\"Jam\n", "The quote opened on line 2 of t.csv is never closed."},
        {"\n\n", "The table t.csv has no header line naming its columns."},
    };
    for (const auto& [bytes, message] : cases) {
        try {
            parsePriceTable(bytes, QStringLiteral("t.csv"));
            ADD_FAILURE() << bytes.toStdString();
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), message);
        }
    }
}

} // namespace
} // namespace veltmoor
