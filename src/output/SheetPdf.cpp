#include "output/SheetPdf.h"

#include "platform/OnAllCores.h"
#include "platform/Units.h"

#include <libdeflate.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <new>

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

// The strip's rows as the PNG predictor stores them: a filter byte, then each RGB byte less
// the average of its left and upper neighbours (zero outside the strip).
void predictRows(const Bitmap& sheet, const StripOnPaper& strip, std::vector<std::uint8_t>& out) {
    const std::size_t width = static_cast<std::size_t>(sheet.width());
    const std::size_t rowBytes = 1 + 3 * width;
    out.resize(rowBytes * static_cast<std::size_t>(strip.rowCount));
    std::vector<std::uint8_t> above(3 * width, 0);
    std::vector<std::uint8_t> current(3 * width);
    for (int row = 0; row < strip.rowCount; ++row) {
        const Pixel* pixels = sheet.row(strip.firstRow + row);
        for (std::size_t x = 0; x < width; ++x) {
            current[3 * x] = static_cast<std::uint8_t>(redOfPixel(pixels[x]));
            current[3 * x + 1] = static_cast<std::uint8_t>(greenOfPixel(pixels[x]));
            current[3 * x + 2] = static_cast<std::uint8_t>(blueOfPixel(pixels[x]));
        }
        std::uint8_t* target = out.data() + rowBytes * static_cast<std::size_t>(row);
        target[0] = kAveragePredictor;
        for (std::size_t byte = 0; byte < 3 * width; ++byte) {
            const int left = byte >= 3 ? current[byte - 3] : 0;
            target[1 + byte] = static_cast<std::uint8_t>(current[byte] - (left + above[byte]) / 2);
        }
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

// Numbers the objects and records where each begins, for the cross-reference table.
class PdfFile {
public:
    PdfFile() { bytes_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    // Room for this many bytes more, so that the images are copied in once.
    void reserve(qsizetype bytes) { bytes_.reserve(bytes_.size() + bytes); }

    void object(int number, const QByteArray& body) {
        begin(number);
        bytes_ += body;
        bytes_ += "\nendobj\n";
    }

    void stream(int number, const QByteArray& dictionary, const QByteArray& data) {
        begin(number);
        bytes_ +=
            "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n";
        bytes_ += data;
        bytes_ += "\nendstream\nendobj\n";
    }

    QByteArray finish(int catalog, int info) {
        const qsizetype table = bytes_.size();
        const QByteArray count = QByteArray::number(static_cast<qsizetype>(offsets_.size()) + 1);
        bytes_ += "xref\n0 " + count + "\n0000000000 65535 f \n";
        for (const qsizetype offset : offsets_) {
            bytes_ += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        }
        bytes_ += "trailer\n<< /Size " + count + " /Root " + reference(catalog) + " /Info " +
                  reference(info) + " >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
        return bytes_;
    }

    static QByteArray reference(int number) { return QByteArray::number(number) + " 0 R"; }

private:
    void begin(int number) {
        if (offsets_.size() < static_cast<std::size_t>(number)) {
            offsets_.resize(static_cast<std::size_t>(number), 0);
        }
        offsets_[static_cast<std::size_t>(number) - 1] = bytes_.size();
        bytes_ += QByteArray::number(number) + " 0 obj\n";
    }

    QByteArray bytes_;
    std::vector<qsizetype> offsets_;
};

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

} // namespace

QByteArray sheetPdf(const Bitmap& sheet, const std::vector<StripOnPaper>& requestedStrips,
                    const SheetPdfPage& page, int pages) {
    const std::vector<StripOnPaper> strips = withinSheet(sheet, requestedStrips);
    const std::vector<QByteArray> images = compressStrips(sheet, strips);
    PdfFile pdf;
    // The images, and for every strip and page a line or two.
    qsizetype imageBytes = 0;
    for (const QByteArray& image : images) {
        imageBytes += image.size();
    }
    pdf.reserve(imageBytes + 400 * static_cast<qsizetype>(images.size()) + 100 * pages + 4096);
    const int catalog = 1;
    const int pageTree = 2;
    const int info = 3;
    const int content = 4;
    const int resources = 5;
    const int firstImage = 6;
    const int firstPage = firstImage + static_cast<int>(images.size());

    pdf.object(catalog, "<< /Type /Catalog /Pages " + PdfFile::reference(pageTree) + " >>");
    QByteArray kids;
    for (int index = 0; index < pages; ++index) {
        kids += PdfFile::reference(firstPage + index) + ' ';
    }
    pdf.object(pageTree,
               "<< /Type /Pages /Kids [ " + kids + "] /Count " + QByteArray::number(pages) + " >>");
    pdf.object(info, "<< /Title " + textString(page.title) + " /Creator " +
                         textString(page.creator) + " /Producer " + textString(page.creator) +
                         " >>");
    pdf.stream(content, "", pageContent(strips, page));
    QByteArray xObjects;
    for (std::size_t index = 0; index < images.size(); ++index) {
        xObjects += "/S" + QByteArray::number(index) + ' ' +
                    PdfFile::reference(firstImage + static_cast<int>(index)) + ' ';
    }
    pdf.object(resources, "<< /XObject << " + xObjects + ">> >>");
    const QByteArray width = QByteArray::number(sheet.width());
    for (std::size_t index = 0; index < images.size(); ++index) {
        pdf.stream(firstImage + static_cast<int>(index),
                   "/Type /XObject /Subtype /Image /Width " + width + " /Height " +
                       QByteArray::number(strips[index].rowCount) +
                       " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode "
                       "/DecodeParms << /Predictor 15 /Colors 3 /BitsPerComponent 8 /Columns " +
                       width + " >>",
                   images[index]);
    }
    const QByteArray mediaBox =
        "[0 0 " + points(std::llround(page.paperPoints.width() * kPositionsPerPoint)) + ' ' +
        points(std::llround(page.paperPoints.height() * kPositionsPerPoint)) + ']';
    for (int index = 0; index < pages; ++index) {
        pdf.object(firstPage + index, "<< /Type /Page /Parent " + PdfFile::reference(pageTree) +
                                          " /MediaBox " + mediaBox + " /Resources " +
                                          PdfFile::reference(resources) + " /Contents " +
                                          PdfFile::reference(content) + " >>");
    }
    return pdf.finish(catalog, info);
}

} // namespace veltmoor
