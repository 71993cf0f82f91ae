#include "app/cli/BarcodeCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/UsageError.h"
#include "output/ImageExport.h"
#include "render/BarcodeDrawing.h"

namespace veltmoor {

namespace {

constexpr const char* kTypes = "ean13, upca, ean8, code128 or qr";

Symbology parseSymbology(const QString& name, const char* option) {
    const std::optional<Symbology> symbology = symbologyFromName(name);
    if (!symbology || *symbology == Symbology::None) {
        throw UsageError{std::string(option) + " takes " + kTypes + "."};
    }
    return *symbology;
}

struct BarcodeOptions {
    TagBarcode barcode;
    bool hasData = false;
    QString outputPath;
};

BarcodeOptions parseBarcodeOptions(const QStringList& arguments) {
    BarcodeOptions options;
    for (int index = 2; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (argument == QLatin1String("--type")) {
            options.barcode.symbology = parseSymbology(optionValue(arguments, index), "--type");
        } else if (argument == QLatin1String("--data")) {
            options.barcode.data = optionValue(arguments, index);
            options.hasData = true;
        } else if (argument == QLatin1String("--module")) {
            bool ok = false;
            options.barcode.moduleDots = optionValue(arguments, index).toInt(&ok);
            if (!ok || options.barcode.moduleDots < kMinBarcodeModuleDots ||
                options.barcode.moduleDots > kMaxBarcodeModuleDots) {
                throw UsageError{"--module takes a module width of 2, 3 or 4 dots."};
            }
        } else if (argument == QLatin1String("-o")) {
            options.outputPath = optionValue(arguments, index);
        } else {
            throw UsageError{"unexpected argument \"" + argument.toStdString() + "\"."};
        }
    }
    if (!options.barcode.isSet() || !options.hasData || options.outputPath.isEmpty()) {
        throw UsageError{"barcode needs --type TYPE, --data DATA and -o OUT."};
    }
    return options;
}

} // namespace

BarcodeOverride barcodeOptionValue(const QStringList& arguments, int& index) {
    const QString value = optionValue(arguments, index);
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        throw UsageError{std::string("--barcode takes TYPE:DATA, TYPE being ") + kTypes + "."};
    }
    return {parseSymbology(value.left(colon), "--barcode"), value.mid(colon + 1)};
}

void applyBarcodeOverride(const std::optional<BarcodeOverride>& barcode, TagDesign& design) {
    if (!barcode) {
        return;
    }
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        TagBarcode& code = design.Slots[static_cast<std::size_t>(slot)].barcode;
        code.symbology = barcode->symbology;
        code.data = barcode->data;
    }
}

int runBarcodeCommand(const QStringList& arguments) {
    const BarcodeOptions options = parseBarcodeOptions(arguments);
    // The digits in the edge text's font of a new design.
    const Font digitFont = tagTextFont(TagSettings{}.textFont, clBlack);
    exportPicture(options.outputPath, barcodePicture(options.barcode, digitFont));
    return kExitOk;
}

} // namespace veltmoor
