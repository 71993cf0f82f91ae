// JPEG through libjpeg-turbo's libjpeg API.
//
// libjpeg reports errors through a callback that must not return. Ours longjmps back to
// the one place that armed it, `guarded`, which holds nothing that needs destruction;
// every C++ object (buffers, bitmaps, the libjpeg structs' owner) lives in the callers,
// which turn a failed step into a UserError after libjpeg's frames are gone.

#include "platform/Exif.h"
#include "platform/PictureErrors.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace veltmoor {

namespace {

// Our pixels are 0xFFRRGGBB words; this is their byte order in memory.
constexpr J_COLOR_SPACE kPixelColorSpace =
    std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
constexpr J_COLOR_SPACE kPixelColorSpaceNoAlpha =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// Real progressive files have about ten scans; thousands of empty ones are an attack.
constexpr int kMaxScans = 1000;

enum class Failure { None, Library, TooManyScans };

struct ErrorManager {
    jpeg_error_mgr library; // first, so libjpeg's pointer to it is a pointer to us
    std::jmp_buf jump;
    Failure failure = Failure::None;
    int code = 0;
    char message[JMSG_LENGTH_MAX] = {};
};

ErrorManager& errorsOf(j_common_ptr info) {
    return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void failWithLibraryMessage(j_common_ptr info) {
    ErrorManager& errors = errorsOf(info);
    errors.failure = Failure::Library;
    errors.code = info->err->msg_code;
    (*info->err->format_message)(info, errors.message);
    std::longjmp(errors.jump, 1);
}

// A warning from libjpeg means damaged data that it would paper over with grey; we
// refuse the file instead. The few warnings that leave the pixels intact are let pass.
void onMessage(j_common_ptr info, int level) {
    if (level >= 0) {
        return; // trace output
    }
    const int code = info->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC) {
        return;
    }
    // Some cameras leave padding in front of the end marker: the picture itself is whole.
    if (code == JWRN_EXTRANEOUS_DATA && info->err->msg_parm.i[1] == JPEG_EOI) {
        return;
    }
    failWithLibraryMessage(info);
}

void onOutputMessage(j_common_ptr) {}

void onProgress(j_common_ptr info) {
    if (!info->is_decompressor) {
        return;
    }
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
        ErrorManager& errors = errorsOf(info);
        errors.failure = Failure::TooManyScans;
        std::longjmp(errors.jump, 1);
    }
}

void installErrorManager(ErrorManager& errors) {
    jpeg_std_error(&errors.library);
    errors.library.error_exit = failWithLibraryMessage;
    errors.library.emit_message = onMessage;
    errors.library.output_message = onOutputMessage;
}

// Runs one libjpeg step; false when libjpeg reported an error (details in `errors`).
template <typename Step> [[gnu::noinline]] bool guarded(ErrorManager& errors, const Step& step) {
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    step();
    return true;
}

struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager errors;
    jpeg_progress_mgr progress{};

    Decompressor() {
        installErrorManager(errors);
        info.err = &errors.library;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); } // safe on a half-created struct
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

