#include "platform/PictureFile.h"

#include "platform/PictureErrors.h"
#include "platform/WholeFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageIOHandler>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <limits>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltmoor {

namespace {

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> prefix) {
    if (bytes.size() < static_cast<qsizetype>(prefix.size())) {
        return false;
    }
    qsizetype i = 0;
    for (const unsigned char expected : prefix) {
        if (static_cast<unsigned char>(bytes[i++]) != expected) {
            return false;
        }
    }
    return true;
}

// Transparent parts of a PNG, GIF or WebP show the paper, as they would when printed.
Bitmap composeOverWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return Bitmap::fromQImage(image);
    }
    QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    Bitmap bitmap(straight.width(), straight.height());
    for (int y = 0; y < straight.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        Pixel* target = bitmap.row(y);
        for (int x = 0; x < straight.width(); ++x) {
            const int alpha = qAlpha(source[x]);
            auto over = [alpha](int channel) {
                return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
            };
            target[x] = pixelFromRgb(over(qRed(source[x])), over(qGreen(source[x])),
                                     over(qBlue(source[x])));
        }
    }
    return bitmap;
}

// Qt's PNG reader takes a cut-off file for a whole one, and libpng can spend seconds on a
// chunk whose length runs past the end of the data; walking a PNG's chunks first turns both
// into a plain "damaged". Other formats pass untouched.
void checkPngChunks(const QByteArray& bytes, const QString& name) {
    if (!startsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) {
        return;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    std::size_t pos = 8; // the signature
    while (size - pos >= 12) {
        const std::size_t length = (std::size_t{data[pos]} << 24) |
                                   (std::size_t{data[pos + 1]} << 16) |
                                   (std::size_t{data[pos + 2]} << 8) | data[pos + 3];
        const bool end = std::memcmp(data + pos + 4, "IEND", 4) == 0;
        if (length > size - pos - 12) {
            picture_errors::damaged(name, QStringLiteral("the file ends inside a PNG chunk"));
        }
        pos += 12 + length;
        if (end) {
            return;
        }
    }
    picture_errors::damaged(name, QStringLiteral("the file ends before the PNG end marker"));
}

// Qt's reader over bytes in memory, turning pictures as their files ask.
class QtReader {
public:
    explicit QtReader(const QByteArray& bytes) {
        buffer_.setData(bytes);
        buffer_.open(QIODevice::ReadOnly);
        reader_.setDevice(&buffer_);
        reader_.setAutoTransform(true);
        reader_.setDecideFormatFromContent(true);
    }
    QImageReader& operator*() { return reader_; }
    QImageReader* operator->() { return &reader_; }

private:
    QBuffer buffer_;
    QImageReader reader_;
};

// Qt refuses to allocate more than its own limit (128 MB) and then calls a valid picture
// unreadable. Our pixel limit is the one that counts, checked on the size the file claims;
// Qt's is raised so that a picture within the caller's limit never reaches it. Not every
// format claims a size before decoding (an icon file holding a PNG does not), so Qt's limit
// is the only guard there: it is raised no further than the caller's limit needs, at the
// widest pixel a photo reader gives (16 bits a channel with alpha), and never lowered, since
// other threads may be decoding.
void allowPicturesWithin(std::int64_t maxPixels) {
    constexpr std::int64_t kWidestPixelBytes = 8;
    constexpr std::int64_t kMegabyte = 1 << 20;
    static std::mutex raising;
    const std::int64_t wanted = maxPixels * kWidestPixelBytes / kMegabyte + 1;
    const std::lock_guard<std::mutex> lock(raising);
    if (wanted > QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(
            static_cast<int>(std::min<std::int64_t>(wanted, std::numeric_limits<int>::max())));
    }
}

DecodedPicture decodeWithQt(const QByteArray& bytes, const QString& name,
                            const PictureReadOptions& options) {
    allowPicturesWithin(options.maxPixels);
    QtReader qtReader(bytes);
    QImageReader& reader = *qtReader;
    if (!reader.canRead()) {
        picture_errors::notReadable(name);
    }
    const QSize claimed = reader.size();
    if (claimed.isValid()) {
        picture_errors::checkPictureSize(name, claimed.width(), claimed.height(),
                                         options.maxPixels);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        const QString reason = reader.errorString();
        picture_errors::damaged(name, reason.isEmpty() ? QStringLiteral("it cannot be decoded")
                                                       : reason.toLower());
    }
    picture_errors::checkPictureSize(name, image.width(), image.height(), options.maxPixels);
    DecodedPicture picture;
    picture.bitmap = composeOverWhite(image);
    picture.width = image.width();
    picture.height = image.height();
    return picture;
}

void requirePixels(const QString& path, int width, int height) {
    if (width <= 0 || height <= 0) {
        picture_errors::cannotWrite(path, QStringLiteral("the picture has no pixels"));
    }
}

// The encoders report impossible sizes as exceptions without a file name.
template <typename Encode> QByteArray encodeFor(const QString& path, const Encode& encode) {
    try {
        return encode();
    } catch (const std::bad_alloc&) {
        picture_errors::cannotWrite(path, QStringLiteral("there is not enough memory"));
    } catch (const std::length_error& error) {
        picture_errors::cannotWrite(path, QString::fromUtf8(error.what()));
    } catch (const std::runtime_error& error) {
        picture_errors::cannotWrite(path, QString::fromUtf8(error.what()));
    }
}

enum class Format { Jpeg, Bmp, Other };

// Our own readers by content; Qt's for everything else. An empty file is refused here.
Format formatOf(const QByteArray& bytes, const QString& name) {
    if (bytes.isEmpty()) {
        picture_errors::damaged(name, QStringLiteral("the file is empty"));
    }
    if (startsWith(bytes, {0xFF, 0xD8, 0xFF})) {
        return Format::Jpeg;
    }
    if (startsWith(bytes, {'B', 'M'})) {
        return Format::Bmp;
    }
    return Format::Other;
}

// What a file that is no regular file is, in the user's words.
QString kindOfSpecialFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        return QStringLiteral("a folder");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("a device");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("a pipe");
    }
    return QStringLiteral("no ordinary file");
}

