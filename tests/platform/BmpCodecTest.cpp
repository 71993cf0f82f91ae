#include "PictureTestHelpers.h"
#include "platform/PictureFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace veltmoor {
namespace {

using testing::append16;
using testing::append32;
using testing::bytesOf;
using testing::le16;
using testing::le32;
using testing::Rgb;
using testing::rgbAt;
using testing::userErrorOf;

// A bitmap file laid out field by field from the format's description, independent of
// the writer under test. Palette entries are 0xRRGGBB.
struct BmpBuilder {
    int headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    int bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> masks; // after a 40-byte header, or inside larger ones
    QByteArray pixels;
    qint64 pixelOffset = -1; // -1: right after the palette

    QByteArray build() const {
        QByteArray info;
        append32(info, static_cast<std::uint32_t>(headerSize));
        if (headerSize == 12) {
            append16(info, static_cast<std::uint32_t>(width));
            append16(info, static_cast<std::uint32_t>(height));
            append16(info, 1);
            append16(info, static_cast<std::uint32_t>(bits));
        } else {
            append32(info, static_cast<std::uint32_t>(width));
            append32(info, static_cast<std::uint32_t>(height));
            append16(info, 1);
            append16(info, static_cast<std::uint32_t>(bits));
            append32(info, compression);
            append32(info, static_cast<std::uint32_t>(pixels.size()));
            append32(info, 2835);
            append32(info, 2835);
            append32(info, colorsUsed);
            append32(info, 0);
            if (headerSize > 40) {
                for (int i = 0; i < 4; ++i) {
                    append32(info, i < static_cast<int>(masks.size()) ? masks[i] : 0);
                }
                info.append(QByteArray(headerSize - info.size(), '\0'));
                info.truncate(headerSize);
            }
        }
        if (headerSize == 40) {
            for (const std::uint32_t mask : masks) {
                append32(info, mask);
            }
        }
        for (const std::uint32_t entry : palette) {
            info.append(static_cast<char>(entry & 0xFF));
            info.append(static_cast<char>((entry >> 8) & 0xFF));
            info.append(static_cast<char>((entry >> 16) & 0xFF));
            if (headerSize != 12) {
                info.append('\0');
            }
        }
        const qint64 offset = pixelOffset >= 0 ? pixelOffset : 14 + info.size();
        QByteArray file("BM");
        append32(file, static_cast<std::uint32_t>(14 + info.size() + pixels.size()));
        append32(file, 0);
        append32(file, static_cast<std::uint32_t>(offset));
        file.append(info);
        file.append(pixels);
        return file;
    }
};

const QString kName = QStringLiteral("/home/ann/My Pictures/Tag.bmp");

Bitmap decoded(const BmpBuilder& builder) {
    return decodeBmp(builder.build(), kName);
}

TEST(BmpReader, OneBitRowsArePackedHighBitFirstBottomRowFirst) {
    BmpBuilder b;
    b.width = 10;
    b.height = 2;
    b.bits = 1;
    b.palette = {0xFF0000, 0x0000FF};
    // Bottom row 0000000001, top row 1010101010; each row padded to four bytes.
    b.pixels = bytesOf({0x00, 0x40, 0, 0, 0xAA, 0x80, 0, 0});
    const Bitmap bitmap = decoded(b);
    ASSERT_EQ(bitmap.width(), 10);
    ASSERT_EQ(bitmap.height(), 2);
    const Rgb red{255, 0, 0};
    const Rgb blue{0, 0, 255};
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(rgbAt(bitmap, x, 0), x % 2 == 0 ? blue : red) << x;
        EXPECT_EQ(rgbAt(bitmap, x, 1), x == 9 ? blue : red) << x;
    }
}

