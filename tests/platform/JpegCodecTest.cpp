#include "PictureTestHelpers.h"
#include "platform/Exif.h"
#include "platform/PictureFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include <jpeglib.h>

namespace veltmoor {
namespace {

using testing::bytesOf;
using testing::near;
using testing::Rgb;
using testing::rgbAt;
using testing::userErrorOf;

const QString kName = QStringLiteral("/home/ann/Photos/IMG_0001.JPG");

QString dataFile(const char* name) {
    return QStringLiteral(VELTMOOR_TEST_DATA "/jpeg/") + QLatin1String(name);
}

Bitmap blocks(int width, int height, const std::vector<std::vector<Rgb>>& grid) {
    Bitmap bitmap(width, height);
    const int rows = static_cast<int>(grid.size());
    const int columns = static_cast<int>(grid[0].size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& c = grid[y * rows / height][x * columns / width];
            bitmap.setPixel(x, y, pixelFromRgb(c.red, c.green, c.blue));
        }
    }
    return bitmap;
}

Bitmap gradient(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.setPixel(x, y, pixelFromRgb(x * 255 / width, y * 255 / height, 128));
        }
    }
    return bitmap;
}

int largestDifference(const Bitmap& a, const Bitmap& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const Rgb p = rgbAt(a, x, y);
            const Rgb q = rgbAt(b, x, y);
            worst = std::max({worst, std::abs(p.red - q.red), std::abs(p.green - q.green),
                              std::abs(p.blue - q.blue)});
        }
    }
    return worst;
}

// Offset of the first marker FF `code`, or -1.
qsizetype markerOffset(const QByteArray& jpeg, int code) {
    for (qsizetype i = 2; i + 1 < jpeg.size(); ++i) {
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF &&
            static_cast<unsigned char>(jpeg[i + 1]) == code) {
            return i;
        }
    }
    return -1;
}

// A JPEG written with libjpeg directly, for layouts our encoder never produces.
struct RawJpeg {
    J_COLOR_SPACE input = JCS_RGB;
    int components = 3;
    J_COLOR_SPACE stored = JCS_YCbCr;
    bool adobeMarker = true;
    std::vector<jpeg_scan_info> scans;
    int width = 16;
    int height = 16;
    std::vector<std::uint8_t> pixel; // one pixel, repeated over the picture

    QByteArray write() const {
        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        unsigned char* buffer = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = static_cast<JDIMENSION>(width);
        info.image_height = static_cast<JDIMENSION>(height);
        info.input_components = components;
        info.in_color_space = input;
        jpeg_set_defaults(&info);
        jpeg_set_colorspace(&info, stored);
        info.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
        jpeg_set_quality(&info, 100, TRUE);
        for (int i = 0; i < info.num_components; ++i) {
            info.comp_info[i].h_samp_factor = 1;
            info.comp_info[i].v_samp_factor = 1;
        }
        if (!scans.empty()) {
            info.scan_info = scans.data();
            info.num_scans = static_cast<int>(scans.size());
        }
        jpeg_start_compress(&info, TRUE);
        std::vector<std::uint8_t> row;
        for (int x = 0; x < width; ++x) {
            row.insert(row.end(), pixel.begin(), pixel.end());
        }
        while (info.next_scanline < info.image_height) {
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
        std::free(buffer);
        return out;
    }
};

// A progressive script that is valid but long: every AC coefficient of each of the
// three components on its own, first at a coarse bit and then refined bit by bit.
std::vector<jpeg_scan_info> longProgression(int refinements) {
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int component = 0; component < 3; ++component) {
        for (int k = 1; k < 64; ++k) {
            scans.push_back({1, {component, 0, 0, 0}, k, k, 0, refinements});
            for (int al = refinements; al > 0; --al) {
                scans.push_back({1, {component, 0, 0, 0}, k, k, al, al - 1});
            }
        }
    }
    return scans;
}

TEST(JpegCodec, QualityHundredRoundTripStaysCloseToTheSource) {
    const Bitmap source = gradient(64, 48);
    const QByteArray file = encodeJpeg(source);
    const DecodedPicture picture = decodeJpeg(file, kName);
    EXPECT_EQ(picture.width, 64);
    EXPECT_EQ(picture.height, 48);
    ASSERT_EQ(picture.bitmap.width(), 64);
    EXPECT_LE(largestDifference(picture.bitmap, source), 3);
}

