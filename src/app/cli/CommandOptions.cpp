#include "app/cli/CommandOptions.h"

#include "images/TintPalettes.h"
#include "render/BarcodeDrawing.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace veltmoor {

namespace {

PageMetrics parsePrintable(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,6})x(\\d{1,6})@(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        throw UsageError{"--printable takes WIDTHxHEIGHT@DPI in printer dots, for example "
                         "4800x6300@600."};
    }
    const int dpi = match.captured(3).toInt();
    if (dpi <= 0) {
        throw UsageError{"--printable needs a resolution above 0 dots per inch."};
    }
    return {match.captured(1).toInt(), match.captured(2).toInt(), dpi, dpi};
}

// A whole number from first to last, else the option's own explanation.
int parseNumber(const QString& text, int first, int last, const char* explanation) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < first || number > last) {
        throw UsageError{explanation};
    }
    return number;
}

void parseMode(const QString& text, CommandOptions& options) {
    if (text == QLatin1String("single")) {
        options.mode = RenderMode::Single;
    } else if (text == QLatin1String("preview")) {
        options.mode = RenderMode::Preview;
    } else if (text == QLatin1String("print")) {
        options.mode = RenderMode::Print;
        options.printing = true;
    } else {
        throw UsageError{"--mode takes single, preview or print."};
    }
}

CuttingMarks parseMarks(const QString& text) {
    const std::optional<CuttingMarks> marks = cuttingMarksFromName(text);
    if (!marks) {
        throw UsageError{"--marks takes none, 3 or 4."};
    }
    return *marks;
}

Symbology parseSymbology(const QString& name, const char* option) {
    const std::optional<Symbology> symbology = symbologyFromName(name);
    if (!symbology || *symbology == Symbology::None) {
        throw UsageError{std::string(option) + " takes ean13, upca, ean8, code128 or qr."};
    }
    return *symbology;
}

// TYPE:DATA; the data is kept as written, price-list fields included.
void parseBarcode(const QString& text, CommandOptions& options) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        throw UsageError{"--barcode takes TYPE:DATA, such as ean13:400638133393."};
    }
    options.barcode.symbology = parseSymbology(text.left(colon), "--barcode");
    options.barcode.data = text.mid(colon + 1);
}

struct OptionRow {
    const char* name;
    // The value's placeholder in the usage text; null for an option without a value.
    const char* value;
    // The verbs that take the option, separated by spaces.
    const char* verbs;
    // Its lines in the usage text; null when the verbs' own lines describe it.
    const char* description;
    void (*take)(CommandOptions& options, const QString& value);
};

// Every option of every verb. The usage text lists the described ones in this order.
const std::array kOptionTable{
    OptionRow{"-o", "OUT", "render cutfile tint save barcode",
              "the picture to write; its extension picks the format\n"
              "(save writes the design there)",
              [](CommandOptions& o, const QString& v) { o.outputPath = v; }},
    OptionRow{"--tag", "N", "render", "one tag (slot 1 to 9) instead of the sheet",
              [](CommandOptions& o, const QString& v) {
                  o.tag = parseNumber(v, 1, 9, "--tag takes a slot number from 1 to 9.");
              }},
    OptionRow{"--mode", "MODE", "render",
              "cut-line width: single (3 dots), preview (10) or print (1)",
              [](CommandOptions& o, const QString& v) { parseMode(v, o); }},
    OptionRow{"--email", nullptr, "render",
              "the reduced size for e-mail (sheet 75 dpi, tag 100 dpi)",
              [](CommandOptions& o, const QString&) { o.email = true; }},
    OptionRow{"--transparent", nullptr, "render",
              "a .png whose outside of the tags' cut lines is transparent,\n"
              "at 200 dpi, for a cutting machine that traces the picture",
              [](CommandOptions& o, const QString&) { o.transparent = true; }},
    OptionRow{"--marks", "MARKS", "render cutfile layout print",
              "registration marks for a cutting machine: none, 3 or 4\n"
              "(overrides the design's choice)",
              [](CommandOptions& o, const QString& v) { o.marks = parseMarks(v); }},
    OptionRow{"--printable", "WxH@DPI", "render cutfile layout",
              "the printable page in printer dots, e.g. 4800x6300@600,\n"
              "taken as the whole paper; without it the built-in PDF\n"
              "printer's page is used",
              [](CommandOptions& o, const QString& v) { o.printable = parsePrintable(v); }},
    OptionRow{"--printer", "NAME", "render cutfile layout print calibrate",
              "the page of printer NAME, as print prints on it: its paper,\n"
              "margins and resolution, turned for a landscape design",
              [](CommandOptions& o, const QString& v) { o.printer = v; }},
    OptionRow{"--copies", "N", "print", nullptr,
              [](CommandOptions& o, const QString& v) {
                  o.copies = parseNumber(v, 1, 4, "--copies takes a number from 1 to 4.");
              }},
    OptionRow{"--pdf", "OUT.pdf", "print calibrate", nullptr,
              [](CommandOptions& o, const QString& v) { o.pdfPath = v; }},
    OptionRow{"--no-calibration", nullptr, "print", nullptr,
              [](CommandOptions& o, const QString&) { o.useCalibration = false; }},
    OptionRow{"--set", "dx,dy,sx,sy", "calibrate", nullptr,
              [](CommandOptions& o, const QString& v) { o.profile = v; }},
    OptionRow{"--show", nullptr, "calibrate", nullptr,
              [](CommandOptions& o, const QString&) { o.show = true; }},
    OptionRow{"--barcode", "TYPE:DATA", "render print info",
              "a code on every tag for this run: ean13, upca, ean8, code128\n"
              "or qr (EAN and UPC complete a missing check digit)",
              [](CommandOptions& o, const QString& v) { parseBarcode(v, o); }},
    OptionRow{"--type", "N", "tint barcode", nullptr,
              [](CommandOptions& o, const QString& v) {
                  if (o.verb == QLatin1String("barcode")) {
                      o.barcode.symbology = parseSymbology(v, "--type");
                      return;
                  }
                  o.type = parseNumber(v, 0, kTintTypeCount - 1,
                                       "--type takes a colouring from 0 to 19 (see tint --list).");
              }},
    OptionRow{"--data", "DATA", "barcode", nullptr,
              [](CommandOptions& o, const QString& v) { o.barcode.data = v; }},
    OptionRow{"--module", "N", "barcode", nullptr,
              [](CommandOptions& o, const QString& v) {
                  o.barcode.moduleDots =
                      parseNumber(v, kMinBarcodeModuleDots, kMaxBarcodeModuleDots,
                                  "--module takes a module width of 2, 3 or 4 dots.");
              }},
    OptionRow{"--list", nullptr, "tint", nullptr,
              [](CommandOptions& o, const QString&) { o.list = true; }},
    OptionRow{"--allow-missing", nullptr, "render print",
              "render or print even when pictures of the design cannot be\n"
              "loaded (their tags come out without them); otherwise nothing\n"
              "is written or printed and the pictures are listed",
              [](CommandOptions& o, const QString&) { o.allowMissing = true; }},
};

