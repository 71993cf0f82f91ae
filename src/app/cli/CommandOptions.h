#pragma once

#include "app/cli/UsageError.h"
#include "output/PrinterMetrics.h"
#include "output/RegistrationMarks.h"
#include "render/TagBarcode.h"
#include "render/TagSettings.h"

#include <QSet>
#include <QStringList>

#include <optional>
#include <string>

namespace veltmoor {

// Everything the command line can be told, for every verb. A new option adds its value here
// and one row to the option table in CommandOptions.cpp; the parser, the check that the verb
// takes it and the usage text come from that row.
struct CommandOptions {
    QString verb;
    // The one word after the verb that is no option: the design file, or tint's picture.
    QString operand;
    QString outputPath;
    std::optional<int> tag;
    RenderMode mode = RenderMode::Single;
    bool printing = false;
    bool email = false;
    bool transparent = false;
    std::optional<PageMetrics> printable;
    std::optional<QString> printer;
    std::optional<CuttingMarks> marks;
    std::optional<int> copies;
    QString pdfPath;
    bool useCalibration = true;
    std::optional<QString> profile;
    bool show = false;
    bool list = false;
    std::optional<int> type;
    // --barcode TYPE:DATA, or the barcode verb's --type, --data and --module.
    TagBarcode barcode;
    bool allowMissing = false;
    // The options the command line named, as typed ("--tag"), for rules between options.
    QSet<QString> given;

    bool has(const char* option) const { return given.contains(QLatin1String(option)); }
};

// What a verb takes besides its options.
enum class Operand {
    None,    // nothing: printers, calibrate
    Design,  // one design file, which it needs
    Picture, // one picture, which the verb itself asks for when it needs it
};

// Reads the words after the verb (arguments[0] is the program, arguments[1] the verb).
// Throws UsageError for an unknown option, one the verb does not take, a bad or missing value,
// a second operand or a missing design file.
CommandOptions parseCommandOptions(const QStringList& arguments, Operand operand);

// The options' part of the usage text: each option with a description, one per paragraph.
std::string optionsUsage();

} // namespace veltmoor
