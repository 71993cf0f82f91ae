#include "app/cli/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace veltmoor {
namespace {

// The gift tags: "Standard" tags of 2.00 x 3.25 inches (400 x 650 dots) with a hole.
const QString kDesign = QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg");
// 8 x 10.5 inches of paper, all of it printable: 1600 x 2100 dots, 203.2 x 266.7 mm.
const QString kPaper = QStringLiteral("4800x6300@600");

class CutFileCommand : public ::testing::Test {
protected:
    int run(QStringList arguments) {
        arguments.prepend(QStringLiteral("veltmoor-tags"));
        out_.str({});
        err_.str({});
        return runCommandLine(arguments, out_, err_);
    }
    QString output(const char* name) const { return folder_.filePath(QLatin1String(name)); }
    QByteArray contents(const char* name) const {
        QFile file(output(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(CutFileCommand, SvgHasATagPathForEveryTagOfTheSheet) {
    ASSERT_EQ(run({"cutfile", kDesign, "-o", output("sheet.svg"), "--printable", kPaper}), kExitOk)
        << err_.str();
    const QByteArray svg = contents("sheet.svg");
    EXPECT_TRUE(svg.contains("width=\"203.2mm\" height=\"266.7mm\""));
    // 4 across and 3 down, each with its hole; no marks asked for.
    EXPECT_EQ(svg.count("<path"), 24);
    EXPECT_FALSE(svg.contains("regmarks"));

    // With three marks the tags keep 17 mm from each edge: 169.2 x 232.7 mm hold 3 x 2.
    ASSERT_EQ(run({"cutfile", kDesign, "-o", output("marked.svg"), "--printable", kPaper, "--marks",
                   "3"}),
              kExitOk);
    const QByteArray marked = contents("marked.svg");
    EXPECT_EQ(marked.count("<path"), 12);
    EXPECT_EQ(marked.count("<rect"), 5);
}

TEST_F(CutFileCommand, LayoutCountsFollowTheMarks) {
    ASSERT_EQ(run({"layout", kDesign, "--printable", kPaper, "--marks", "3"}), kExitOk);
    EXPECT_EQ(out_.str().substr(0, out_.str().find('\n')),
              "Tag Width = 2.00 Height = 3.25 Tags Down = 2 Across = 3 (the marks for the "
              "cutting machine take the room of 1 column and 1 row)");
}

TEST_F(CutFileCommand, MistakesAndBadFiles) {
    EXPECT_EQ(run({"cutfile", kDesign, "-o", output("a.svg"), "--marks", "5"}), kExitBadUsage);
    EXPECT_EQ(run({"print", kDesign, "--marks", "5"}), kExitBadUsage);
    EXPECT_NE(err_.str().find("--marks takes none, 3 or 4."), std::string::npos) << err_.str();
    EXPECT_EQ(run({"cutfile", kDesign}), kExitBadUsage);
    EXPECT_EQ(run({"cutfile", kDesign, "-o", output("a.svg"), "--tag", "1"}), kExitBadUsage);
    EXPECT_EQ(run({"info", kDesign, "--marks", "3"}), kExitBadUsage);
    EXPECT_EQ(run({"render", kDesign, "-o", output("a.png"), "--transparent", "--email"}),
              kExitBadUsage);
    EXPECT_EQ(run({"cutfile", kDesign, "-o", output("a.pdf")}), kExitBadInput);
    EXPECT_NE(err_.str().find("a.pdf"), std::string::npos) << err_.str();
}

TEST_F(CutFileCommand, RenderTransparentAndWithMarks) {
    ASSERT_EQ(run({"render", kDesign, "--tag", "1", "--transparent", "-o", output("tag.png")}),
              kExitOk)
        << err_.str();
    const QImage tag(output("tag.png"));
    ASSERT_EQ(tag.size(), QSize(400, 650));
    EXPECT_EQ(tag.dotsPerMeterX(), 7874);
    EXPECT_EQ(qAlpha(tag.pixel(0, 0)), 0); // cut away with the top corner
    EXPECT_EQ(qAlpha(tag.pixel(200, 325)), 255);

    // The four-mark top-left bracket's corner lies 10 mm (78.7 dots) in from both edges.
    ASSERT_EQ(
        run({"render", kDesign, "--marks", "4", "--printable", kPaper, "-o", output("sheet.png")}),
        kExitOk);
    const QImage sheet(output("sheet.png"));
    EXPECT_EQ(QColor(sheet.pixel(80, 80)), QColor(Qt::black));
    EXPECT_EQ(QColor(sheet.pixel(76, 76)), QColor(Qt::white));
}

} // namespace
} // namespace veltmoor
