#include "platform/PictureFile.h"
#include "PictureTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace veltmoor {
namespace {

using testing::near;
using testing::Rgb;
using testing::rgbAt;
using testing::userErrorOf;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void store(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

Bitmap halves() {
    Bitmap bitmap(8, 4, rgbColor(255, 0, 0));
    for (int y = 0; y < 4; ++y) {
        for (int x = 4; x < 8; ++x) {
            bitmap.setPixel(x, y, pixelFromRgb(0, 0, 255));
        }
    }
    return bitmap;
}

class PictureFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

TEST_F(PictureFiles, FormatComesFromTheContentNotTheName) {
    // A bitmap saved under a JPEG name, and a JPEG in a folder whose name has ".jp".
    const QString bitmapAsJpg = path(QStringLiteral("x.jpg"));
    store(bitmapAsJpg, encodeBmp24(halves()));
    EXPECT_EQ(readPicture(bitmapAsJpg).bitmap, halves());

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("my.jpgs")));
    const QString jpegInFolder = path(QStringLiteral("my.jpgs/tag picture.bmp"));
    store(jpegInFolder, encodeJpeg(halves()));
    const DecodedPicture jpeg = readPicture(jpegInFolder);
    EXPECT_EQ(jpeg.width, 8);
    EXPECT_TRUE(near(rgbAt(jpeg.bitmap, 1, 1), Rgb{255, 0, 0}, 24));
    EXPECT_TRUE(near(rgbAt(jpeg.bitmap, 6, 2), Rgb{0, 0, 255}, 24));
}

TEST_F(PictureFiles, PathsKeepTheirCase) {
    const QString upper = path(QStringLiteral("Photo.JPG"));
    store(upper, encodeJpeg(halves()));
    EXPECT_EQ(readPicture(upper).height, 4);
    // The lower-cased name is another file, here a missing one.
    const QString lower = path(QStringLiteral("photo.jpg"));
    const QString message = userErrorOf([&] { readPicture(lower); }, lower);
    EXPECT_TRUE(message.contains(QLatin1String("could not be opened"))) << message.toStdString();
}

TEST_F(PictureFiles, OtherFormatsGoThroughQt) {
    for (const char* name : {"halves.gif", "halves.tif", "halves.webp"}) {
        SCOPED_TRACE(name);
        const DecodedPicture picture =
            readPicture(QStringLiteral(VELTMOOR_TEST_DATA "/picture/") + QLatin1String(name));
        ASSERT_EQ(picture.width, 8);
        ASSERT_EQ(picture.height, 4);
        EXPECT_EQ(picture.bitmap, halves());
    }

    const QString png = path(QStringLiteral("halves.png"));
    writePng(png, halves());
    EXPECT_EQ(contentOf(png).left(4), QByteArray("\x89PNG"));
    EXPECT_EQ(readPicture(png).bitmap, halves());
}

