#include "app/cli/CommandLine.h"
#include "app/cli/CliRun.h"

#include "images/ColorizeBitmap.h"
#include "platform/PictureFile.h"
#include "platform/PictureTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace veltmoor {
namespace {

QString samplePath(const char* name) {
    return QDir(QStringLiteral(VELTMOOR_TEST_DATA "/../../samples")).filePath(QLatin1String(name));
}

using test::CliRun;

CliRun run(const QStringList& arguments) {
    return test::runCli(arguments);
}

const QString kLetter = QStringLiteral("4800x6300@600");

TEST(CommandLineUsage, HelpAndVersion) {
    EXPECT_EQ(run({"--help"}).status, kExitOk);
    EXPECT_NE(run({"--help"}).out.find("render DESIGN.vmg"), std::string::npos);
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    EXPECT_EQ(version.out, "veltmoor-tags " VELTMOOR_PROJECT_VERSION "\n");
}

TEST(CommandLineUsage, MistakesGiveStatusTwoAndTheUsage) {
    const QString design = samplePath("gift-tags.vmg");
    for (const QStringList& arguments :
         {QStringList{"frobnicate"}, QStringList{"render", design},
          QStringList{"render", design, "-o", "x.bmp", "--tag", "10"},
          QStringList{"render", design, "-o", "x.bmp", "--mode", "fast"},
          QStringList{"layout", design, "--printable", "4800x6300"},
          QStringList{"layout", design, "--printable", "4800x6300@0"}, QStringList{"layout"},
          QStringList{"info", design, "-o", "x.bmp"}, QStringList{"render", design, "-o"},
          QStringList{"save", design}, QStringList{"layout", design, "--allow-missing"}}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, kExitBadUsage) << arguments.join(' ').toStdString();
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
}

TEST(CommandLineUsage, VerbsAreCommandLineRequestsAndDesignsAreNot) {
    EXPECT_TRUE(isCommandLineRequest({"veltmoor-tags", "render"}));
    EXPECT_TRUE(isCommandLineRequest({"veltmoor-tags", "--version"}));
    EXPECT_FALSE(isCommandLineRequest({"veltmoor-tags"}));
    EXPECT_FALSE(isCommandLineRequest({"veltmoor-tags", samplePath("gift-tags.vmg")}));
    // A word that is neither a verb nor a file is explained by the command line, without a
    // window.
    EXPECT_TRUE(isCommandLineRequest({"veltmoor-tags", "my design.vmg"}));
    EXPECT_TRUE(isCommandLineRequest({"veltmoor-tags", samplePath("pictures")}));
    const CliRun missing = run({"my design.vmg"});
    EXPECT_EQ(missing.status, kExitBadUsage);
    EXPECT_EQ(missing.err.rfind("veltmoor-tags: \"my design.vmg\" is neither a verb nor an "
                                "existing design file.\n\nUsage:",
                                0),
              0u)
        << missing.err;
}

TEST(CommandLineLayout, SizeLabelThenTheGrid) {
    const CliRun result = run({"layout", samplePath("gift-tags.vmg"), "--printable", kLetter});
    ASSERT_EQ(result.status, kExitOk) << result.err;
    // 2.00 x 3.25 inch tags on 1600 x 2100 tag dots: 4 across, 3 down, 75 left over.
    EXPECT_EQ(result.out, "Tag Width = 2.00 Height = 3.25 Tags Down = 3 Across = 4\n"
                          "TagsAcross=4\nTagsDown=3\nSheetMarginX=0\nSheetMarginY=75\n"
                          "SheetWidth=1600\nSheetHeight=2100\n");
}

TEST(CommandLineInfo, TheDesignAsJson) {
    const CliRun result = run({"info", samplePath("price-tags.vmg")});
    ASSERT_EQ(result.status, kExitOk) << result.err;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out;
    const QJsonArray slotList = document.object().value("slots").toArray();
    ASSERT_EQ(slotList.size(), 9);
    const QJsonObject first = slotList.at(0).toObject();
    EXPECT_EQ(first.value("slot").toInt(), 1);
    EXPECT_TRUE(first.value("FileName").toString().endsWith("pictures/jam.jpg"));
    EXPECT_EQ(first.value("ValueText").toString(), "$4.50");
    EXPECT_EQ(first.value("PictureWidth").toInt(), 800);
    EXPECT_EQ(first.value("ImageSize").toInt(), 70);
    EXPECT_EQ(first.size(), 20) << "the slot number, the 18 stored fields and the code";
    const QJsonObject settings = document.object().value("settings").toObject();
    EXPECT_EQ(settings.size(), 36);
    EXPECT_EQ(settings.value("TagType").toInt(), 14);
    EXPECT_EQ(settings.value("ValueFontName").toString(), "Times New Roman");
    EXPECT_EQ(settings.value("ValueFontStyle").toString(), "Bold ");
    EXPECT_EQ(settings.value("Width").toString(), "1.50");
    EXPECT_EQ(settings.value("TextBlockFontColor").toInt(), -16777208);
}

// Runs the real program with `arguments` under `limited` (a testing::exitStatus... helper).
template <typename Limited> int programStatus(const QStringList& arguments, Limited limited) {
    std::vector<std::string> words{VELTMOOR_PROGRAM};
    for (const QString& argument : arguments) {
        words.push_back(argument.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    return limited([&] { execv(VELTMOOR_PROGRAM, argv.data()); });
}

class CommandLineRender : public ::testing::Test {
protected:
    QString output(const char* name) { return folder_.filePath(QLatin1String(name)); }

    // A design whose slots 1, 2, ... name bitmaps of size x size black pixels (1,080 bytes
    // each, in run-length form), with the settings of another design.
    void writeDesignWithClaimingBitmaps(const char* designName,
                                        std::initializer_list<const char*> pictures,
                                        std::uint32_t size) {
        QFile source(QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/two-tags.vmg"));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray settings = source.readAll().split('\n').mid(2).join('\n');
        QByteArray design;
        int slot = 0;
        for (const char* name : pictures) {
            QFile picture(output(name));
            ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
            picture.write(testing::claimingRunLengthBitmap(size, size));
            design += "Tag" + QByteArray::number(++slot) + ",\"" + name +
                      "\",640,480,750,\"\",\"$3\",\"\",\"\",0,0,255,65535,0,100,50,50,3,0\r\n";
        }
        QFile designFile(output(designName));
        ASSERT_TRUE(designFile.open(QIODevice::WriteOnly));
        designFile.write(design + settings);
    }

    QTemporaryDir folder_;
};

// The sheet takes every picture the tag view takes: one larger than the pictures the cache
// keeps is decoded alone, not refused.
TEST_F(CommandLineRender, APictureLargerThanTheCachesBudgetComposesOnTheSheet) {
    writeDesignWithClaimingBitmaps("large.vmg", {"large.bmp"}, 7100);
    const CliRun sheet =
        run({"render", output("large.vmg"), "-o", output("sheet.bmp"), "--printable", kLetter});
    ASSERT_EQ(sheet.status, kExitOk) << sheet.err;
    const Bitmap composed = readPicture(output("sheet.bmp")).bitmap;
    const auto black =
        std::count(composed.data(), composed.data() + composed.width() * composed.height(),
                   pixelFromColor(clBlack));
    EXPECT_GT(black, composed.width() * composed.height() / 10) << "the black picture is there";
}

// With every new thread refused, tinting and a tag's stencil are done on the calling thread:
// the commands finish as they would with threads, instead of aborting.
TEST_F(CommandLineRender, CommandsFinishWhenTheSystemRefusesEveryThread) {
    if (testing::kAddressSanitizer) {
        GTEST_SKIP() << "threads are refused through a stack limit that the sanitizer's own "
                        "reservations cannot live with";
    }
    const Bitmap photo(1200, 900, rgbColor(30, 160, 90)); // several slices of work
    writeBmp24(output("photo.bmp"), photo);
    for (const QStringList& arguments :
         {QStringList{"tint", output("photo.bmp"), "--type", "0", "-o", output("tinted.bmp")},
          QStringList{"render", samplePath("gift-tags.vmg"), "--tag", "1", "-o",
                      output("tag.png")}}) {
        EXPECT_EQ(programStatus(
                      arguments,
                      [](const auto& body) { return testing::exitStatusWithThreadsRefused(body); }),
                  kExitOk)
            << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(readPicture(output("tinted.bmp")).bitmap, ColorizeBitmap(photo, 0).toBitmap());
    EXPECT_EQ(readPicture(output("tag.png")).width, 400);
}

TEST_F(CommandLineRender, SheetTagAndEmailSizes) {
    const QString design = samplePath("gift-tags.vmg");
    ASSERT_EQ(run({"render", design, "-o", output("sheet.bmp"), "--printable", kLetter}).status,
              kExitOk);
    DecodedPicture sheet = readPicture(output("sheet.bmp"));
    EXPECT_EQ(sheet.width, 1600);
    EXPECT_EQ(sheet.height, 2100);
    // The first tag starts at the top margin; above it the sheet is white.
    EXPECT_EQ(sheet.bitmap.pixelColor(800, 40), clWhite);

    ASSERT_EQ(run({"render", design, "-o", output("tag.png"), "--tag", "2"}).status, kExitOk);
    EXPECT_EQ(readPicture(output("tag.png")).width, 400);
    EXPECT_EQ(readPicture(output("tag.png")).height, 650);

    ASSERT_EQ(
        run({"render", design, "-o", output("mail.jpg"), "--email", "--printable", kLetter}).status,
        kExitOk);
    EXPECT_EQ(readPicture(output("mail.jpg")).width, 600);
    EXPECT_EQ(readPicture(output("mail.jpg")).height, 787);

    ASSERT_EQ(run({"render", design, "-o", output("tagmail.jpg"), "--tag", "1", "--email"}).status,
              kExitOk);
    EXPECT_EQ(readPicture(output("tagmail.jpg")).width, 200);
    EXPECT_EQ(readPicture(output("tagmail.jpg")).height, 325);
}

TEST_F(CommandLineRender, ModePicksTheCutLineWidth) {
    // Slot 1 of the price tags: the ticket's left side runs down column 0 in the cut-line
    // colour; count how far in it reaches at mid-height.
    const QString design = samplePath("price-tags.vmg");
    const auto cutLineColumns = [&](const char* mode) {
        const QString path = output("mode.bmp");
        EXPECT_EQ(run({"render", design, "-o", path, "--tag", "1", "--mode", mode}).status,
                  kExitOk);
        const Bitmap tag = readPicture(path).bitmap;
        const TColor line = tag.pixelColor(0, tag.height() / 2);
        int columns = 0;
        while (columns < 20 && tag.pixelColor(columns, tag.height() / 2) == line) {
            ++columns;
        }
        return columns;
    };
    EXPECT_EQ(cutLineColumns("print"), 1);
    EXPECT_EQ(cutLineColumns("single"), 2);
    EXPECT_GE(cutLineColumns("preview"), 5);
}

TEST_F(CommandLineRender, BadInputGivesStatusOneNamingTheFile) {
    const QString broken = output("broken.vmg");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1 CutLine\r\n0 TagType\r\n");
    file.close();
    const CliRun result = run({"layout", broken});
    EXPECT_EQ(result.status, kExitBadInput);
    EXPECT_NE(result.err.find("broken.vmg"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("Usage:"), std::string::npos);

    const CliRun missing = run({"info", output("nowhere.vmg")});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_NE(missing.err.find("nowhere.vmg"), std::string::npos);

    const CliRun wrongFormat =
        run({"render", samplePath("gift-tags.vmg"), "-o", output("sheet.gif")});
    EXPECT_EQ(wrongFormat.status, kExitBadInput);
    EXPECT_NE(wrongFormat.err.find("sheet.gif"), std::string::npos);
}

TEST_F(CommandLineRender, MissingPictureIsReportedAndTheRestRenders) {
    QFile source(samplePath("gift-tags.vmg"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    text.replace("pictures/ornament.jpg", "pictures/lost.jpg");
    // The copy lives elsewhere, so point its remaining picture at the samples folder.
    text.replace("\"pictures/pine.jpg\"", "\"" + samplePath("pictures/pine.jpg").toUtf8() + "\"");
    const QString copy = output("copy.vmg");
    QFile target(copy);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(text);
    target.close();

    const CliRun result =
        run({"render", copy, "-o", output("sheet.png"), "--printable", kLetter, "--allow-missing"});
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_NE(result.err.find("lost.jpg"), std::string::npos) << result.err;
    EXPECT_TRUE(QFile::exists(output("sheet.png")));

    const CliRun tag = run({"render", copy, "-o", output("tag2.png"), "--tag", "2"});
    EXPECT_EQ(tag.status, kExitBadInput) << "slot 2 has no picture to render";
}

// A design of this folder with a picture written on Windows as a relative path, one whose
// path is from another computer and is found nowhere, the marks and a paper.
class CommandLineSave : public CommandLineRender {
protected:
    void SetUp() override {
        QDir().mkpath(output("pictures"));
        writeBmp24(output("pictures/pine.bmp"), Bitmap(4, 2, clAqua));
        QFile settings(QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/two-tags.vmg"));
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
        const QByteArray tail = "\"\",\"\",\"\",0,0,0,16777215,255,90,40,60,99,0\r\n";
        bytes_ = "Tag1,\"pictures\\pine.bmp\",4,2,500,\"pictures\\pine.bmp\"," + tail +
                 "Tag5,\"C:\\Users\\ann\\Tags\\pine.jpg\",100,200,2000,\"C:\\Users\\ann\\Tags\\"
                 "pine.jpg\"," +
                 tail + settings.readAll().split('\n').mid(2).join('\n') +
                 "3 CuttingMarks\r\n\"A5\" PrinterPaper\r\n";
        QFile file(design());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes_);
    }
    QString design() { return output("design.vmg"); }
    QByteArray bytes_;
};

// The printer number depends on the printers of this computer; every other byte comes back.
QByteArray withoutPrinterLine(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeIf([](const QByteArray& line) { return line.endsWith(" Printer\r"); });
    return lines.join('\n');
}

TEST_F(CommandLineSave, AnUnchangedDesignIsWrittenBackAsItWas) {
    const CliRun saved = run({"save", design(), "-o", output("saved.vmg")});
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    EXPECT_NE(saved.err.find("pine.jpg"), std::string::npos) << "the missing picture is told";
    QFile file(output("saved.vmg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(withoutPrinterLine(file.readAll()).toStdString(),
              withoutPrinterLine(bytes_).toStdString());
}

TEST_F(CommandLineSave, InfoShowsTheSettingsAfterTheThirtySixAsWell) {
    const CliRun result = run({"info", design()});
    ASSERT_EQ(result.status, kExitOk) << result.err;
    const QJsonObject settings = QJsonDocument::fromJson(QByteArray::fromStdString(result.out))
                                     .object()
                                     .value("settings")
                                     .toObject();
    EXPECT_EQ(settings.size(), 38);
    EXPECT_EQ(settings.value("CutLine").toInt(), 1);
    EXPECT_EQ(settings.value("CuttingMarks").toInt(), 3);
    EXPECT_EQ(settings.value("PrinterPaper").toString(), "A5");
}

// Tag 5's picture is missing: what would come out without it is refused, with one message
// listing it, unless --allow-missing is given.
TEST_F(CommandLineSave, OutputWithoutItsPicturesIsRefusedUnlessAllowed) {
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"render", "--printable", kLetter}, kExitBadInput},
        {{"render", "--printable", kLetter, "--allow-missing"}, kExitOk},
        {{"render", "--tag", "5"}, kExitBadInput},
        {{"render", "--tag", "1"}, kExitOk},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments.join(' ').toStdString());
        QFile::remove(output("out.png"));
        const CliRun result = run(test.arguments + QStringList{design(), "-o", output("out.png")});
        EXPECT_EQ(result.status, test.status) << result.err;
        EXPECT_EQ(QFile::exists(output("out.png")), test.status == kExitOk);
        if (test.status != kExitOk) {
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
            EXPECT_NE(result.err.find("tag 5 \""), std::string::npos) << result.err;
            EXPECT_NE(result.err.find("--allow-missing"), std::string::npos) << result.err;
        }
    }
}

// Two 1,080-byte bitmaps that claim 14000 x 14000 pixels each (784 MB decoded, each alone):
// the real program, under a 768 MB address-space limit, refuses the design with a sentence
// naming the picture rather than aborting or taking the memory.
TEST_F(CommandLineRender, PicturesTooLargeForMemoryGiveStatusOneNamingTheLargest) {
    if (testing::kAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
    }
    writeDesignWithClaimingBitmaps("huge.vmg", {"huge1.bmp", "huge2.bmp"}, 14000);

    const std::string messages = output("messages.txt").toStdString();
    const std::string target = output("tag.png").toStdString();
    const std::string designPath = output("huge.vmg").toStdString();
    const int status = testing::exitStatusUnderMemoryLimit(768ul << 20, [&] {
        dup2(open(messages.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        execl(VELTMOOR_PROGRAM, VELTMOOR_PROGRAM, "render", "--tag", "1", "-o", target.c_str(),
              designPath.c_str(), static_cast<char*>(nullptr));
    });
    EXPECT_EQ(status, kExitBadInput);
    QFile err(QString::fromStdString(messages));
    ASSERT_TRUE(err.open(QIODevice::ReadOnly));
    const QString message = QString::fromUtf8(err.readAll());
    EXPECT_TRUE(message.contains(output("huge1.bmp") + QLatin1String(" is too large")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("14000 x 14000"))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(output("tag.png")));
}

TEST(CommandLineTint, ListsTheTwentyColouringsWithTheirIndexes) {
    const CliRun listed = run({"tint", "--list"});
    EXPECT_EQ(listed.status, kExitOk);
    std::istringstream lines(listed.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
    }
    EXPECT_EQ(count, 20);
    EXPECT_EQ(listed.out.rfind("0\t0 - Sepia\n", 0), 0u);
    EXPECT_NE(listed.out.find("\n16\t16-  Brown Tone\n"), std::string::npos);
    EXPECT_TRUE(isCommandLineRequest({"veltmoor-tags", "tint", "--list"}));
}

TEST(CommandLineTint, WritesTheTintedEightBitCopy) {
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("photo.bmp"));
    Bitmap picture(9, 5, rgbColor(30, 160, 90));
    picture.setPixelColor(8, 4, clWhite);
    writeBmp24(source, picture);
    const QString out = folder.filePath(QStringLiteral("tinted.bmp"));
    const CliRun tinted = run({"tint", source, "--type", "13", "-o", out});
    EXPECT_EQ(tinted.status, kExitOk) << tinted.err;
    const QImage written(out);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.depth(), 8);
    EXPECT_EQ(Bitmap::fromQImage(written), ColorizeBitmap(picture, 13).toBitmap());
}

TEST(CommandLineTint, MistakesAndUnreadablePictures) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.bmp"));
    for (const QStringList& arguments :
         {QStringList{"a.jpg", "--type", "20", "-o", out}, QStringList{"a.jpg", "-o", out},
          QStringList{"a.jpg", "--type", "x", "-o", out}, QStringList{"a.jpg", "--type", "1"},
          QStringList{"a.jpg", "--type", "1", "-o", "out.png"}, QStringList{"--list", "a.jpg"},
          QStringList{}}) {
        const CliRun result = run(QStringList{"tint"} + arguments);
        EXPECT_EQ(result.status, kExitBadUsage) << arguments.join(' ').toStdString();
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
    const CliRun missing =
        run({"tint", folder.filePath(QStringLiteral("gone.jpg")), "--type", "1", "-o", out});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_NE(missing.err.find("gone.jpg"), std::string::npos) << missing.err;
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
} // namespace veltmoor
