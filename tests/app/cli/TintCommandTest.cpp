#include "app/cli/CommandLine.h"
#include "images/ColorizeBitmap.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace veltmoor {
namespace {

struct TintRun {
    int status = -1;
    std::string out;
    std::string err;
};

TintRun tint(QStringList arguments) {
    arguments.prepend(QStringLiteral("tint"));
    arguments.prepend(QStringLiteral("veltmoor-tags"));
    std::ostringstream out;
    std::ostringstream err;
    TintRun result;
    result.status = runCommandLine(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

TEST(TintCommand, ListsTheTwentyColouringsWithTheirIndexes) {
    const TintRun listed = tint({"--list"});
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

TEST(TintCommand, WritesTheTintedEightBitCopy) {
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("photo.bmp"));
    Bitmap picture(9, 5, rgbColor(30, 160, 90));
    picture.setPixelColor(8, 4, clWhite);
    writeBmp24(source, picture);
    const QString out = folder.filePath(QStringLiteral("tinted.bmp"));
    const TintRun run = tint({source, "--type", "13", "-o", out});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    const QImage written(out);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.depth(), 8);
    EXPECT_EQ(Bitmap::fromQImage(written), ColorizeBitmap(picture, 13).toBitmap());
}

TEST(TintCommand, MistakesAndUnreadablePictures) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.bmp"));
    for (const QStringList& arguments :
         {QStringList{"a.jpg", "--type", "20", "-o", out}, QStringList{"a.jpg", "-o", out},
          QStringList{"a.jpg", "--type", "x", "-o", out}, QStringList{"a.jpg", "--type", "1"},
          QStringList{"a.jpg", "--type", "1", "-o", "out.png"}, QStringList{"--list", "a.jpg"},
          QStringList{}}) {
        const TintRun run = tint(arguments);
        EXPECT_EQ(run.status, kExitBadUsage) << arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
    const TintRun missing =
        tint({folder.filePath(QStringLiteral("gone.jpg")), "--type", "1", "-o", out});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_NE(missing.err.find("gone.jpg"), std::string::npos) << missing.err;
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
} // namespace veltmoor