const OptionRow* findOption(const QString& name) {
    const auto row = std::find_if(kOptionTable.begin(), kOptionTable.end(),
                                  [&](const OptionRow& option) { return name == option.name; });
    return row == kOptionTable.end() ? nullptr : &*row;
}

// "render, cutfile and layout"
std::string verbList(const char* verbs) {
    const QStringList names = QString::fromLatin1(verbs).split(QLatin1Char(' '));
    QString text = names.constFirst();
    for (qsizetype index = 1; index < names.size(); ++index) {
        text += (index + 1 == names.size() ? QStringLiteral(" and ") : QStringLiteral(", ")) +
                names.at(index);
    }
    return text.toStdString();
}

bool takes(const OptionRow& option, const QString& verb) {
    return QString::fromLatin1(option.verbs).split(QLatin1Char(' ')).contains(verb);
}

[[noreturn]] void unexpected(const QString& argument) {
    throw UsageError{"unexpected argument \"" + argument.toStdString() + "\"."};
}

} // namespace

CommandOptions parseCommandOptions(const QStringList& arguments, Operand operand) {
    CommandOptions options;
    options.verb = arguments.value(1);
    for (qsizetype index = 2; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (!argument.startsWith(QLatin1Char('-'))) {
            if (operand == Operand::None || !options.operand.isEmpty()) {
                unexpected(argument);
            }
            options.operand = argument;
            continue;
        }
        const OptionRow* option = findOption(argument);
        if (option == nullptr) {
            unexpected(argument);
        }
        if (!takes(*option, options.verb)) {
            throw UsageError{argument.toStdString() + " belongs to " + verbList(option->verbs) +
                             "."};
        }
        QString value;
        if (option->value != nullptr) {
            if (index + 1 >= arguments.size()) {
                throw UsageError{argument.toStdString() + " needs a value."};
            }
            value = arguments.at(++index);
        }
        option->take(options, value);
        options.given.insert(argument);
    }
    if (operand == Operand::Design && options.operand.isEmpty()) {
        throw UsageError{options.verb.toStdString() + " needs a design file."};
    }
    return options;
}

std::string optionsUsage() {
    // Descriptions start in this column; a longer option name pushes its first line on.
    constexpr qsizetype kColumn = 21;
    QString text;
    for (const OptionRow& option : kOptionTable) {
        if (option.description == nullptr) {
            continue;
        }
        QString name = QStringLiteral("  ") + QLatin1String(option.name);
        if (option.value != nullptr) {
            name += QLatin1Char(' ') + QLatin1String(option.value);
        }
        const QStringList lines = QString::fromLatin1(option.description).split(QLatin1Char('\n'));
        text +=
            name.size() < kColumn - 1 ? name.leftJustified(kColumn) : name + QStringLiteral("  ");
        text +=
            lines.join(QLatin1Char('\n') + QString(kColumn, QLatin1Char(' '))) + QLatin1Char('\n');
    }
    return text.toStdString();
}

} // namespace veltmoor