struct Compressor {
    jpeg_compress_struct info{};
    ErrorManager errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    Compressor() {
        installErrorManager(errors);
        info.err = &errors.library;
    }
    ~Compressor() {
        jpeg_destroy_compress(&info);
        std::free(buffer); // jpeg_mem_dest's buffer is ours to release
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

QString sentenceFragment(const char* message) {
    QString text = QString::fromLatin1(message).trimmed();
    while (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    // "Premature end..." reads as part of our sentence; "JPEG..." keeps its capitals.
    if (text.size() > 1 && text[0].isUpper() && text[1].isLower()) {
        text[0] = text[0].toLower();
    }
    return text;
}

[[noreturn]] void throwDecodeFailure(const Decompressor& decoder, const QString& name) {
    const ErrorManager& errors = decoder.errors;
    if (errors.failure == Failure::TooManyScans) {
        picture_errors::damaged(
            name, QStringLiteral("it has more than %1 progressive scans").arg(kMaxScans));
    }
    const QString what = sentenceFragment(errors.message);
    switch (errors.code) {
    case JERR_NO_SOI:
    case JERR_INPUT_EMPTY:
        picture_errors::notReadable(name);
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
        picture_errors::tooLarge(name, decoder.info.image_width, decoder.info.image_height);
    case JERR_ARITH_NOTIMPL:
    case JERR_BAD_PRECISION:
    case JERR_CCIR601_NOTIMPL:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_FRACT_SAMPLE_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_SOF_UNSUPPORTED:
        picture_errors::unsupported(name, what);
    default:
        picture_errors::damaged(name, what);
    }
}

int orientationFromMarkers(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker != nullptr;
         marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1) {
            continue;
        }
        if (const int orientation = exifOrientation(marker->data, marker->data_length);
            orientation != 1) {
            return orientation;
        }
    }
    return 1;
}

int roundedProduct(int a, int b) {
    return (a * b + 127) / 255;
}

// CMYK as libjpeg hands it over: Adobe's writers store the inks inverted (255 = none),
// which is what nearly every CMYK file in the wild carries.
void cmykToPixels(const std::uint8_t* source, Pixel* target, std::size_t count, bool inverted) {
    for (std::size_t x = 0; x < count; ++x, source += 4) {
        int c = source[0];
        int m = source[1];
        int y = source[2];
        int k = source[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        target[x] = pixelFromRgb(roundedProduct(c, k), roundedProduct(m, k), roundedProduct(y, k));
    }
}

// The largest DCT reduction that still covers the needed size (in stored orientation);
// the output size libjpeg will decode at is set on return.
void chooseScale(Decompressor& decoder, const QString& name, int neededWidth, int neededHeight) {
    auto calculate = [&](unsigned denominator) {
        decoder.info.scale_num = 1;
        decoder.info.scale_denom = denominator;
        if (!guarded(decoder.errors, [&] { jpeg_calc_output_dimensions(&decoder.info); })) {
            throwDecodeFailure(decoder, name);
        }
    };
    if (neededWidth > 0 || neededHeight > 0) {
        for (const unsigned denominator : {8u, 4u, 2u}) {
            calculate(denominator);
            if (static_cast<int>(decoder.info.output_width) >= neededWidth &&
                static_cast<int>(decoder.info.output_height) >= neededHeight) {
                return;
            }
        }
    }
    calculate(1);
}

// Reads the header and settles how the picture will be decoded. Returns its orientation.
int openJpeg(Decompressor& decoder, const QByteArray& bytes, const QString& name,
             const PictureReadOptions& options) {
    if (bytes.isEmpty()) {
        picture_errors::damaged(name, QStringLiteral("the file is empty"));
    }
    jpeg_decompress_struct& info = decoder.info;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    if (!guarded(decoder.errors, [&] {
            jpeg_create_decompress(&info);
            decoder.progress.progress_monitor = onProgress;
            info.progress = &decoder.progress;
            jpeg_mem_src(&info, data, size);
            jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
            jpeg_read_header(&info, TRUE);
        })) {
        throwDecodeFailure(decoder, name);
    }

    const int orientation = orientationFromMarkers(info);
    const bool swap = orientationSwapsAxes(orientation);
    picture_errors::checkPictureSize(name, info.image_width, info.image_height, options.maxPixels);
    // A backstop for what libjpeg may hold for a progressive file's coefficients: two
    // bytes for each of up to four components, over the picture padded to whole MCUs.
    const auto padded = [](JDIMENSION extent) {
        return (static_cast<long>(extent) + 31) / 32 * 32;
    };
    info.mem->max_memory_to_use =
        padded(info.image_width) * padded(info.image_height) * 8 + (16l << 20);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : kPixelColorSpace;
    chooseScale(decoder, name, swap ? options.neededHeight : options.neededWidth,
                swap ? options.neededWidth : options.neededHeight);
    return orientation;
}

} // namespace

DecodedPicture decodeJpeg(const QByteArray& bytes, const QString& nameForMessages,
                          PictureReadOptions options) {
    const QString& name = nameForMessages;
    Decompressor decoder;
    jpeg_decompress_struct& info = decoder.info;
    const int orientation = openJpeg(decoder, bytes, name, options);
    const bool swap = orientationSwapsAxes(orientation);
    const bool cmyk = info.out_color_space == JCS_CMYK;

    if (!guarded(decoder.errors, [&] { jpeg_start_decompress(&info); })) {
        throwDecodeFailure(decoder, name);
    }
    if (info.output_components != 4 || info.output_width == 0 || info.output_height == 0) {
        picture_errors::unsupported(name, QStringLiteral("its colour layout is unusual"));
    }
    const auto width = static_cast<int>(info.output_width);
    const auto height = static_cast<int>(info.output_height);

    // The first row is decoded before the bitmap is allocated, so that a header with no
    // data behind it costs no picture-sized allocation.
    std::vector<std::uint8_t> rowBuffer(static_cast<std::size_t>(width) * 4);
    JSAMPROW firstRow = rowBuffer.data();
    if (!guarded(decoder.errors, [&] { jpeg_read_scanlines(&info, &firstRow, 1); })) {
        throwDecodeFailure(decoder, name);
    }
    // A picture shown turned is placed band by band into its turned bitmap, so it is
    // never held twice.
    Bitmap bitmap = swap ? Bitmap(height, width) : Bitmap(width, height);
    std::vector<Pixel> band(swap ? static_cast<std::size_t>(kTurnBandRows) * width : 0);
    auto pixelsOf = [&](int y) {
        return swap ? band.data() + static_cast<std::size_t>(y % kTurnBandRows) * width
                    : bitmap.row(y);
    };
    auto rowDecoded = [&](int y) {
        if (swap && ((y + 1) % kTurnBandRows == 0 || y + 1 == height)) {
            const int first = y - y % kTurnBandRows;
            placeTurnedRows(bitmap, band.data(), first, y - first + 1, orientation);
        }
    };
    auto storeRow = [&](int y, const std::uint8_t* source) {
        if (cmyk) {
            cmykToPixels(source, pixelsOf(y), static_cast<std::size_t>(width),
                         info.saw_Adobe_marker != 0);
        } else {
            std::copy_n(source, rowBuffer.size(), reinterpret_cast<std::uint8_t*>(pixelsOf(y)));
        }
    };
    storeRow(0, rowBuffer.data());
    rowDecoded(0);

    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW row = cmyk ? rowBuffer.data() : reinterpret_cast<JSAMPROW>(pixelsOf(y));
        JDIMENSION read = 0;
        if (!guarded(decoder.errors, [&] { read = jpeg_read_scanlines(&info, &row, 1); })) {
            throwDecodeFailure(decoder, name);
        }
        if (read != 1) {
            picture_errors::damaged(name, QStringLiteral("its pixel data stops early"));
        }
        if (cmyk) {
            storeRow(y, rowBuffer.data());
        }
        rowDecoded(y);
    }
    if (!guarded(decoder.errors, [&] { jpeg_finish_decompress(&info); })) {
        throwDecodeFailure(decoder, name);
    }

