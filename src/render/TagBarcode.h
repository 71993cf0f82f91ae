#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace veltmoor {

enum class Symbology { None, Ean13, UpcA, Ean8, Code128, QrCode };

// Where on the tag the code goes: above the bottom edge, below the top edge (under the hole),
// or with its top-left corner where the text block starts.
enum class BarcodePlacement { Bottom, Top, TextBlock };

// The module widths a code may have, in whole tag dots: every bar edge falls on a dot. Three
// dots (0.381 mm) keeps EAN and UPC within their allowed magnification.
constexpr int kMinBarcodeModuleDots = 2;
constexpr int kMaxBarcodeModuleDots = 4;
constexpr int kDefaultBarcodeModuleDots = 3;

// One tag's code. The data is kept as written, price-list fields such as ${sku} included;
// only a merged job fills them.
struct TagBarcode {
    Symbology symbology = Symbology::None;
    QString data;
    BarcodePlacement placement = BarcodePlacement::Bottom;
    int moduleDots = kDefaultBarcodeModuleDots;
    int heightHundredths = 50; // the bars of a linear code, in hundredths of an inch

    bool isSet() const { return symbology != Symbology::None; }
    friend bool operator==(const TagBarcode&, const TagBarcode&) = default;
};

// "ean13", "upca", "ean8", "code128", "qr" and "none": the names of the command line and the
// design file.
QString symbologyName(Symbology symbology);
std::optional<Symbology> symbologyFromName(const QString& name);
// "EAN-13", "UPC-A", "EAN-8", "Code 128", "QR Code", "None": as messages and the window say it.
QString symbologyCaption(Symbology symbology);

QString placementName(BarcodePlacement placement); // "bottom", "top", "textblock"
std::optional<BarcodePlacement> placementFromName(const QString& name);

// The encoded symbol: dark modules row by row, and the text printed under a linear code.
struct BarcodeSymbol {
    Symbology symbology = Symbology::None;
    int columns = 0;
    int rows = 0;
    std::vector<bool> dark; // rows x columns, top row first
    QString humanReadable;  // the digits with their check digit, or the Code 128 text

    bool isDark(int column, int row) const {
        return dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                    static_cast<std::size_t>(column)];
    }
};

// The symbol for a code, or the reason it cannot be drawn (one sentence without its full
// stop, naming the symbology and what is wrong with the data). EAN-13, UPC-A and EAN-8 take
// their digits with or without the check digit: a missing one is completed, a given one must
// be right. Nothing that would scan as other data than the data given is ever encoded.
struct BarcodeEncoding {
    std::optional<BarcodeSymbol> symbol;
    QString problem;
};
BarcodeEncoding encodeBarcode(Symbology symbology, const QString& data);

// The check digit of EAN-13, UPC-A and EAN-8 for the digits before it.
int retailCheckDigit(const QString& digits);

} // namespace veltmoor
