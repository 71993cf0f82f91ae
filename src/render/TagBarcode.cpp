#include "render/TagBarcode.h"

#include <QRegularExpression>

#include <array>
#include <memory>

#include <zint.h>

namespace veltmoor {

namespace {

struct SymbologyNames {
    Symbology symbology;
    const char* name;
    const char* caption;
};

constexpr std::array<SymbologyNames, 6> kSymbologies{{
    {Symbology::None, "none", "None"},
    {Symbology::Ean13, "ean13", "EAN-13"},
    {Symbology::UpcA, "upca", "UPC-A"},
    {Symbology::Ean8, "ean8", "EAN-8"},
    {Symbology::Code128, "code128", "Code 128"},
    {Symbology::QrCode, "qr", "QR Code"},
}};

constexpr std::array<const char*, 3> kPlacementNames{"bottom", "top", "textblock"};

// The retail codes: how many digits they carry with their check digit, and how many modules
// wide their bars are.
struct RetailCode {
    int digits = 0;
    int modules = 0;
};

std::optional<RetailCode> retailCode(Symbology symbology) {
    switch (symbology) {
    case Symbology::Ean13:
        return RetailCode{13, 95};
    case Symbology::UpcA:
        return RetailCode{12, 95};
    case Symbology::Ean8:
        return RetailCode{8, 67};
    default:
        return std::nullopt;
    }
}

struct ZintSymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The digits to encode, the check digit completed, or the reason there are none.
BarcodeEncoding checkRetailDigits(Symbology symbology, const RetailCode& code, QString& digits) {
    const QString caption = symbologyCaption(symbology);
    for (const QChar character : digits) {
        if (!character.isDigit() || character.unicode() > u'9') {
            return {std::nullopt, QStringLiteral("the %1 data %2 holds \"%3\", but %1 takes "
                                                 "digits only")
                                      .arg(caption, quoted(digits), QString(character))};
        }
    }
    if (digits.size() != code.digits && digits.size() != code.digits - 1) {
        return {std::nullopt,
                QStringLiteral("the %1 data %2 has %3 digits, but %1 takes %4 (or %5 with its "
                               "check digit)")
                    .arg(caption, quoted(digits))
                    .arg(digits.size())
                    .arg(code.digits - 1)
                    .arg(code.digits)};
    }
    const int check = retailCheckDigit(digits.left(code.digits - 1));
    if (digits.size() == code.digits - 1) {
        digits += QString::number(check);
    } else if (digits.back().digitValue() != check) {
        return {std::nullopt, QStringLiteral("the check digit of the %1 data %2 is %3, but its "
                                             "digits ask for %4")
                                  .arg(caption, quoted(digits), QString(digits.back()))
                                  .arg(check)};
    }
    return {};
}

int zintSymbology(Symbology symbology) {
    switch (symbology) {
    case Symbology::UpcA:
        return BARCODE_UPCA_CHK;
    case Symbology::Code128:
        return BARCODE_CODE128;
    case Symbology::QrCode:
        return BARCODE_QRCODE;
    default:
        return BARCODE_EANX_CHK; // EAN-13 or EAN-8 by the number of digits, checked before
    }
}

QString zintProblem(Symbology symbology, const QString& data, int status) {
    const QString caption = symbologyCaption(symbology);
    if (status == ZINT_ERROR_TOO_LONG) {
        return QStringLiteral("the %1 data is too long (%2 characters)")
            .arg(caption)
            .arg(data.size());
    }
    return QStringLiteral("the %1 data %2 cannot be encoded").arg(caption, quoted(data));
}

} // namespace

QString symbologyName(Symbology symbology) {
    for (const SymbologyNames& names : kSymbologies) {
        if (names.symbology == symbology) {
            return QLatin1String(names.name);
        }
    }
    return QStringLiteral("none");
}

std::optional<Symbology> symbologyFromName(const QString& name) {
    for (const SymbologyNames& names : kSymbologies) {
        if (name == QLatin1String(names.name)) {
            return names.symbology;
        }
    }
    return std::nullopt;
}

QString symbologyCaption(Symbology symbology) {
    for (const SymbologyNames& names : kSymbologies) {
        if (names.symbology == symbology) {
            return QLatin1String(names.caption);
        }
    }
    return QStringLiteral("None");
}

QString placementName(BarcodePlacement placement) {
    return QLatin1String(kPlacementNames.at(static_cast<std::size_t>(placement)));
}

std::optional<BarcodePlacement> placementFromName(const QString& name) {
    for (std::size_t index = 0; index < kPlacementNames.size(); ++index) {
        if (name == QLatin1String(kPlacementNames.at(index))) {
            return static_cast<BarcodePlacement>(index);
        }
    }
    return std::nullopt;
}

int retailCheckDigit(const QString& digits) {
    // Weights 3 and 1 alternate from the digit next to the check digit leftwards.
    int sum = 0;
    int weight = 3;
    for (qsizetype index = digits.size() - 1; index >= 0; --index) {
        sum += weight * digits.at(index).digitValue();
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

BarcodeEncoding encodeBarcode(Symbology symbology, const QString& data) {
    const QString caption = symbologyCaption(symbology);
    if (symbology == Symbology::None) {
        return {std::nullopt, QStringLiteral("no symbology is chosen")};
    }
    if (data.isEmpty()) {
        return {std::nullopt, QStringLiteral("the %1 code has no data").arg(caption)};
    }
    static const QRegularExpression field(QStringLiteral("\\$\\{[^}]*\\}"));
    const QRegularExpressionMatch unfilled = field.match(data);
    if (unfilled.hasMatch()) {
        return {std::nullopt, QStringLiteral("the %1 data %2 holds the price-list field %3, "
                                             "which only a merged job fills")
                                  .arg(caption, quoted(data), unfilled.captured())};
    }
    QString encoded = data;
    const std::optional<RetailCode> retail = retailCode(symbology);
    if (retail) {
        BarcodeEncoding checked = checkRetailDigits(symbology, *retail, encoded);
        if (!checked.problem.isEmpty()) {
            return checked;
        }
    }
    if (symbology == Symbology::Code128) {
        // Characters beyond ASCII need shifts that few scanners honour; they would read as
        // other characters.
        for (const QChar character : data) {
            if (character.unicode() < 0x20 || character.unicode() > 0x7E) {
                return {std::nullopt,
                        QStringLiteral("the Code 128 data %1 holds \"%2\", but Code 128 takes "
                                       "the printable ASCII characters only")
                            .arg(quoted(data), QString(character))};
            }
        }
    }

    const std::unique_ptr<zint_symbol, ZintSymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        throw std::bad_alloc();
    }
    symbol->symbology = zintSymbology(symbology);
    symbol->input_mode = UNICODE_MODE;
    const QByteArray bytes = encoded.toUtf8();
    const int status =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
                        static_cast<int>(bytes.size()));
    if (status >= ZINT_ERROR) {
        return {std::nullopt, zintProblem(symbology, data, status)};
    }
    BarcodeSymbol result;
    result.symbology = symbology;
    result.columns = symbol->width;
    result.rows = symbol->rows;
    result.humanReadable = QString::fromUtf8(reinterpret_cast<const char*>(symbol->text));
    // The library picks EAN-8 or EAN-13 by the number of digits, and adds add-ons for short
    // ones: what it made must be exactly the code asked for.
    const bool asAsked = retail ? (result.rows == 1 && result.columns == retail->modules &&
                                   result.humanReadable == encoded)
                                : result.rows > 0 && result.columns > 0;
    if (!asAsked) {
        return {std::nullopt, zintProblem(symbology, data, ZINT_ERROR_ENCODING_PROBLEM)};
    }
    result.dark.resize(static_cast<std::size_t>(result.rows) *
                       static_cast<std::size_t>(result.columns));
    for (int row = 0; row < result.rows; ++row) {
        for (int column = 0; column < result.columns; ++column) {
            const bool isDark = (symbol->encoded_data[row][column / 8] >> (column % 8)) & 1;
            result.dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(result.columns) +
                        static_cast<std::size_t>(column)] = isDark;
        }
    }
    if (symbology == Symbology::QrCode) {
        result.humanReadable.clear();
    }
    return {std::move(result), QString()};
}

} // namespace veltmoor