// Only a regular file of a size some picture within the limit can have is read: a device
// such as /dev/zero never ends and a named pipe waits for a writer, so the file is opened
// without waiting and looked at before a byte is read.
QByteArray readWholeFile(const QString& path, std::int64_t maxPixels) {
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        picture_errors::cannotOpen(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        picture_errors::notAPictureFile(path, kindOfSpecialFile(status.st_mode));
    }
    if (status.st_size > maxPictureFileBytes(maxPixels)) {
        ::close(descriptor);
        picture_errors::fileTooLarge(path, status.st_size);
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        picture_errors::cannotOpen(path, file.errorString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        picture_errors::cannotOpen(path, file.errorString());
    }
    return bytes;
}

} // namespace

DecodedPicture decodePicture(const QByteArray& bytes, const QString& nameForMessages,
                             PictureReadOptions options) {
    switch (formatOf(bytes, nameForMessages)) {
    case Format::Jpeg:
        return decodeJpeg(bytes, nameForMessages, options);
    case Format::Bmp: {
        DecodedPicture picture;
        picture.bitmap = decodeBmp(bytes, nameForMessages, options);
        picture.width = picture.bitmap.width();
        picture.height = picture.bitmap.height();
        return picture;
    }
    case Format::Other:
        break;
    }
    checkPngChunks(bytes, nameForMessages);
    return decodeWithQt(bytes, nameForMessages, options);
}

PictureHeader decodePictureHeader(const QByteArray& bytes, const QString& nameForMessages,
                                  PictureReadOptions options) {
    switch (formatOf(bytes, nameForMessages)) {
    case Format::Jpeg:
        return decodeJpegHeader(bytes, nameForMessages, options);
    case Format::Bmp:
        return decodeBmpHeader(bytes, nameForMessages, options);
    case Format::Other:
        break;
    }
    checkPngChunks(bytes, nameForMessages);
    QtReader reader(bytes);
    QSize size = reader->size();
    if (!size.isValid()) {
        return {};
    }
    picture_errors::checkPictureSize(nameForMessages, size.width(), size.height(),
                                     options.maxPixels);
    if (reader->transformation() & QImageIOHandler::TransformationRotate90) {
        size.transpose();
    }
    return {size.width(), size.height(), size.width(), size.height()};
}

DecodedPicture readPicture(const QString& path, PictureReadOptions options) {
    return decodePicture(readWholeFile(path, options.maxPixels), path, options);
}

PictureHeader readPictureHeader(const QString& path, PictureReadOptions options) {
    return decodePictureHeader(readWholeFile(path, options.maxPixels), path, options);
}

void writeBmp24(const QString& path, const Bitmap& bitmap, int dotsPerInch) {
    requirePixels(path, bitmap.width(), bitmap.height());
    writeWholeFile(path, encodeFor(path, [&] { return encodeBmp24(bitmap, dotsPerInch); }));
}

void writeBmp8(const QString& path, const IndexedBitmap& bitmap) {
    requirePixels(path, bitmap.width, bitmap.height);
    writeWholeFile(path, encodeFor(path, [&] { return encodeBmp8(bitmap); }));
}

void writeJpeg(const QString& path, const Bitmap& bitmap, int quality, int dotsPerInch) {
    requirePixels(path, bitmap.width(), bitmap.height());
    writeWholeFile(path, encodeFor(path, [&] { return encodeJpeg(bitmap, quality, dotsPerInch); }));
}

void writePng(const QString& path, const Bitmap& bitmap, int dotsPerInch) {
    requirePixels(path, bitmap.width(), bitmap.height());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QImage image = bitmap.toQImage();
    if (dotsPerInch > 0) {
        image.setDotsPerMeterX(dotsPerMetre(dotsPerInch));
        image.setDotsPerMeterY(dotsPerMetre(dotsPerInch));
    }
    if (!writer.write(image)) {
        picture_errors::cannotWrite(path, writer.errorString().toLower());
    }
    buffer.close();
    writeWholeFile(path, bytes);
}

} // namespace veltmoor
