#include "output/SheetPdf.h"

#include "platform/OnAllCores.h"
#include "platform/Units.h"

#include <libdeflate.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <utility>

namespace veltmoor {

namespace {

// Measured on sheets of photographs: the average predictor with deflate's fastest level
// compresses at about twice the speed of Paeth at level 2, for a file at most an eighth
// larger than the same sheet as PNG.
constexpr int kCompressionLevel = 1;
constexpr std::uint8_t kAveragePredictor = 3;

struct CompressorDeleter {
    void operator()(libdeflate_compressor* compressor) const {
        libdeflate_free_compressor(compressor);
    }
};
using Compressor = std::unique_ptr<libdeflate_compressor, CompressorDeleter>;

// One row of pixels as RGB bytes.
void unpackRgb(const Pixel* __restrict pixels, std::size_t width, std::uint8_t* __restrict rgb) {
    for (std::size_t x = 0; x < width; ++x) {
        rgb[3 * x] = static_cast<std::uint8_t>(redOfPixel(pixels[x]));
        rgb[3 * x + 1] = static_cast<std::uint8_t>(greenOfPixel(pixels[x]));
        rgb[3 * x + 2] = static_cast<std::uint8_t>(blueOfPixel(pixels[x]));
    }
}

// Each RGB byte less the average of its left and upper neighbours. The pointers never
// overlap; saying so lets the compiler work on many bytes at once, which halves the time a
// sheet spends here.
void predictAverage(const std::uint8_t* __restrict current, const std::uint8_t* __restrict above,
                    std::size_t bytes, std::uint8_t* __restrict target) {
    for (std::size_t byte = 0; byte < std::min<std::size_t>(3, bytes); ++byte) {
        target[byte] = static_cast<std::uint8_t>(current[byte] - above[byte] / 2);
    }
    for (std::size_t byte = 3; byte < bytes; ++byte) {
        target[byte] =
            static_cast<std::uint8_t>(current[byte] - (current[byte - 3] + above[byte]) / 2);
    }
}

// The strip's rows as the PNG predictor stores them: a filter byte, then each RGB byte less
// the average of its left and upper neighbours (zero outside the strip).
void predictRows(const Bitmap& sheet, const StripOnPaper& strip, std::vector<std::uint8_t>& out) {
    const std::size_t rgbBytes = 3 * static_cast<std::size_t>(sheet.width());
    const std::size_t rowBytes = 1 + rgbBytes;
    out.resize(rowBytes * static_cast<std::size_t>(strip.rowCount));
    std::vector<std::uint8_t> above(rgbBytes, 0);
    std::vector<std::uint8_t> current(rgbBytes);
    for (int row = 0; row < strip.rowCount; ++row) {
        unpackRgb(sheet.row(strip.firstRow + row), static_cast<std::size_t>(sheet.width()),
                  current.data());
        std::uint8_t* target = out.data() + rowBytes * static_cast<std::size_t>(row);
        target[0] = kAveragePredictor;
        predictAverage(current.data(), above.data(), rgbBytes, target + 1);
        above.swap(current);
    }
}

// Each worker's buffers, reused from strip to strip.
struct StripScratch {
    std::vector<std::uint8_t> predicted;
    std::vector<char> compressed;
};

QByteArray compressStrip(libdeflate_compressor* compressor, const Bitmap& sheet,
                         const StripOnPaper& strip, StripScratch& scratch) {
    predictRows(sheet, strip, scratch.predicted);
    scratch.compressed.resize(libdeflate_zlib_compress_bound(compressor, scratch.predicted.size()));
    const std::size_t size =
        libdeflate_zlib_compress(compressor, scratch.predicted.data(), scratch.predicted.size(),
                                 scratch.compressed.data(), scratch.compressed.size());
    if (size == 0) {
        throw std::bad_alloc(); // the bound is a guarantee; this never happens
    }
    // Only the compressed bytes are kept: a strip's worst case is its whole size.
    return QByteArray(scratch.compressed.data(), static_cast<qsizetype>(size));
}

// Every strip compressed, in the strips' order, with the work shared by the cores.
std::vector<QByteArray> compressStrips(const Bitmap& sheet,
                                       const std::vector<StripOnPaper>& strips) {
    std::vector<QByteArray> compressed(strips.size());
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&] {
        try {
            const Compressor compressor(libdeflate_alloc_compressor(kCompressionLevel));
            if (!compressor) {
                throw std::bad_alloc();
            }
            StripScratch scratch;
            for (std::size_t index = next++; index < strips.size(); index = next++) {
                compressed[index] = compressStrip(compressor.get(), sheet, strips[index], scratch);
            }
        } catch (...) {
            const std::lock_guard lock(failureLock);
            failure = std::current_exception();
            next = strips.size();
        }
    };
    runOnAllCores(strips.size(), work);
    if (failure) {
        std::rethrow_exception(failure);
    }
    return compressed;
}

// Lengths on the page in ten-thousandths of a point, so that an edge two strips share is
// written as the same number for both.
using PagePosition = long long;
constexpr double kPositionsPerPoint = 10000;

PagePosition pagePosition(double dots, int dotsPerInch) {
    return std::llround(units::pointsFromPrinterDots(dots, dotsPerInch) * kPositionsPerPoint);
}

QByteArray points(PagePosition position) {
    const PagePosition whole = std::llabs(position) / 10000;
    const PagePosition fraction = std::llabs(position) % 10000;
    QByteArray text = position < 0 ? "-" : "";
    text += QByteArray::number(whole);
    if (fraction != 0) {
        QByteArray digits = QByteArray::number(fraction).rightJustified(4, '0');
        while (digits.endsWith('0')) {
            digits.chop(1);
        }
        text += '.' + digits;
    }
    return text;
}

// The page's drawing: each strip's image stretched over its rectangle. PDF's y runs up from
// the paper's bottom edge.
QByteArray pageContent(const std::vector<StripOnPaper>& strips, const SheetPdfPage& page) {
    const PagePosition paperHeight = std::llround(page.paperPoints.height() * kPositionsPerPoint);
    QByteArray content;
    for (std::size_t index = 0; index < strips.size(); ++index) {
        const QRectF& rect = strips[index].onPaper;
        const PagePosition left = pagePosition(rect.left(), page.dotsPerInchX);
        const PagePosition right = pagePosition(rect.right(), page.dotsPerInchX);
        const PagePosition top = paperHeight - pagePosition(rect.top(), page.dotsPerInchY);
        const PagePosition bottom = paperHeight - pagePosition(rect.bottom(), page.dotsPerInchY);
        content += "q " + points(right - left) + " 0 0 " + points(top - bottom) + ' ' +
                   points(left) + ' ' + points(bottom) + " cm /S" + QByteArray::number(index) +
                   " Do Q\n";
    }
    return content;
}

// A text string of the document information: UTF-16 with its byte-order mark, in hex, so
// that no title can break out of the string.
QByteArray textString(const QString& text) {
    QByteArray utf16 = "\xFE\xFF";
    for (const QChar character : text) {
        utf16 += static_cast<char>(character.unicode() >> 8);
        utf16 += static_cast<char>(character.unicode() & 0xFF);
    }
    return '<' + utf16.toHex() + '>';
}

// The strips cut to the sheet's rows, each keeping its place on the paper for the rows it
// keeps; a strip with no rows or no area is not drawn.
std::vector<StripOnPaper> withinSheet(const Bitmap& sheet,
                                      const std::vector<StripOnPaper>& strips) {
    std::vector<StripOnPaper> within;
    for (StripOnPaper strip : strips) {
        if (strip.rowCount <= 0) {
            continue;
        }
        const std::int64_t first = strip.firstRow;
        const std::int64_t end = first + strip.rowCount;
        const std::int64_t keptFirst = std::clamp<std::int64_t>(first, 0, sheet.height());
        const std::int64_t keptEnd = std::clamp<std::int64_t>(end, keptFirst, sheet.height());
        const double rowHeight = strip.onPaper.height() / static_cast<double>(strip.rowCount);
        strip.onPaper.setTop(strip.onPaper.top() +
                             static_cast<double>(keptFirst - first) * rowHeight);
        strip.onPaper.setBottom(strip.onPaper.bottom() -
                                static_cast<double>(end - keptEnd) * rowHeight);
        strip.firstRow = static_cast<int>(keptFirst);
        strip.rowCount = static_cast<int>(keptEnd - keptFirst);
        // A strip of no area would be an image squeezed to nothing, which some printers'
        // software refuses.
        if (strip.rowCount > 0 && sheet.width() > 0 && !strip.onPaper.isEmpty()) {
            within.push_back(strip);
        }
    }
    return within;
}

// A strip of white paper prints nothing: it need not be in the file at all.
bool isWhite(const Bitmap& sheet, const StripOnPaper& strip) {
    const auto white = [](Pixel pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; };
    for (int row = strip.firstRow; row < strip.firstRow + strip.rowCount; ++row) {
        const Pixel* pixels = sheet.row(row);
        if (!std::all_of(pixels, pixels + sheet.width(), white)) {
            return false;
        }
    }
    return true;
}

} // namespace

