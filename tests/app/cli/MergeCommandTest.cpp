// `veltmoor-tags merge` as a shop runs it: a design whose texts hold fields, a price list, and
// the sheets it gives, read back through poppler and compared with `render --tag` of a design
// typed out row by row.
#include "app/cli/CliRun.h"
#include "app/cli/CommandLine.h"

#include "support/CodeScanner.h"
#include "support/ExternalTool.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace veltmoor {
namespace {

using test::runTool;

using test::CliRun;

CliRun run(const QStringList& arguments) {
    return test::runCli(arguments);
}

constexpr int kRows = 25;

class MergeCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile sample(QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/price-tags.vmg"));
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        sampleText = QString::fromLatin1(sample.readAll());
        // 2.50 x 3.50 in: nine tags on Letter or A4.
        sampleText.replace(QStringLiteral("2.00 Height"), QStringLiteral("3.50 Height"));
        sampleText.replace(QStringLiteral("1.50 Width"), QStringLiteral("2.50 Width"));
        sampleText.replace(QStringLiteral("\"pictures/"),
                           QStringLiteral("\"" VELTMOOR_TEST_DATA "/../../samples/pictures/"));
        design = write(QStringLiteral("tags.vmg"), designWith("${price}", "${name}"));
        QByteArray csv = "name,price\n";
        for (int row = 1; row <= kRows; ++row) {
            csv += name(row).toLatin1() + ',' + price(row).toLatin1() + '\n';
        }
        table = write(QStringLiteral("prices.csv"), csv);
    }

    static QString name(int row) { return QStringLiteral("ITEM %1").arg(row); }
    static QString price(int row) { return QStringLiteral("$%1.%2").arg(row / 10).arg(row % 10); }

    QByteArray designWith(const QString& corner, const QString& edge) const {
        QString text = sampleText;
        text.replace(QStringLiteral("\"$4.50\""), '"' + corner + '"');
        text.replace(QStringLiteral("\"HOMEMADE\""), '"' + edge + '"');
        return text.toLatin1();
    }

    QString write(const QString& fileName, const QByteArray& bytes) const {
        QFile file(folder.filePath(fileName));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // The row's tag as `render --tag` draws it from a design with the row typed in.
    QImage renderedRow(int row) const {
        const QString rowDesign =
            write(QStringLiteral("row%1.vmg").arg(row), designWith(price(row), name(row)));
        const QString png = folder.filePath(QStringLiteral("row%1.png").arg(row));
        EXPECT_EQ(run({"render", rowDesign, "--tag", "1", "--mode", "print", "-o", png}).status, 0);
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir folder;
    QString sampleText;
    QString design;
    QString table;
};

int layoutValue(const std::string& layout, const char* key) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("%1=(\\d+)").arg(QLatin1String(key)))
            .match(QString::fromStdString(layout));
    return match.captured(1).toInt();
}

// The pixels of the tags' corner texts (the upper right, reduced four times so that poppler's
// resampling of the strips does not count) whose grey differs by more than a sixth.
int differingCornerPixels(const QImage& first, const QImage& second) {
    const auto corner = [](const QImage& tag) {
        return tag.copy(tag.width() / 2, 0, tag.width() / 2, 100)
            .scaled(tag.width() / 8, 25, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage one = corner(first);
    const QImage other = corner(second);
    int differing = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            differing += std::abs(qGray(one.pixel(x, y)) - qGray(other.pixel(x, y))) > 40;
        }
    }
    return differing;
}

QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 200) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST_F(MergeCommand, TwentyFiveRowsFillThreeSheetsOfNineEachTagItsRow) {
    const CliRun checked = run({"merge", design, "--data", table, "--check"});
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.out, "Rows: 25\nTags: 25\nSheets: 3 (9 tags a sheet)\n");

    const QString pdf = folder.filePath(QStringLiteral("tags.pdf"));
    const CliRun merged = run({"merge", design, "--data", table, "-o", pdf});
    ASSERT_EQ(merged.status, 0) << merged.err;
    const QString pngs = folder.filePath(QStringLiteral("sheet.png"));
    ASSERT_EQ(run({"merge", design, "--data", table, "-o", pngs}).status, 0);
    EXPECT_EQ(runTool("pdfinfo", {pdf}).value_or("").count(QRegularExpression("Pages: +3\n")), 1);

    const std::string layout = run({"layout", design}).out;
    const int across = layoutValue(layout, "TagsAcross");
    ASSERT_EQ(across * layoutValue(layout, "TagsDown"), 9);
    const int marginX = layoutValue(layout, "SheetMarginX");
    const int marginY = layoutValue(layout, "SheetMarginY");
    std::vector<QImage> tags{QImage()};
    for (int row = 1; row <= kRows; ++row) {
        tags.push_back(renderedRow(row));
    }
    const QSize tag = tags[1].size();
    ASSERT_EQ(tag, QSize(500, 700));

    for (int sheet = 1; sheet <= 3; ++sheet) {
        SCOPED_TRACE(sheet);
        // The picture series is the sheet itself: exactly the rows' tags at their places.
        const QImage written = QImage(folder.filePath(QStringLiteral("sheet-00%1.png").arg(sheet)))
                                   .convertToFormat(QImage::Format_RGB32);
        QImage expected(written.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        for (int place = 0; place < 9 && (sheet - 1) * 9 + place < kRows; ++place) {
            painter.drawImage(marginX + place % across * tag.width(),
                              marginY + place / across * tag.height(),
                              tags[static_cast<std::size_t>((sheet - 1) * 9 + place + 1)]);
        }
        painter.end();
        EXPECT_EQ(written, expected);

        // The PDF's page, rasterised by poppler, shows the same sheet where its ink lies.
        const QString prefix = folder.filePath(QStringLiteral("page%1").arg(sheet));
        runTool("pdftoppm", {"-r", "200", "-f", QString::number(sheet), "-l",
                             QString::number(sheet), "-singlefile", pdf, prefix});
        const QImage page(prefix + QStringLiteral(".ppm"));
        ASSERT_FALSE(page.isNull());
        const QRect pageInk = inkBox(page);
        const QRect sheetInk = inkBox(expected);
        ASSERT_LE(std::abs(pageInk.width() - sheetInk.width()), 2);
        ASSERT_LE(std::abs(pageInk.height() - sheetInk.height()), 2);
        const QPoint shift = pageInk.topLeft() - sheetInk.topLeft();
        for (int place = 0; place < 9; ++place) {
            const int row = (sheet - 1) * 9 + place + 1;
            const QRect where(QPoint(marginX + place % across * tag.width(),
                                     marginY + place / across * tag.height()) +
                                  shift,
                              tag);
            const QImage printed = page.copy(where);
            if (row > kRows) {
                EXPECT_EQ(inkBox(printed), QRect()) << "place " << place << " stays white";
                continue;
            }
            const int own = differingCornerPixels(printed, tags[static_cast<std::size_t>(row)]);
            const int other = differingCornerPixels(
                printed, tags[static_cast<std::size_t>(row == 1 ? 2 : row - 1)]);
            EXPECT_LT(own * 2, other) << "row " << row;
        }
    }
}

// A shop's thousand products, each tag with its own EAN-13 code, half of them given without
// their check digit: every code reads back from the sheets at 200 dpi and from the PDF
// rasterised at 300 dpi, on its own row's sheet, and nothing reads as another number. The
// codes differ, so the codes of a sheet are the codes of its tags.
using MergeCommandLongRun = MergeCommand;
TEST_F(MergeCommandLongRun, AThousandRowsOfEan13CodesEachScanAsTheirOwnRowsNumber) {
    QString text = QString::fromLatin1(designWith("${price}", "${name}"));
    text.replace(QStringLiteral("3.50 Height"), QStringLiteral("1.50 Height"));
    text.replace(QStringLiteral("2.50 Width"), QStringLiteral("2.00 Width"));
    text.replace(QStringLiteral("14 TagType"), QStringLiteral("0 TagType"));
    const QString coded = write(QStringLiteral("coded.vmg"), text.toLatin1());
    constexpr int kProducts = 1000;
    QByteArray csv = "name,price,sku\n";
    std::vector<test::ScannedCode> codes;
    for (int row = 1; row <= kProducts; ++row) {
        // Led by a 2, so that no number is a UPC-A code in an EAN-13's clothes.
        const QString digits = QString::number(200000000000LL + row * 7919LL);
        int sum = 0;
        for (int index = 0; index < 12; ++index) {
            sum += digits.at(index).digitValue() * (index % 2 == 0 ? 1 : 3);
        }
        const QString number = digits + QString::number((10 - sum % 10) % 10);
        csv += (name(row) + ',' + price(row) + ',' + (row % 2 == 0 ? number : digits)).toLatin1() +
               '\n';
        codes.push_back({QStringLiteral("EAN-13"), number});
    }
    const QString products = write(QStringLiteral("products.csv"), csv);
    const QStringList merge{"merge", coded, "--data", products, "--barcode", "ean13:${sku}", "-o"};
    const CliRun pictures = run(merge + QStringList{folder.filePath(QStringLiteral("sheet.png"))});
    ASSERT_EQ(pictures.status, 0) << pictures.err;
    const QString pdf = folder.filePath(QStringLiteral("codes.pdf"));
    ASSERT_EQ(run(merge + QStringList{pdf}).status, 0);
    runTool("pdftoppm", {"-r", "300", "-gray", pdf, folder.filePath(QStringLiteral("page"))});

    const std::string layout = run({"layout", coded}).out;
    const int perSheet = layoutValue(layout, "TagsAcross") * layoutValue(layout, "TagsDown");
    const QDir written(folder.path());
    const QStringList sheets = written.entryList({QStringLiteral("sheet-*.png")}, QDir::Files);
    const QStringList pages = written.entryList({QStringLiteral("page-*.pgm")}, QDir::Files);
    ASSERT_EQ(sheets.size(), (kProducts + perSheet - 1) / perSheet);
    ASSERT_EQ(pages.size(), sheets.size());
    for (int sheet = 0; sheet < sheets.size(); ++sheet) {
        const auto first = codes.begin() + sheet * perSheet;
        const auto expected = test::sortedCodes(
            {first, first + std::min<int>(perSheet, kProducts - sheet * perSheet)});
        EXPECT_EQ(test::scanCodes(QImage(written.filePath(sheets.at(sheet)))), expected)
            << sheets.at(sheet).toStdString();
        EXPECT_EQ(test::scanCodes(QImage(written.filePath(pages.at(sheet)))), expected)
            << pages.at(sheet).toStdString();
    }
}