TEST(JpegCodec, ColourIsStoredAtFullResolution) {
    const QByteArray file = encodeJpeg(Bitmap(16, 16));
    const qsizetype sof =
        markerOffset(file, 0xC0) >= 0 ? markerOffset(file, 0xC0) : markerOffset(file, 0xC2);
    ASSERT_GE(sof, 0);
    // FF C0, length(2), precision, height(2), width(2), count, then (id, sampling, table).
    ASSERT_EQ(file[sof + 9], 3);
    for (int component = 0; component < 3; ++component) {
        EXPECT_EQ(static_cast<unsigned char>(file[sof + 11 + 3 * component]), 0x11);
    }

    // A one-pixel red line on white keeps its colour and does not tint its neighbours.
    Bitmap line(32, 16);
    for (int y = 0; y < 16; ++y) {
        line.setPixel(13, y, pixelFromRgb(255, 0, 0));
    }
    const Bitmap back = decodeJpeg(encodeJpeg(line), kName).bitmap;
    EXPECT_TRUE(near(rgbAt(back, 13, 8), Rgb{255, 0, 0}, 24));
    EXPECT_TRUE(near(rgbAt(back, 15, 8), Rgb{255, 255, 255}, 24));
}

TEST(JpegCodec, GreyscaleAndProgressiveFilesBecomeRgb) {
    const DecodedPicture grey = readPicture(dataFile("grey.jpg"));
    ASSERT_EQ(grey.width, 16);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {15, 15}, {7, 9}}) {
        EXPECT_TRUE(near(rgbAt(grey.bitmap, x, y), Rgb{100, 100, 100}, 2));
    }
    const DecodedPicture progressive = readPicture(dataFile("progressive.jpg"));
    ASSERT_EQ(progressive.width, 16);
    EXPECT_TRUE(near(rgbAt(progressive.bitmap, 2, 8), Rgb{255, 0, 0}, 12));
    EXPECT_TRUE(near(rgbAt(progressive.bitmap, 13, 8), Rgb{0, 0, 255}, 12));
}

TEST(JpegCodec, CmykAndYcckAreConverted) {
    // Made by ImageMagick from pure red.
    EXPECT_TRUE(near(rgbAt(readPicture(dataFile("cmyk.jpg")).bitmap, 8, 8), Rgb{255, 0, 0}, 10));

    // Adobe files store ink inverted: red (C 0, M 255, Y 255, K 0) is kept as 255 0 0 255,
    // and half black (K 128) over no ink as 255 255 255 127.
    RawJpeg cmyk;
    cmyk.input = JCS_CMYK;
    cmyk.components = 4;
    cmyk.stored = JCS_CMYK;
    cmyk.pixel = {255, 0, 0, 255};
    EXPECT_TRUE(near(rgbAt(decodeJpeg(cmyk.write(), kName).bitmap, 3, 3), Rgb{255, 0, 0}, 6));
    cmyk.pixel = {255, 255, 255, 127};
    EXPECT_TRUE(near(rgbAt(decodeJpeg(cmyk.write(), kName).bitmap, 3, 3), Rgb{127, 127, 127}, 4));

    RawJpeg ycck = cmyk;
    ycck.stored = JCS_YCCK;
    ycck.pixel = {255, 0, 0, 255};
    EXPECT_TRUE(near(rgbAt(decodeJpeg(ycck.write(), kName).bitmap, 3, 3), Rgb{255, 0, 0}, 6));

    // Without the Adobe marker the inks are taken as stored.
    RawJpeg plain = cmyk;
    plain.adobeMarker = false;
    plain.pixel = {0, 255, 255, 0};
    EXPECT_TRUE(near(rgbAt(decodeJpeg(plain.write(), kName).bitmap, 3, 3), Rgb{255, 0, 0}, 6));
}

TEST(JpegCodec, ProgressiveScanCountIsBounded) {
    RawJpeg file;
    file.pixel = {200, 100, 50};
    file.scans = longProgression(1); // 1 + 3 * 63 * 2 = 379 scans: fine
    EXPECT_TRUE(near(rgbAt(decodeJpeg(file.write(), kName).bitmap, 5, 5), Rgb{200, 100, 50}, 4));

    file.scans = longProgression(5); // 1 + 3 * 63 * 6 = 1135 scans
    const QString message = userErrorOf([&] { decodeJpeg(file.write(), kName); }, kName);
    EXPECT_TRUE(message.contains(QLatin1String("scans"))) << message.toStdString();
}

QByteArray exifSegment(int orientation, bool bigEndian) {
    QByteArray tiff;
    auto put16 = [&](int v) {
        if (bigEndian) {
            tiff.append(static_cast<char>(v >> 8)).append(static_cast<char>(v & 0xFF));
        } else {
            tiff.append(static_cast<char>(v & 0xFF)).append(static_cast<char>(v >> 8));
        }
    };
    auto put32 = [&](int v) {
        if (bigEndian) {
            put16(v >> 16);
            put16(v & 0xFFFF);
        } else {
            put16(v & 0xFFFF);
            put16(v >> 16);
        }
    };
    tiff.append(bigEndian ? "MM" : "II");
    put16(42);
    put32(8);      // first directory right after this header
    put16(2);      // two entries: a resolution unit, then the orientation
    put16(0x0128); // ResolutionUnit, SHORT, 1, inches
    put16(3);
    put32(1);
    put16(2);
    put16(0);
    put16(0x0112); // Orientation, SHORT, 1
    put16(3);
    put32(1);
    put16(orientation);
    put16(0);
    put32(0); // no next directory
    return QByteArray("Exif", 4) + QByteArray(2, '\0') + tiff;
}

