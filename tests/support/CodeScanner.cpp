#include "support/CodeScanner.h"

#include <zbar.h>

#include <algorithm>
#include <memory>
#include <tuple>

namespace veltmoor::test {

using namespace zbar; // the C interface, which C++ sees in this namespace

std::vector<ScannedCode> scanCodes(const QImage& picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    std::vector<unsigned char> luminance;
    luminance.reserve(static_cast<std::size_t>(grey.width()) *
                      static_cast<std::size_t>(grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        luminance.insert(luminance.end(), row, row + grey.width());
    }
    const std::unique_ptr<zbar_image_scanner_t, void (*)(zbar_image_scanner_t*)> scanner(
        zbar_image_scanner_create(), zbar_image_scanner_destroy);
    zbar_image_scanner_set_config(scanner.get(), ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
    // UPC-A is told apart from an EAN-13 with a leading zero.
    zbar_image_scanner_set_config(scanner.get(), ZBAR_UPCA, ZBAR_CFG_ENABLE, 1);
    const std::unique_ptr<zbar_image_t, void (*)(zbar_image_t*)> image(zbar_image_create(),
                                                                       zbar_image_destroy);
    zbar_image_set_format(image.get(), zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image.get(), static_cast<unsigned>(grey.width()),
                        static_cast<unsigned>(grey.height()));
    zbar_image_set_data(image.get(), luminance.data(), luminance.size(), nullptr);
    zbar_scan_image(scanner.get(), image.get());
    std::vector<ScannedCode> codes;
    for (const zbar_symbol_t* symbol = zbar_image_first_symbol(image.get()); symbol != nullptr;
         symbol = zbar_symbol_next(symbol)) {
        codes.push_back({QString::fromLatin1(zbar_get_symbol_name(zbar_symbol_get_type(symbol))),
                         QString::fromUtf8(zbar_symbol_get_data(symbol))});
    }
    return sortedCodes(std::move(codes));
}

} // namespace veltmoor::test

namespace veltmoor::test {

std::vector<ScannedCode> barcodesDesignCodes() {
    // Check digits worked out by hand: tags 1, 2 and 3 give their data without one, tags 6, 7
    // and 8 with theirs.
    return sortedCodes({{"EAN-13", "4006381333931"},
                        {"UPC-A", "036000291452"},
                        {"EAN-8", "96385074"},
                        {"CODE-128", "VT-0042/A"},
                        {"QR-Code", "https://veltmoor.example/t/5"},
                        {"EAN-13", "5901234123457"},
                        {"UPC-A", "042100005264"},
                        {"EAN-8", "40123455"},
                        {"QR-Code", "SKU 0042"}});
}

std::vector<ScannedCode> sortedCodes(std::vector<ScannedCode> codes) {
    std::sort(codes.begin(), codes.end(), [](const ScannedCode& first, const ScannedCode& second) {
        return std::tie(first.type, first.data) < std::tie(second.type, second.data);
    });
    return codes;
}

} // namespace veltmoor::test
