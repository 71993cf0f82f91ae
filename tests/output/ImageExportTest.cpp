#include "output/ImageExport.h"

#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

QByteArray fileStart(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(count);
}

// Left half one colour, right half another: a reduction must keep the split.
Bitmap twoColourPicture(int width, int height) {
    Bitmap picture(width, height, rgbColor(20, 40, 200));
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) {
            picture.setPixelColor(x, y, rgbColor(240, 200, 0));
        }
    }
    return picture;
}

TEST(EmailSizes, SheetAt75AndTagAt100DotsPerInch) {
    EXPECT_EQ(emailSheetSize(1600, 2100), (PictureSize{600, 787}));
    EXPECT_EQ(emailTagSize(400, 800), (PictureSize{200, 400}));
    EXPECT_EQ(emailTagSize(401, 801), (PictureSize{200, 400}));
    EXPECT_EQ(exportedSize(ExportSize::Full, 400, 800), (PictureSize{400, 800}));
    EXPECT_EQ(exportedSize(ExportSize::SheetForEmail, 1553, 2238), (PictureSize{582, 839}));
    EXPECT_EQ(exportedSize(ExportSize::TagForEmail, 1000, 100), (PictureSize{500, 50}));
}

TEST(EmailSizes, ReductionKeepsThePicture) {
    const Bitmap reduced =
        reducedForExport(twoColourPicture(1600, 2100), ExportSize::SheetForEmail);
    ASSERT_EQ(reduced.width(), 600);
    ASSERT_EQ(reduced.height(), 787);
    EXPECT_EQ(reduced.pixelColor(10, 10), rgbColor(20, 40, 200));
    EXPECT_EQ(reduced.pixelColor(290, 786), rgbColor(20, 40, 200));
    EXPECT_EQ(reduced.pixelColor(310, 0), rgbColor(240, 200, 0));
    EXPECT_EQ(reduced.pixelColor(599, 786), rgbColor(240, 200, 0));
}

class ImageExportFiles : public testing::Test {
protected:
    QString pathFor(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

TEST_F(ImageExportFiles, BitmapIsWrittenWholeAt24Bits) {
    const Bitmap tag = twoColourPicture(400, 800);
    const QString path = pathFor(QStringLiteral("tag.bmp"));
    exportPicture(path, tag);
    const QByteArray header = fileStart(path, 30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(static_cast<int>(header[28]), 24); // bits per pixel
    const DecodedPicture back = readPicture(path);
    EXPECT_EQ(back.width, 400);
    EXPECT_EQ(back.height, 800);
    EXPECT_EQ(back.bitmap, tag);
}

TEST_F(ImageExportFiles, JpegForEmailIsReduced) {
    const QString path = pathFor(QStringLiteral("small.jpg"));
    exportPicture(path, twoColourPicture(400, 800), ExportSize::TagForEmail);
    EXPECT_TRUE(fileStart(path, 3).startsWith("\xFF\xD8\xFF"));
    const DecodedPicture back = readPicture(path);
    EXPECT_EQ(back.width, 200);
    EXPECT_EQ(back.height, 400);
    // Quality 100 keeps a flat area within a couple of levels.
    const TColor inside = back.bitmap.pixelColor(50, 200);
    EXPECT_NEAR(redOf(inside), 20, 3);
    EXPECT_NEAR(greenOf(inside), 40, 3);
    EXPECT_NEAR(blueOf(inside), 200, 3);
}

// Another program places the pixels at their size on paper only when the file says how
// many go to the inch: 200 composed, 75 for a sheet by e-mail, 100 for a tag. Read by Qt.
TEST_F(ImageExportFiles, EveryFormatStatesTheResolutionOfItsPixels) {
    struct Case {
        ExportSize size;
        int dotsPerInch;
    };
    for (const char* name : {"out.bmp", "out.jpg", "out.png"}) {
        for (const Case& c : {Case{ExportSize::Full, 200}, Case{ExportSize::SheetForEmail, 75},
                              Case{ExportSize::TagForEmail, 100}}) {
            const QString path = pathFor(QLatin1String(name));
            exportPicture(path, twoColourPicture(80, 40), c.size);
            const QImage written(path);
            ASSERT_FALSE(written.isNull()) << name;
            EXPECT_EQ(qRound(written.dotsPerMeterX() * 0.0254), c.dotsPerInch) << name;
            EXPECT_EQ(qRound(written.dotsPerMeterY() * 0.0254), c.dotsPerInch) << name;
        }
    }
}

TEST_F(ImageExportFiles, ExtensionPicksTheFormatWhateverItsCase) {
    exportPicture(pathFor(QStringLiteral("a.JPEG")), Bitmap(16, 16, clRed));
    EXPECT_TRUE(fileStart(pathFor(QStringLiteral("a.JPEG")), 3).startsWith("\xFF\xD8\xFF"));
    exportPicture(pathFor(QStringLiteral("b.Png")), Bitmap(16, 16, clRed));
    EXPECT_TRUE(fileStart(pathFor(QStringLiteral("b.Png")), 8).startsWith("\x89PNG\r\n\x1A\n"));
    const QString sheetPath = pathFor(QStringLiteral("sheet.BMP"));
    exportPicture(sheetPath, Bitmap(1600, 2100, clWhite), ExportSize::SheetForEmail);
    EXPECT_EQ(readPicture(sheetPath).width, 600);
    EXPECT_EQ(readPicture(sheetPath).height, 787);
}

TEST_F(ImageExportFiles, UnknownEndingIsRefusedByName) {
    const QString path = pathFor(QStringLiteral("sheet.gif"));
    try {
        exportPicture(path, Bitmap(16, 16, clRed));
        FAIL() << "a .gif name was accepted";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_THROW(exportPicture(pathFor(QStringLiteral("noending")), Bitmap(4, 4)), UserError);
}

TEST_F(ImageExportFiles, PictureWithoutPixelsIsRefusedAndTheOldFileKept) {
    const QString path = pathFor(QStringLiteral("keep.bmp"));
    exportPicture(path, Bitmap(8, 8, clBlue));
    EXPECT_THROW(exportPicture(path, Bitmap()), UserError);
    // A one-pixel tag has no pixel left at half size.
    EXPECT_THROW(exportPicture(path, Bitmap(1, 1), ExportSize::TagForEmail), UserError);
    EXPECT_EQ(readPicture(path).bitmap, Bitmap(8, 8, clBlue));
}

} // namespace
} // namespace veltmoor