QByteArray withExif(const QByteArray& jpeg, const QByteArray& segment) {
    QByteArray app1 = bytesOf({0xFF, 0xE1});
    const qsizetype length = segment.size() + 2;
    app1.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF));
    app1.append(segment);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

enum Side { Top, Bottom, Left, Right };
Side opposite(Side s) {
    switch (s) {
    case Top:
        return Bottom;
    case Bottom:
        return Top;
    case Left:
        return Right;
    default:
        return Left;
    }
}

TEST(JpegCodec, ExifOrientationIsApplied) {
    // Where the stored first row and first column end up when the picture is shown,
    // for each orientation value, as the EXIF standard defines them.
    const std::map<int, std::pair<Side, Side>> firstRowAndColumn = {
        {1, {Top, Left}}, {2, {Top, Right}}, {3, {Bottom, Right}}, {4, {Bottom, Left}},
        {5, {Left, Top}}, {6, {Right, Top}}, {7, {Right, Bottom}}, {8, {Left, Bottom}},
    };
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, yellow{255, 255, 0};
    // Stored 32 x 48 (taller than one band of turned rows): red top-left, green
    // top-right, blue bottom-left, yellow bottom-right.
    const QByteArray stored = encodeJpeg(blocks(32, 48, {{red, green}, {blue, yellow}}));

    for (const bool bigEndian : {false, true}) {
        for (const auto& [orientation, sides] : firstRowAndColumn) {
            SCOPED_TRACE(::testing::Message() << "orientation " << orientation
                                              << (bigEndian ? " big-endian" : " little-endian"));
            const DecodedPicture picture =
                decodeJpeg(withExif(stored, exifSegment(orientation, bigEndian)), kName);
            const bool turned = orientation >= 5;
            ASSERT_EQ(picture.width, turned ? 48 : 32);
            ASSERT_EQ(picture.height, turned ? 32 : 48);
            ASSERT_EQ(picture.bitmap.width(), picture.width);
            ASSERT_EQ(picture.bitmap.height(), picture.height);

            const auto [rowSide, columnSide] = sides;
            auto colourAt = [&](Side a, Side b) {
                const bool top = a == Top || b == Top;
                const bool left = a == Left || b == Left;
                const int x = left ? 2 : picture.width - 3;
                const int y = top ? 2 : picture.height - 3;
                return rgbAt(picture.bitmap, x, y);
            };
            EXPECT_TRUE(near(colourAt(rowSide, columnSide), red, 8));
            EXPECT_TRUE(near(colourAt(rowSide, opposite(columnSide)), green, 8));
            EXPECT_TRUE(near(colourAt(opposite(rowSide), columnSide), blue, 8));
            EXPECT_TRUE(near(colourAt(opposite(rowSide), opposite(columnSide)), yellow, 8));
        }
    }
}

TEST(JpegCodec, ExifParserRejectsMalformedSegments) {
    auto orientationOf = [](const QByteArray& segment) {
        return exifOrientation(reinterpret_cast<const std::uint8_t*>(segment.constData()),
                               static_cast<std::size_t>(segment.size()));
    };
    const QByteArray good = exifSegment(6, false);
    EXPECT_EQ(orientationOf(good), 6);
    EXPECT_EQ(orientationOf(exifSegment(8, true)), 8);
    EXPECT_EQ(orientationOf(exifSegment(9, true)), 1);
    EXPECT_EQ(orientationOf(exifSegment(0, false)), 1);
    EXPECT_EQ(orientationOf(QByteArray("http://ns.adobe.com/xap/1.0/")), 1);
    EXPECT_EQ(exifOrientation(nullptr, 0), 1);
    // Cut anywhere before the orientation entry is complete: nothing is read past the
    // end and nothing is made up.
    for (qsizetype cut = 0; cut < 6 + 8 + 2 + 12 + 10; ++cut) {
        EXPECT_EQ(orientationOf(good.left(cut)), 1) << cut;
    }
    QByteArray farDirectory = good;
    farDirectory[6 + 4] = '\x70'; // directory offset 0x70, past the end
    EXPECT_EQ(orientationOf(farDirectory), 1);
    QByteArray manyEntries = good;
    manyEntries[6 + 8] = '\xFF'; // 0xFFFF entries claimed; the list ends after two
    manyEntries[6 + 9] = '\xFF';
    EXPECT_EQ(orientationOf(manyEntries), 6); // found before the list runs out
    QByteArray wrongType = good;
    wrongType[6 + 8 + 2 + 12 + 2] = 4; // LONG instead of SHORT
    EXPECT_EQ(orientationOf(wrongType), 1);
    QByteArray badMagic = good;
    badMagic[6 + 2] = 43;
    EXPECT_EQ(orientationOf(badMagic), 1);
}

