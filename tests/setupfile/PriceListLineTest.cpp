#include "platform/Errors.h"
#include "setupfile/SetupFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// A design saved into "shop" names its table relative to itself when the table lies beside
// or below it and absolute otherwise, in a text field after the 36 lines, and opens with it
// again. A name with a quote and a comma is written as a marked field.
TEST(PriceListLine, WrittenRelativeBesideOrBelowTheDesignAndReadBack) {
    QTemporaryDir root;
    const QString shop = root.filePath(QStringLiteral("shop"));
    const QString outside = root.filePath(QStringLiteral("elsewhere/prices.csv"));
    const struct {
        QString table;
        QString line;
    } cases[] = {
        {shop + "/prices.csv", "\"prices.csv\" PriceList"},
        {shop + "/lists/week 1.csv", "\"lists/week 1.csv\" PriceList"},
        {outside, "\"" + outside + "\" PriceList"},
        {shop + "/a\",b.csv", "*\"a%22,b.csv\" PriceList"},
    };
    const QString designPath = shop + "/d.vmg";
    for (const auto& test : cases) {
        SCOPED_TRACE(test.table.toStdString());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(test.table).absolutePath()));
        QFile table(test.table);
        ASSERT_TRUE(table.open(QIODevice::WriteOnly));
        table.close();
        TagDesign design = TagDesign::atFirstActivation();
        design.setPriceList({QString(), test.table});
        saveSetupFile(designPath, design);

        EXPECT_EQ(setupFileLines(design, shop).mid(0, kSettingLineCount),
                  setupFileLines(TagDesign::atFirstActivation()));
        EXPECT_EQ(setupFileLines(design, shop).last(), test.line);
        TagDesign opened = TagDesign::atFirstActivation();
        openSetupFile(designPath, opened);
        EXPECT_EQ(opened.priceListPath(), test.table);
    }
    // A design without the line uses no table, whatever the design opened before it used.
    TagDesign opened = TagDesign::atFirstActivation();
    opened.setPriceList({QString(), outside});
    saveSetupFile(designPath, TagDesign::atFirstActivation());
    openSetupFile(designPath, opened);
    EXPECT_TRUE(opened.priceListPath().isEmpty());

    QStringList broken = setupFileLines(TagDesign::atFirstActivation());
    broken << "prices.csv PriceList";
    try {
        parseSetupFileLines(broken, "d.vmg");
        FAIL() << "a path without quotes was read";
    } catch (const UserError& error) {
        EXPECT_EQ(error.message(),
                  "d.vmg, line 37: the price list is not a path in double quotes.");
    }
}

} // namespace
} // namespace veltmoor