TEST(BmpReader, FourAndEightBitIndicesUseTheColourTable) {
    BmpBuilder four;
    four.width = 3;
    four.bits = 4;
    four.palette.assign(16, 0);
    four.palette[1] = 0x102030;
    four.palette[2] = 0x405060;
    four.palette[15] = 0xFFFFFF;
    four.pixels = bytesOf({0x12, 0xF0, 0, 0});
    const Bitmap a = decoded(four);
    EXPECT_EQ(rgbAt(a, 0, 0), (Rgb{0x10, 0x20, 0x30}));
    EXPECT_EQ(rgbAt(a, 1, 0), (Rgb{0x40, 0x50, 0x60}));
    EXPECT_EQ(rgbAt(a, 2, 0), (Rgb{255, 255, 255}));

    // A short table (three entries) and a top-down file.
    BmpBuilder eight;
    eight.width = 2;
    eight.height = -2;
    eight.bits = 8;
    eight.colorsUsed = 3;
    eight.palette = {0x000000, 0x00FF00, 0xABCDEF};
    eight.pixels = bytesOf({0, 1, 0, 0, 2, 0, 0, 0});
    const Bitmap c = decoded(eight);
    ASSERT_EQ(c.height(), 2);
    EXPECT_EQ(rgbAt(c, 0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(rgbAt(c, 1, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(rgbAt(c, 0, 1), (Rgb{0xAB, 0xCD, 0xEF}));
}

TEST(BmpReader, SixteenBitDefaultsToFiveFiveFive) {
    BmpBuilder b;
    b.width = 4;
    b.bits = 16;
    b.pixels = bytesOf({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42});
    const Bitmap bitmap = decoded(b);
    EXPECT_EQ(rgbAt(bitmap, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(rgbAt(bitmap, 1, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(rgbAt(bitmap, 2, 0), (Rgb{0, 0, 255}));
    // 16 of 31 is 131.6 of 255.
    EXPECT_EQ(rgbAt(bitmap, 3, 0), (Rgb{132, 132, 132}));
}

TEST(BmpReader, BitfieldMasksAfterTheHeaderAndInsideLargerHeaders) {
    BmpBuilder b565;
    b565.width = 2;
    b565.bits = 16;
    b565.compression = 3;
    b565.masks = {0xF800, 0x07E0, 0x001F};
    b565.pixels = bytesOf({0x00, 0xF8, 0x41, 0x08});
    const Bitmap a = decoded(b565);
    EXPECT_EQ(rgbAt(a, 0, 0), (Rgb{255, 0, 0}));
    // r = 1/31, g = 2/63, b = 1/31 of full scale: 8.2, 8.1, 8.2.
    EXPECT_EQ(rgbAt(a, 1, 0), (Rgb{8, 8, 8}));

    b565.headerSize = 52;
    EXPECT_EQ(decoded(b565), a);

    // Red in the low byte: only a reader that takes the masks gets this right.
    BmpBuilder v4;
    v4.headerSize = 108;
    v4.width = 1;
    v4.bits = 32;
    v4.compression = 3;
    v4.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    v4.pixels = bytesOf({10, 20, 30, 0});
    EXPECT_EQ(rgbAt(decoded(v4), 0, 0), (Rgb{10, 20, 30}));
}

TEST(BmpReader, TwentyFourAndThirtyTwoBitPixels) {
    BmpBuilder b24;
    b24.width = 1;
    b24.height = 2;
    b24.bits = 24;
    b24.pixels = bytesOf({1, 2, 3, 0, 4, 5, 6, 0}); // BGR plus one padding byte per row
    const Bitmap a = decoded(b24);
    EXPECT_EQ(rgbAt(a, 0, 1), (Rgb{3, 2, 1}));
    EXPECT_EQ(rgbAt(a, 0, 0), (Rgb{6, 5, 4}));

    // The fourth byte of a plain 32-bit pixel is not transparency.
    BmpBuilder b32;
    b32.bits = 32;
    b32.pixels = bytesOf({30, 20, 10, 0});
    EXPECT_EQ(rgbAt(decoded(b32), 0, 0), (Rgb{10, 20, 30}));
}

TEST(BmpReader, AlphaMaskComposesOverWhiteUnlessEveryPixelIsTransparent) {
    BmpBuilder b;
    b.headerSize = 124;
    b.width = 2;
    b.bits = 32;
    b.compression = 3;
    b.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    b.pixels = bytesOf({0, 0, 255, 128, 0, 0, 255, 255}); // half-covered red, solid red
    const Bitmap a = decoded(b);
    // Green and blue: white showing through 127/255 of the area.
    EXPECT_EQ(rgbAt(a, 0, 0), (Rgb{255, 127, 127}));
    EXPECT_EQ(rgbAt(a, 1, 0), (Rgb{255, 0, 0}));

    b.headerSize = 56;
    EXPECT_EQ(decoded(b), a);

    b.pixels = bytesOf({0, 0, 255, 0, 0, 255, 0, 0});
    const Bitmap opaque = decoded(b);
    EXPECT_EQ(rgbAt(opaque, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(rgbAt(opaque, 1, 0), (Rgb{0, 255, 0}));
}

TEST(BmpReader, CoreHeaderHasThreeByteTableEntries) {
    BmpBuilder b;
    b.headerSize = 12;
    b.width = 2;
    b.bits = 8;
    b.palette.assign(256, 0);
    b.palette[7] = 0x123456;
    b.pixels = bytesOf({7, 0, 0, 0});
    const Bitmap bitmap = decoded(b);
    EXPECT_EQ(rgbAt(bitmap, 0, 0), (Rgb{0x12, 0x34, 0x56}));
    EXPECT_EQ(rgbAt(bitmap, 1, 0), (Rgb{0, 0, 0}));
}

BmpBuilder paletteOf8(int width, int height, std::uint32_t compression, QByteArray data) {
    BmpBuilder b;
    b.width = width;
    b.height = height;
    b.bits = compression == 2 ? 4 : 8;
    b.compression = compression;
    b.palette.assign(compression == 2 ? 16 : 256, 0);
    for (std::uint32_t i = 0; i < b.palette.size(); ++i) {
        b.palette[i] = i * 0x010101; // grey level i, so pixels read back as their index
    }
    b.pixels = std::move(data);
    return b;
}

std::vector<int> greyRow(const Bitmap& bitmap, int y) {
    std::vector<int> row;
    for (int x = 0; x < bitmap.width(); ++x) {
        row.push_back(rgbAt(bitmap, x, y).red);
    }
    return row;
}

TEST(BmpReader, RunLengthEightWithRunsLiteralsJumpsAndSkippedPixels) {
    const BmpBuilder b = paletteOf8(6, 2, 1,
                                    bytesOf({3, 5,             // three of index 5
                                             0, 3, 1, 2, 3, 0, // literal 1 2 3, padded
                                             0, 0,             // end of line
                                             0, 2, 2, 0,       // jump two right
                                             2, 7,             // two of index 7
                                             0, 1}));          // end of bitmap
    const Bitmap bitmap = decoded(b);
    EXPECT_EQ(greyRow(bitmap, 1), (std::vector<int>{5, 5, 5, 1, 2, 3}));
    EXPECT_EQ(greyRow(bitmap, 0), (std::vector<int>{0, 0, 7, 7, 0, 0}));
}

TEST(BmpReader, RunLengthFourAlternatesNibbles) {
    const BmpBuilder b = paletteOf8(8, 1, 2,
                                    bytesOf({5, 0x12,          // 1 2 1 2 1
                                             0, 3, 0x34, 0x50, // literal 3 4 5
                                             0, 1}));
    EXPECT_EQ(greyRow(decoded(b), 0), (std::vector<int>{1, 2, 1, 2, 1, 3, 4, 5}));
}

TEST(BmpReader, IndexedDecodeKeepsTableAndIndices) {
    BmpBuilder b = paletteOf8(3, 2, 0, bytesOf({9, 8, 7, 0, 1, 2, 3, 0}));
    const IndexedBitmap indexed = decodeBmpIndexed(b.build(), kName);
    EXPECT_EQ(indexed.indices, (std::vector<std::uint8_t>{1, 2, 3, 9, 8, 7}));
    EXPECT_EQ(indexed.palette[200], rgbColor(200, 200, 200));

    BmpBuilder direct;
    direct.pixels = bytesOf({0, 0, 0, 0});
    userErrorOf([&] { decodeBmpIndexed(direct.build(), kName); }, kName);
}

// Every damaged or lying file is refused with a sentence naming it; none is decoded to
// garbage or read past its end.
TEST(BmpReader, BrokenFilesAreRefusedWithTheirName) {
    BmpBuilder good24;
    good24.width = 3;
    good24.height = 2;
    good24.pixels = QByteArray(24, '\x40');
    const QByteArray valid = good24.build();
    const QByteArray valid8 = paletteOf8(4, 4, 0, QByteArray(16, '\x01')).build();

    auto with = [](BmpBuilder b, auto change) {
        change(b);
        return b.build();
    };
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* expectedWords;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray(), "empty"},
        {"magic only", QByteArray("BM"), "damaged"},
        {"cut in the file header", valid.left(10), "damaged"},
        {"cut in the info header", valid.left(30), "damaged"},
        {"cut in the colour table", valid8.left(14 + 40 + 500), "colour table"},
        {"cut before the pixels", valid.left(54), "damaged"},
        {"cut in the last row", valid.left(valid.size() - 1), "last pixel row"},
        {"wrong magic", QByteArray("BX") + valid.mid(2), "not a picture"},
        {"pixel offset past the end", with(good24, [](BmpBuilder& b) { b.pixelOffset = 4000; }),
         "damaged"},
        {"pixel offset inside the table",
         with(paletteOf8(4, 4, 0, QByteArray(16, '\x01')),
              [](BmpBuilder& b) { b.pixelOffset = 100; }),
         "colour table"},
        {"pixel offset inside the header", with(good24, [](BmpBuilder& b) { b.pixelOffset = 20; }),
         "header"},
        {"unknown header size", with(good24, [](BmpBuilder& b) { b.headerSize = 64; }), "header"},
        {"zero width", with(good24, [](BmpBuilder& b) { b.width = 0; }), "0 x 2"},
        {"zero height", with(good24, [](BmpBuilder& b) { b.height = 0; }), "3 x 0"},
        {"negative width", with(good24, [](BmpBuilder& b) { b.width = -3; }), "damaged"},
        {"huge", with(good24, [](BmpBuilder& b) { b.width = b.height = 100000; }),
         "too large (100000 x 100000 pixels)"},
        {"most negative height", with(good24, [](BmpBuilder& b) { b.height = INT32_MIN; }),
         "too large"},
        {"seven bits", with(good24, [](BmpBuilder& b) { b.bits = 7; }), "7 bits"},
        {"run length with 24 bits", with(good24, [](BmpBuilder& b) { b.compression = 1; }),
         "compression"},
        {"embedded PNG", with(good24, [](BmpBuilder& b) { b.compression = 5; }), "compression"},
        {"table larger than the pixels allow",
         with(paletteOf8(4, 4, 0, QByteArray(16, '\x01')),
              [](BmpBuilder& b) {
                  b.colorsUsed = 300;
                  b.palette.resize(300);
              }),
         "300 entries"},
        {"four-bit table of 17",
         with(paletteOf8(2, 1, 2, bytesOf({2, 0x11, 0, 1})),
              [](BmpBuilder& b) {
                  b.colorsUsed = 17;
                  b.palette.resize(17);
              }),
         "17 entries"},
        {"run past the row", paletteOf8(4, 1, 1, bytesOf({5, 1, 0, 1})).build(), "end of a row"},
        {"literal past the row",
         paletteOf8(4, 1, 1, bytesOf({0, 5, 1, 2, 3, 4, 5, 0, 0, 1})).build(), "end of a row"},
        {"jump outside", paletteOf8(4, 2, 1, bytesOf({0, 2, 1, 3, 0, 1})).build(), "outside"},
        {"pixels above the last row",
         paletteOf8(2, 1, 1, bytesOf({2, 1, 0, 0, 2, 1, 0, 1})).build(), "last row"},
        {"literal cut short", paletteOf8(8, 1, 1, bytesOf({0, 6, 1, 2})).build(), "ends inside"},
        {"run data stops mid-picture", paletteOf8(2, 3, 1, bytesOf({2, 1, 0, 0})).build(),
         "ends inside"},
        {"jump cut short", paletteOf8(2, 3, 1, bytesOf({0, 2, 1})).build(), "ends inside"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString message = userErrorOf([&] { decodePicture(c.bytes, kName); }, kName);
        EXPECT_TRUE(message.contains(QLatin1String(c.expectedWords))) << message.toStdString();
    }
}

// Found by fuzzing: a 52-byte header holds three masks, and alpha bit-fields need a fourth
// after it, where this file has ended. Neither the file nor any part of it may be read
// past its end (the sanitizer build checks the reads).
TEST(BmpReader, MaskPastTheHeaderAndEveryCutOfItAreRefused) {
    QFile file(QStringLiteral(VELTMOOR_TEST_DATA "/bmp/alpha-masks-past-header.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    ASSERT_EQ(whole.size(), 66);
    for (qsizetype length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        // A copy of exactly this length, so that reading one byte further is a fault.
        const QByteArray cut(whole.constData(), length);
        const QString direct = userErrorOf([&] { decodeBmp(cut, kName); }, kName);
        EXPECT_TRUE(direct.contains(QLatin1String(" is damaged: "))) << direct.toStdString();
        const QString indexed = userErrorOf([&] { decodeBmpIndexed(cut, kName); }, kName);
        EXPECT_TRUE(indexed.contains(QLatin1String(" is damaged: "))) << indexed.toStdString();
    }
    const QString message = userErrorOf([&] { decodeBmp(whole, kName); }, kName);
    EXPECT_TRUE(message.contains(QLatin1String("colour masks"))) << message.toStdString();
}

TEST(BmpReader, RunLengthFileMissingOnlyItsEndMarkerIsWhole) {
    const BmpBuilder b = paletteOf8(2, 1, 1, bytesOf({2, 9, 0, 0}));
    EXPECT_EQ(greyRow(decoded(b), 0), (std::vector<int>{9, 9}));
}

TEST(BmpReader, PixelLimitIsChecked) {
    BmpBuilder b;
    b.width = 100;
    b.height = 100;
    b.pixels = QByteArray(100 * 300, '\0');
    PictureReadOptions options;
    options.maxPixels = 9999;
    const QString message = userErrorOf([&] { decodeBmp(b.build(), kName, options); }, kName);
    EXPECT_TRUE(message.contains(QLatin1String("100 x 100"))) << message.toStdString();
    options.maxPixels = 10000;
    EXPECT_EQ(decodeBmp(b.build(), kName, options).width(), 100);
}

Bitmap sampleBitmap(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.setPixel(x, y, pixelFromRgb(x * 40, y * 60, 255 - x * 20));
        }
    }
    return bitmap;
}

TEST(BmpWriter, TwentyFourBitLayout) {
    const Bitmap bitmap = sampleBitmap(3, 2);
    const QByteArray file = encodeBmp24(bitmap);
    // 3 pixels of 3 bytes pad to 12-byte rows.
    ASSERT_EQ(file.size(), 54 + 12 * 2);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(file, 2), 78u);
    EXPECT_EQ(le32(file, 10), 54u);
    EXPECT_EQ(le32(file, 14), 40u);
    EXPECT_EQ(le32(file, 18), 3u);
    EXPECT_EQ(le32(file, 22), 2u); // positive height: bottom row first
    EXPECT_EQ(le16(file, 26), 1u);
    EXPECT_EQ(le16(file, 28), 24u);
    EXPECT_EQ(le32(file, 30), 0u);
    EXPECT_EQ(le32(file, 34), 24u);
    EXPECT_EQ(le32(file, 38), 3780u); // 96 dots per inch
    EXPECT_EQ(le32(file, 42), 3780u);
    // First stored pixel: bottom-left (0, 1) = (0, 60, 255), as B, G, R.
    EXPECT_EQ(file.mid(54, 3), bytesOf({255, 60, 0}));
    EXPECT_EQ(file.mid(54 + 9, 3), bytesOf({0, 0, 0})); // padding
    // Second stored row is the top row; its last pixel (2, 0) = (80, 0, 215).
    EXPECT_EQ(file.mid(54 + 12 + 6, 3), bytesOf({215, 0, 80}));

    EXPECT_EQ(decodeBmp(file, kName), bitmap);
}

TEST(BmpWriter, EightBitAlwaysWritesTheFullTable) {
    IndexedBitmap indexed;
    indexed.width = 5;
    indexed.height = 2;
    indexed.palette[0] = rgbColor(255, 255, 255);
    indexed.palette[1] = rgbColor(10, 20, 30);
    indexed.indices = {0, 1, 1, 0, 1, 1, 1, 0, 0, 0};
    const QByteArray file = encodeBmp8(indexed);
    ASSERT_EQ(file.size(), 14 + 40 + 1024 + 8 * 2);
    EXPECT_EQ(le32(file, 10), 1078u);
    EXPECT_EQ(le16(file, 28), 8u);
    EXPECT_EQ(le32(file, 46), 256u);
    EXPECT_EQ(file.mid(54 + 4, 4), bytesOf({30, 20, 10, 0})); // entry 1 as B, G, R, 0
    EXPECT_EQ(file.mid(1078, 5), bytesOf({1, 1, 0, 0, 0}));   // bottom row first
    EXPECT_EQ(file.mid(1078 + 8, 5), bytesOf({0, 1, 1, 0, 1}));

    const IndexedBitmap back = decodeBmpIndexed(file, kName);
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.palette, indexed.palette);
    EXPECT_EQ(back.indices, indexed.indices);
    EXPECT_EQ(rgbAt(back.toBitmap(), 1, 0), (Rgb{10, 20, 30}));
    EXPECT_EQ(decodeBmp(file, kName), indexed.toBitmap());
}

TEST(BmpWriter, EmptyAndMismatchedPicturesAreProgrammingErrors) {
    EXPECT_THROW(encodeBmp24(Bitmap()), std::invalid_argument);
    IndexedBitmap indexed;
    indexed.width = 2;
    indexed.height = 2;
    indexed.indices = {0, 0, 0};
    EXPECT_THROW(encodeBmp8(indexed), std::invalid_argument);
    EXPECT_THROW(indexed.toBitmap(), std::invalid_argument);
}

// Files made once with ImageMagick, so the reader is checked against another writer.
TEST(BmpReader, FilesFromAnotherWriter) {
    auto read = [](const char* file) {
        return readPicture(QStringLiteral(VELTMOOR_TEST_DATA "/bmp/") + QLatin1String(file)).bitmap;
    };
    for (const char* file : {"rle8.bmp", "rgb565.bmp", "core.bmp"}) {
        SCOPED_TRACE(file);
        const Bitmap bitmap = read(file);
        ASSERT_EQ(bitmap.width(), 8);
        ASSERT_EQ(bitmap.height(), 4);
        EXPECT_EQ(rgbAt(bitmap, 0, 0), (Rgb{255, 0, 0}));
        EXPECT_EQ(rgbAt(bitmap, 3, 3), (Rgb{255, 0, 0}));
        EXPECT_EQ(rgbAt(bitmap, 4, 0), (Rgb{0, 0, 255}));
        EXPECT_EQ(rgbAt(bitmap, 7, 3), (Rgb{0, 0, 255}));
    }
    // Left half solid red, right half fully transparent: the paper shows.
    const Bitmap alpha = read("alpha.bmp");
    EXPECT_EQ(rgbAt(alpha, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(rgbAt(alpha, 7, 3), (Rgb{255, 255, 255}));
}

} // namespace
} // namespace veltmoor