TEST(JpegCodec, ReducedDecodeKeepsTheTrueSize) {
    const QByteArray file = encodeJpeg(gradient(64, 48));
    struct Case {
        int neededWidth, neededHeight, bitmapWidth, bitmapHeight;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 64, 48},
                                           {8, 6, 8, 6},
                                           {16, 12, 16, 12},
                                           {17, 12, 32, 24},
                                           {16, 13, 32, 24},
                                           {33, 1, 64, 48},
                                           {64, 48, 64, 48},
                                           {100, 100, 64, 48},
                                           {16, 0, 16, 12},
                                           {0, 7, 16, 12}}) {
        SCOPED_TRACE(::testing::Message() << c.neededWidth << " x " << c.neededHeight);
        const DecodedPicture picture = decodeJpeg(file, kName, {c.neededWidth, c.neededHeight});
        EXPECT_EQ(picture.width, 64);
        EXPECT_EQ(picture.height, 48);
        EXPECT_EQ(picture.bitmap.width(), c.bitmapWidth);
        EXPECT_EQ(picture.bitmap.height(), c.bitmapHeight);
    }
    // A reduced picture still looks like the picture: its corners keep their colours.
    const DecodedPicture quarter = decodeJpeg(file, kName, {16, 12});
    // The last pixel averages source columns 60..63 and rows 44..47.
    EXPECT_TRUE(near(rgbAt(quarter.bitmap, 15, 11), Rgb{245, 241, 128}, 8));

    // The needed size is in shown orientation: a quarter turn swaps what must be covered.
    const QByteArray turned = withExif(file, exifSegment(6, false));
    const DecodedPicture shown = decodeJpeg(turned, kName, {12, 16});
    EXPECT_EQ(shown.width, 48);
    EXPECT_EQ(shown.height, 64);
    EXPECT_EQ(shown.bitmap.width(), 12);
    EXPECT_EQ(shown.bitmap.height(), 16);
    EXPECT_EQ(decodeJpeg(turned, kName, {13, 16}).bitmap.width(), 24);
}

TEST(JpegCodec, DamagedFilesAreRefusedWithTheirName) {
    const QByteArray file = encodeJpeg(gradient(64, 48));
    const qsizetype sos = markerOffset(file, 0xDA);
    const qsizetype sof = markerOffset(file, 0xC0);
    ASSERT_GT(sos, 0);
    ASSERT_GT(sof, 0);
    auto patched = [&](qsizetype at, std::initializer_list<int> values) {
        QByteArray copy = file;
        for (const int v : values) {
            copy[at++] = static_cast<char>(v);
        }
        return copy;
    };
    QByteArray progressive;
    {
        QFile in(dataFile("progressive.jpg"));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        progressive = in.readAll();
    }
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* expectedWords;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray(), "empty"},
        {"start marker only", file.left(3), "damaged"},
        {"cut in the tables", file.left(40), "damaged"},
        {"cut after the scan header", file.left(sos + 14), "damaged"},
        {"cut in the middle", file.left(file.size() / 2), "damaged"},
        {"end marker missing", file.left(file.size() - 2), "damaged"},
        {"progressive cut in the middle", progressive.left(progressive.size() / 2), "damaged"},
        {"bad marker length", patched(2, {0xFF, 0xDB, 0x00, 0x01}), "damaged"},
        {"huge", patched(sof + 5, {0x4E, 0x20, 0x4E, 0x20}), "too large (20000 x 20000 pixels)"},
        {"zero height", patched(sof + 5, {0, 0}), "damaged"},
        {"twelve-bit samples", patched(sof + 4, {12}), "not a picture this program can read"},
        {"data replaced by a marker", patched(sos + 40, {0xFF, 0xD9}), "damaged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString message = userErrorOf([&] { decodeJpeg(c.bytes, kName); }, kName);
        EXPECT_TRUE(message.contains(QLatin1String(c.expectedWords))) << message.toStdString();
    }
}

TEST(JpegCodec, PaddingBeforeTheEndMarkerIsHarmless) {
    const Bitmap source = gradient(16, 16);
    const QByteArray file = encodeJpeg(source);
    const QByteArray padded = file.left(file.size() - 2) + QByteArray(5, '\0') + file.right(2);
    EXPECT_LE(largestDifference(decodeJpeg(padded, kName).bitmap, source), 3);
}

} // namespace
} // namespace veltmoor