TEST_F(MergeCommand, ABadTablePrintsNothing) {
    const QString bad = write(QStringLiteral("bad.csv"), "name,cost\nJam,1\nTea,2,3\n");
    const QString badColumn = write(QStringLiteral("column.csv"), "name,cost\nJam,1\n");
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    const CliRun longRow = run({"merge", design, "--data", bad, "-o", pdf});
    EXPECT_EQ(longRow.status, kExitBadInput);
    EXPECT_NE(longRow.err.find("Line 3 of"), std::string::npos) << longRow.err;
    const CliRun missing = run({"merge", design, "--data", badColumn, "-o", pdf});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_NE(missing.err.find("slot 1 uses the field ${price}, but the table's header names only "
                               "name, cost."),
              std::string::npos)
        << missing.err;
    const CliRun checked = run({"merge", design, "--data", badColumn, "--check"});
    EXPECT_EQ(checked.status, kExitBadInput);
    EXPECT_EQ(checked.out, "Rows: 1\nTags: 1\nSheets: 1 (9 tags a sheet)\n");
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(run({"merge", design, "-o", pdf}).status, kExitBadUsage);
    // Without --data, the table the design remembers is the one read.
    const QString remembering =
        write(QStringLiteral("remembering.vmg"),
              designWith("${price}", "${name}") + "\"column.csv\" PriceList\r\n");
    const CliRun remembered = run({"merge", remembering, "--check"});
    EXPECT_EQ(remembered.status, kExitBadInput);
    EXPECT_EQ(remembered.out, checked.out);

    // A code is checked on every row before anything is drawn, and a tag too narrow for its
    // code stops the job: no tag is ever printed without the code it was meant to carry.
    const QString codes = write(QStringLiteral("codes.csv"),
                                "name,price,sku\nJam,1,400638133393\nTea,2,4006381333930\n");
    const CliRun wrongDigit =
        run({"merge", design, "--data", codes, "--barcode", "ean13:${sku}", "-o", pdf});
    EXPECT_EQ(wrongDigit.status, kExitBadInput);
    EXPECT_NE(wrongDigit.err.find("line 3: "), std::string::npos) << wrongDigit.err;
    const QString narrow = QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/price-list.vmg");
    const QString rightDigits =
        write(QStringLiteral("right.csv"), "name,price,sku\nJam,1,400638133393\n");
    for (const char* const output : {"-o", "--check"}) {
        QStringList arguments{"merge",     narrow,         "--data", rightDigits,
                              "--barcode", "ean13:${sku}", output};
        if (QString::fromLatin1(output) == QLatin1String("-o")) {
            arguments << pdf;
        }
        const CliRun tooWide = run(arguments);
        EXPECT_EQ(tooWide.status, kExitBadInput) << output;
        EXPECT_NE(tooWide.err.find("line 2: the EAN-13 code does not fit inside the tag at 3 "
                                   "dots a module"),
                  std::string::npos)
            << tooWide.err;
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

// A series that cannot be finished takes back the sheets it wrote: here the third sheet's
// name is taken by a folder. A whole series says how many sheets it wrote.
TEST_F(MergeCommand, APictureSeriesIsWrittenWholeOrNotAtAll) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sheet-003.png")));
    const QString pngs = folder.filePath(QStringLiteral("sheet.png"));
    const CliRun failed = run({"merge", design, "--data", table, "-o", pngs});
    EXPECT_EQ(failed.status, kExitBadInput) << failed.err;
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("sheet-001.png"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("sheet-002.png"))));

    const CliRun one = run({"merge", design, "--data", table, "-o", pngs, "--sheets", "2-2"});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out.rfind("Wrote 1 sheet as ", 0), 0u) << one.out;
}

} // namespace
} // namespace veltmoor