SheetPdfWriter::SheetPdfWriter(Sink sink, const QString& title, const QString& creator)
    : sink_(std::move(sink)), title_(title), creator_(creator) {
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

int SheetPdfWriter::newObject() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size());
}

void SheetPdfWriter::write(const QByteArray& bytes) {
    sink_(bytes);
    written_ += bytes.size();
}

void SheetPdfWriter::object(int number, const QByteArray& body) {
    offsets_[static_cast<std::size_t>(number) - 1] = written_;
    write(QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n");
}

void SheetPdfWriter::stream(int number, const QByteArray& dictionary, const QByteArray& data) {
    offsets_[static_cast<std::size_t>(number) - 1] = written_;
    write(QByteArray::number(number) + " 0 obj\n<< " + dictionary + " /Length " +
          QByteArray::number(data.size()) + " >>\nstream\n");
    write(data);
    write("\nendstream\nendobj\n");
}

int SheetPdfWriter::sharedImage(const Bitmap& sheet, const StripOnPaper& strip) const {
    if (previousSheet_.width() != sheet.width() || previousSheet_.height() != sheet.height()) {
        return 0;
    }
    const auto earlier = std::find_if(previousStrips_.begin(), previousStrips_.end(),
                                      [&](const WrittenStrip& written) {
                                          return written.strip.firstRow == strip.firstRow &&
                                                 written.strip.rowCount == strip.rowCount &&
                                                 written.strip.onPaper == strip.onPaper;
                                      });
    if (earlier == previousStrips_.end()) {
        return 0;
    }
    const std::size_t rowBytes = sizeof(Pixel) * static_cast<std::size_t>(sheet.width());
    for (int row = strip.firstRow; row < strip.firstRow + strip.rowCount; ++row) {
        if (std::memcmp(sheet.row(row), previousSheet_.row(row), rowBytes) != 0) {
            return 0;
        }
    }
    return earlier->image;
}

void SheetPdfWriter::rememberSheet(const Bitmap& sheet, const std::vector<StripOnPaper>& strips,
                                   const std::vector<int>& images) {
    previousSheet_ = sheet;
    previousStrips_.clear();
    for (std::size_t index = 0; index < strips.size(); ++index) {
        previousStrips_.push_back({strips[index], images[index]});
    }
}

void SheetPdfWriter::addSheet(const Bitmap& sheet, const std::vector<StripOnPaper>& requestedStrips,
                              const SheetPdfPage& page, int pages) {
    std::vector<StripOnPaper> strips = withinSheet(sheet, requestedStrips);
    if (page.leaveOutWhiteStrips) {
        std::erase_if(strips, [&](const StripOnPaper& strip) { return isWhite(sheet, strip); });
    }
    // Each strip's image: shared with the sheet before, or one of the fresh ones.
    std::vector<int> images(strips.size(), 0);
    std::vector<StripOnPaper> fresh;
    for (std::size_t index = 0; index < strips.size(); ++index) {
        images[index] = page.shareRepeatedStrips ? sharedImage(sheet, strips[index]) : 0;
        if (images[index] == 0) {
            fresh.push_back(strips[index]);
        }
    }
    const std::vector<QByteArray> compressed = compressStrips(sheet, fresh);
    const int content = newObject();
    const int resources = newObject();
    stream(content, "", pageContent(strips, page));
    QByteArray xObjects;
    const QByteArray width = QByteArray::number(sheet.width());
    std::size_t nextFresh = 0;
    for (std::size_t index = 0; index < strips.size(); ++index) {
        if (images[index] == 0) {
            images[index] = newObject();
            stream(images[index],
                   "/Type /XObject /Subtype /Image /Width " + width + " /Height " +
                       QByteArray::number(strips[index].rowCount) +
                       " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode "
                       "/DecodeParms << /Predictor 15 /Colors 3 /BitsPerComponent 8 /Columns " +
                       width + " >>",
                   compressed[nextFresh++]);
        }
        xObjects += "/S" + QByteArray::number(index) + ' ' + reference(images[index]) + ' ';
    }
    if (page.shareRepeatedStrips) {
        rememberSheet(sheet, strips, images);
    }
    object(resources, "<< /XObject << " + xObjects + ">> >>");
    const QByteArray mediaBox =
        "[0 0 " + points(std::llround(page.paperPoints.width() * kPositionsPerPoint)) + ' ' +
        points(std::llround(page.paperPoints.height() * kPositionsPerPoint)) + ']';
    for (int index = 0; index < pages; ++index) {
        const int pageObject = newObject();
        kids_ += reference(pageObject) + ' ';
        ++pageCount_;
        object(pageObject, "<< /Type /Page /Parent " + reference(kPageTree) + " /MediaBox " +
                               mediaBox + " /Resources " + reference(resources) + " /Contents " +
                               reference(content) + " >>");
    }
}

void SheetPdfWriter::finish() {
    object(kCatalog, "<< /Type /Catalog /Pages " + reference(kPageTree) + " >>");
    object(kPageTree, "<< /Type /Pages /Kids [ " + kids_ + "] /Count " +
                          QByteArray::number(pageCount_) + " >>");
    object(kInfo, "<< /Title " + textString(title_) + " /Creator " + textString(creator_) +
                      " /Producer " + textString(creator_) + " >>");
    const qint64 table = written_;
    const QByteArray count = QByteArray::number(static_cast<qsizetype>(offsets_.size()) + 1);
    QByteArray tail = "xref\n0 " + count + "\n0000000000 65535 f \n";
    for (const qint64 offset : offsets_) {
        tail += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    tail += "trailer\n<< /Size " + count + " /Root " + reference(kCatalog) + " /Info " +
            reference(kInfo) + " >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    write(tail);
}

QByteArray SheetPdfWriter::reference(int number) {
    return QByteArray::number(number) + " 0 R";
}

QByteArray sheetPdf(const Bitmap& sheet, const std::vector<StripOnPaper>& strips,
                    const SheetPdfPage& page, int pages) {
    QByteArray pdf;
    // The whole sheet uncompressed is more than enough: the images are copied in once.
    pdf.reserve(static_cast<qsizetype>(sheet.width()) * sheet.height() / 2 + 4096);
    SheetPdfWriter writer([&pdf](const QByteArray& bytes) { pdf += bytes; }, page.title,
                          page.creator);
    writer.addSheet(sheet, strips, page, pages);
    writer.finish();
    return pdf;
}

} // namespace veltmoor