TEST_F(PictureFiles, TransparencyShowsWhitePaper) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    image.setPixel(2, 0, qRgba(0, 0, 255, 51)); // a fifth blue, four fifths white
    const QString png = path(QStringLiteral("glass.png"));
    ASSERT_TRUE(image.save(png, "PNG"));
    const Bitmap bitmap = readPicture(png).bitmap;
    EXPECT_EQ(rgbAt(bitmap, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(rgbAt(bitmap, 1, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(rgbAt(bitmap, 2, 0), (Rgb{204, 204, 255}));
}

TEST_F(PictureFiles, UnreadableFilesNameThemselves) {
    const QString text = path(QStringLiteral("notes.bmp"));
    store(text, QByteArray("Shopping list: string, tags, glue\n"));
    const QString message = userErrorOf([&] { readPicture(text); }, text);
    EXPECT_TRUE(message.contains(QLatin1String("not a picture this program can read")))
        << message.toStdString();

    const QString empty = path(QStringLiteral("empty.jpg"));
    store(empty, QByteArray());
    userErrorOf([&] { readPicture(empty); }, empty);

    const QString truncatedPng = path(QStringLiteral("cut.png"));
    writePng(truncatedPng, halves());
    store(truncatedPng, contentOf(truncatedPng).left(20));
    userErrorOf([&] { readPicture(truncatedPng); }, truncatedPng);

    // Cut just before its end chunk, and with a chunk that claims more than the file has.
    writePng(truncatedPng, halves());
    const QByteArray png = contentOf(truncatedPng);
    for (const QByteArray& damaged :
         {png.left(png.size() - 12),
          png.left(33) + QByteArray("\x00\x10\x00\x00tEXt", 8) + png.mid(33)}) {
        store(truncatedPng, damaged);
        const QString words = userErrorOf([&] { readPicture(truncatedPng); }, truncatedPng);
        EXPECT_TRUE(words.contains(QLatin1String("damaged"))) << words.toStdString();
    }
}

// The header alone must tell what the decode gives: the picture's size as shown and the
// bitmap's size at each reduction, for every format and for turned photos.
TEST_F(PictureFiles, HeaderTellsTheSizesTheDecodeGives) {
    const QString data = QStringLiteral(VELTMOOR_TEST_DATA);
    const QStringList files = {
        data + "/bmp/rle8.bmp",   data + "/bmp/core.bmp",       data + "/jpeg/progressive.jpg",
        data + "/jpeg/cmyk.jpg",  data + "/picture/halves.gif", data + "/picture/halves.tif",
        data + "/jpeg/exif6.jpg",
    };
    for (const QString& file : files) {
        for (const int needed : {0, 1, 3, 40}) {
            SCOPED_TRACE(file.toStdString() + " at " + std::to_string(needed));
            const PictureReadOptions options{needed, needed};
            const PictureHeader header = readPictureHeader(file, options);
            const DecodedPicture picture = readPicture(file, options);
            EXPECT_EQ(header.width, picture.width);
            EXPECT_EQ(header.height, picture.height);
            EXPECT_EQ(header.decodedWidth, picture.bitmap.width());
            EXPECT_EQ(header.decodedHeight, picture.bitmap.height());
        }
    }
    // Damage in the header is refused as the decoder refuses it.
    store(path("cut.bmp"), contentOf(data + "/bmp/rle8.bmp").left(30));
    userErrorOf([&] { readPictureHeader(path("cut.bmp")); }, path("cut.bmp"));
}

TEST_F(PictureFiles, WrittenFilesAreReadByAnotherReader) {
    const QString bmp24 = path(QStringLiteral("sheet.bmp"));
    writeBmp24(bmp24, halves());
    const QImage viaQt(bmp24);
    ASSERT_FALSE(viaQt.isNull());
    EXPECT_EQ(Bitmap::fromQImage(viaQt), halves());
    EXPECT_EQ(viaQt.dotsPerMeterX(), 3780);

    IndexedBitmap tinted;
    tinted.width = 3;
    tinted.height = 2;
    tinted.palette[0] = rgbColor(0, 0, 0);
    tinted.palette[255] = rgbColor(255, 255, 234);
    tinted.indices = {0, 255, 0, 255, 255, 0};
    const QString bmp8 = path(QStringLiteral("~~3.bmp"));
    writeBmp8(bmp8, tinted);
    const QImage indexed(bmp8);
    ASSERT_FALSE(indexed.isNull());
    EXPECT_EQ(indexed.depth(), 8);
    EXPECT_EQ(indexed.colorCount(), 256);
    EXPECT_EQ(indexed.pixelIndex(1, 0), 255);
    EXPECT_EQ(indexed.pixel(1, 0), qRgb(255, 255, 234));
    EXPECT_EQ(readPicture(bmp8).bitmap, tinted.toBitmap());

    const QString jpeg = path(QStringLiteral("tag.jpg"));
    writeJpeg(jpeg, halves());
    const QImage jpegViaQt(jpeg);
    ASSERT_FALSE(jpegViaQt.isNull());
    EXPECT_TRUE(near(rgbAt(Bitmap::fromQImage(jpegViaQt), 6, 1), Rgb{0, 0, 255}, 24));
}

TEST_F(PictureFiles, FailedWritesLeaveTheEarlierFile) {
    const QString target = path(QStringLiteral("export.jpg"));
    writeJpeg(target, halves());
    const QByteArray before = contentOf(target);

    userErrorOf([&] { writeJpeg(target, Bitmap()); }, target);
    // Wider than JPEG allows: the encoder fails after the file was chosen.
    userErrorOf([&] { writeJpeg(target, Bitmap(70000, 1)); }, target);
    userErrorOf([&] { writeBmp24(target, Bitmap(0, 5)); }, target);
    EXPECT_EQ(contentOf(target), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("export.jpg")});

    const QString nowhere = path(QStringLiteral("no such folder/export.bmp"));
    const QString message = userErrorOf([&] { writeBmp24(nowhere, halves()); }, nowhere);
    EXPECT_TRUE(message.contains(QLatin1String("could not be written"))) << message.toStdString();
    const QString folderItself = folder.path();
    userErrorOf([&] { writePng(folderItself, halves()); }, folderItself);
}

// Paths that are no picture file: each is refused at once, by what it is, without reading
// an endless device, waiting for a pipe's writer or taking a huge file into memory.
TEST_F(PictureFiles, WhatIsNoPictureFileIsRefusedBeforeReading) {
    const QString fifo = path(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = path(QStringLiteral("huge.bmp"));
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(maxPictureFileBytes(kMaxPicturePixels) + 1)); // holes, no data
    sparse.close();
    const QString linkToFifo = path(QStringLiteral("link.png"));
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));
    struct Case {
        QString file;
        const char* says;
    };
    for (const Case& c : {Case{QStringLiteral("/dev/zero"), "is a device, not a picture file"},
                          Case{fifo, "is a pipe, not a picture file"},
                          Case{linkToFifo, "is a pipe, not a picture file"},
                          Case{folder.path(), "is a folder, not a picture file"},
                          Case{huge, "is too large to be a picture"}}) {
        for (const auto& read : std::initializer_list<std::function<void()>>{
                 [&] { readPicture(c.file); }, [&] { readPictureHeader(c.file); }}) {
            const QString message = userErrorOf(read, c.file);
            EXPECT_TRUE(message.contains(QLatin1String(c.says))) << message.toStdString();
        }
    }
}

// Qt's own allocation limit (128 MB) is not ours: a 5800 x 5800 PNG is a picture like any
// other, and one over our limit is too large, never damaged.
TEST_F(PictureFiles, AManyMegapixelPngDecodesAndOneOverOurLimitIsTooLarge) {
    const QString png = path(QStringLiteral("large.png"));
    QImage large(5800, 5800, QImage::Format_ARGB32);
    large.fill(qRgba(20, 200, 40, 255));
    ASSERT_TRUE(large.save(png));
    large = QImage();
    const DecodedPicture decoded = readPicture(png);
    EXPECT_EQ(decoded.width, 5800);
    EXPECT_EQ(rgbAt(decoded.bitmap, 5799, 5799), (Rgb{20, 200, 40}));

    PictureReadOptions lower;
    lower.maxPixels = 5800 * 5799;
    for (const auto& read : std::initializer_list<std::function<void()>>{
             [&] { readPicture(png, lower); }, [&] { readPictureHeader(png, lower); }}) {
        const QString message = userErrorOf(read, png);
        EXPECT_TRUE(message.contains(QLatin1String(" is too large ("))) << message.toStdString();
    }
}

} // namespace
} // namespace veltmoor