    DecodedPicture picture;
    picture.width = static_cast<int>(swap ? info.image_height : info.image_width);
    picture.height = static_cast<int>(swap ? info.image_width : info.image_height);
    picture.bitmap = swap ? std::move(bitmap) : applyOrientation(std::move(bitmap), orientation);
    return picture;
}

PictureHeader decodeJpegHeader(const QByteArray& bytes, const QString& nameForMessages,
                               PictureReadOptions options) {
    Decompressor decoder;
    const bool swap = orientationSwapsAxes(openJpeg(decoder, bytes, nameForMessages, options));
    const jpeg_decompress_struct& info = decoder.info;
    const auto width = static_cast<int>(info.image_width);
    const auto height = static_cast<int>(info.image_height);
    const auto decodedWidth = static_cast<int>(info.output_width);
    const auto decodedHeight = static_cast<int>(info.output_height);
    return swap ? PictureHeader{height, width, decodedHeight, decodedWidth}
                : PictureHeader{width, height, decodedWidth, decodedHeight};
}

QByteArray encodeJpeg(const Bitmap& bitmap, int quality, int dotsPerInch) {
    if (bitmap.isEmpty()) {
        throw std::invalid_argument("cannot encode an empty bitmap");
    }
    Compressor encoder;
    jpeg_compress_struct& info = encoder.info;
    if (!guarded(encoder.errors, [&] {
            jpeg_create_compress(&info);
            jpeg_mem_dest(&info, &encoder.buffer, &encoder.size);
            info.image_width = static_cast<JDIMENSION>(bitmap.width());
            info.image_height = static_cast<JDIMENSION>(bitmap.height());
            info.input_components = 4;
            info.in_color_space = kPixelColorSpaceNoAlpha;
            jpeg_set_defaults(&info);
            jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
            if (dotsPerInch > 0) {
                info.density_unit = 1; // dots per inch
                info.X_density = static_cast<UINT16>(dotsPerInch);
                info.Y_density = static_cast<UINT16>(dotsPerInch);
            }
            // Full-resolution colour: thin red cut lines and small coloured text would
            // bleed into their neighbours with the usual halved chroma.
            for (int i = 0; i < info.num_components; ++i) {
                info.comp_info[i].h_samp_factor = 1;
                info.comp_info[i].v_samp_factor = 1;
            }
            info.optimize_coding = TRUE;
            jpeg_start_compress(&info, TRUE);
        })) {
        throw std::runtime_error(sentenceFragment(encoder.errors.message).toStdString());
    }
    while (info.next_scanline < info.image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row = reinterpret_cast<JSAMPROW>(
            const_cast<Pixel*>(bitmap.row(static_cast<int>(info.next_scanline))));
        if (!guarded(encoder.errors, [&] { jpeg_write_scanlines(&info, &row, 1); })) {
            throw std::runtime_error(sentenceFragment(encoder.errors.message).toStdString());
        }
    }
    if (!guarded(encoder.errors, [&] { jpeg_finish_compress(&info); })) {
        throw std::runtime_error(sentenceFragment(encoder.errors.message).toStdString());
    }
    return QByteArray(reinterpret_cast<const char*>(encoder.buffer),
                      static_cast<qsizetype>(encoder.size));
}

} // namespace veltmoor
