#include "app/cli/CommandLine.h"

#include "ProgramVersion.h"
#include "app/cli/BarcodeCommand.h"
#include "app/cli/CalibrateCommand.h"
#include "app/cli/CommandOptions.h"
#include "app/cli/DesignCommands.h"
#include "app/cli/MergeCommand.h"
#include "app/cli/PrintCommand.h"
#include "app/cli/PrintersCommand.h"
#include "app/cli/SaveCommand.h"
#include "app/cli/TintCommand.h"
#include "platform/Errors.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <exception>
#include <ostream>

namespace veltmoor {

namespace {

struct VerbRow {
    const char* name;
    Operand operand;
    // Its forms in the usage text, one a line; a line that does not start with the verb goes
    // on the form above.
    const char* forms;
    // What it does, in the usage text's list of verbs.
    const char* summary;
    int (*run)(const CommandOptions& options, std::ostream& out, std::ostream& err);
};

// Every verb: a new verb is one row here (its options are rows of the option table).
const std::array kVerbTable{
    VerbRow{"render", Operand::Design,
            "render DESIGN.vmg -o OUT [--tag N] [--mode single|preview|print]\n"
            "[--email] [--transparent] [--marks none|3|4]\n"
            "[--printable WxH@DPI | --printer NAME] [--allow-missing]\n"
            "[--barcode TYPE:DATA]",
            "writes the sheet (or with --tag N the tag of slot N) as .bmp, .jpg or .png",
            runRenderCommand},
    VerbRow{"cutfile", Operand::Design,
            "cutfile DESIGN.vmg -o OUT.svg|OUT.dxf [--marks none|3|4]\n"
            "[--printable WxH@DPI | --printer NAME]",
            "writes the outlines of the sheet's tags and holes for a cutting machine,\n"
            "at true size on the paper (SVG or DXF, millimetres)",
            runCutfileCommand},
    VerbRow{"layout", Operand::Design,
            "layout DESIGN.vmg [--marks none|3|4]\n"
            "[--printable WxH@DPI | --printer NAME]",
            "prints the size label and the page grid in tag dots (1/200 inch)", runLayoutCommand},
    VerbRow{"info", Operand::Design, "info DESIGN.vmg [--barcode TYPE:DATA]",
            "prints the design as JSON", runInfoCommand},
    VerbRow{"save", Operand::Design, "save DESIGN.vmg -o OUT.vmg",
            "opens the design and writes it to OUT.vmg as \"Save Tag...\" does", runSaveCommand},
    VerbRow{"tint", Operand::Picture, "tint PICTURE --type N -o OUT.bmp | tint --list",
            "writes the picture tinted with colouring N (0 to 19) as an 8-bit bitmap;\n"
            "--list prints the colourings",
            runTintCommand},
    VerbRow{"printers", Operand::None, "printers",
            "lists the printers, the default one marked, with paper and resolution",
            runPrintersCommand},
    VerbRow{"print", Operand::Design,
            "print DESIGN.vmg [--printer NAME] [--copies N] [--pdf OUT.pdf]\n"
            "[--marks none|3|4] [--no-calibration] [--allow-missing]\n"
            "[--barcode TYPE:DATA]",
            "prints the sheet as \"Print Page\" does: on the design's printer (or\n"
            "NAME), in the design's number of copies (or N, 1 to 4); --pdf writes\n"
            "the PDF of the built-in PDF printer instead; --no-calibration prints\n"
            "without the printer's calibration",
            runPrintCommand},
    VerbRow{"merge", Operand::Design,
            "merge DESIGN.vmg [--data TABLE.csv|-] (-o OUT | --printer NAME)\n"
            "[--sheets A-B] [--check] [--allow-missing] [--copies N]\n"
            "[--marks none|3|4] [--no-calibration] [--printable WxH@DPI]\n"
            "[--barcode TYPE:DATA]",
            "makes a tag of each row of a price list (without --data, the table the\n"
            "design remembers): the first row names the columns, ${column} in a text\n"
            "of the design takes the row's cell and ${n} the tag's running number;\n"
            "columns slot (1 to 9), picture and copies choose the row's template\n"
            "slot, picture and count. All sheets go to one PDF\n"
            "(-o OUT.pdf), to OUT-001.png, OUT-002.png, ... (.bmp, .jpg), or to printer\n"
            "NAME as one job; --check only reads and counts. The cut file of a merged\n"
            "job is the cut file of its design: every sheet has the same outlines",
            runMergeCommand},
    VerbRow{"calibrate", Operand::None,
            "calibrate --printer NAME [--pdf OUT.pdf]\n"
            "calibrate --printer NAME --set dx,dy,sx,sy | --show",
            "prints the calibration sheet on printer NAME (--pdf writes it to a\n"
            "file instead); --set keeps the measured profile (offsets in mm to the\n"
            "right and down, scales in %), --show shows it",
            runCalibrateCommand},
    VerbRow{"barcode", Operand::None, "barcode --type TYPE --data DATA -o OUT [--module 2|3|4]",
            "writes one code alone at 200 dpi (module width 3 dots unless --module)",
            runBarcodeCommand},
};

const VerbRow* findVerb(const QString& word) {
    const auto row = std::find_if(kVerbTable.begin(), kVerbTable.end(),
                                  [&](const VerbRow& verb) { return word == verb.name; });
    return row == kVerbTable.end() ? nullptr : &*row;
}

// Lines of text, the first after first, the others after indent.
QString indented(const char* text, const QString& first, const QString& indent) {
    return first +
           QString::fromLatin1(text).split(QLatin1Char('\n')).join(QLatin1Char('\n') + indent) +
           QLatin1Char('\n');
}

std::string usage() {
    const QString program = QStringLiteral("       veltmoor-tags ");
    QString text = QStringLiteral("Usage: veltmoor-tags [DESIGN.vmg]\n");
    for (const VerbRow& verb : kVerbTable) {
        // Each form starts with the verb; its further lines line up after it.
        for (const QString& form : QString::fromLatin1(verb.forms).split(QLatin1Char('\n'))) {
            if (form.startsWith(QLatin1String(verb.name))) {
                text += program + form;
            } else {
                text += QString(program.size() + qstrlen(verb.name) + 1, QLatin1Char(' ')) + form;
            }
            text += QLatin1Char('\n');
        }
    }
    text += program + QStringLiteral("--help | --version\n\n"
                                     "Designs and prints sheets of hanging tags. Without a verb "
                                     "the window opens.\n\n");
    constexpr int kColumn = 11;
    for (const VerbRow& verb : kVerbTable) {
        const QString name = QStringLiteral("  ") + QLatin1String(verb.name);
        text += indented(verb.summary, name.leftJustified(kColumn - 1) + QLatin1Char(' '),
                         QString(kColumn, QLatin1Char(' ')));
    }
    return text.toStdString() + "\n" + optionsUsage();
}

int runVerb(const VerbRow& verb, const QStringList& arguments, std::ostream& out,
            std::ostream& err) {
    return verb.run(parseCommandOptions(arguments, verb.operand), out, err);
}

} // namespace

bool isCommandLineRequest(const QStringList& arguments) {
    const QString first = arguments.value(1);
    // A word that is no verb and no design file is a mistake the command line explains.
    return arguments.size() > 1 && (first.startsWith(QLatin1Char('-')) ||
                                    findVerb(first) != nullptr || !QFileInfo(first).isFile());
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << usage();
        return kExitOk;
    }
    if (first == QLatin1String("--version")) {
        out << "veltmoor-tags " << kProgramVersion << "\n";
        return kExitOk;
    }
    const VerbRow* verb = findVerb(first);
    if (verb == nullptr) {
        const char* what = first.startsWith(QLatin1Char('-'))
                               ? "\" is not an option."
                               : "\" is neither a verb nor an existing design file.";
        err << "veltmoor-tags: \"" << first.toStdString() << what << "\n\n" << usage();
        return kExitBadUsage;
    }
    try {
        return runVerb(*verb, arguments, out, err);
    } catch (const UsageError& error) {
        err << "veltmoor-tags: " << error.message << "\n\n" << usage();
        return kExitBadUsage;
    } catch (const UserError& error) {
        err << "veltmoor-tags: " << error.message().toStdString() << "\n";
        return kExitBadInput;
    } catch (const std::bad_alloc&) {
        err << "veltmoor-tags: there is not enough memory for this design.\n";
        return kExitBadInput;
    } catch (const std::exception& error) {
        // Whatever else the system refused (a thread, a file handle) ends the verb with one
        // sentence, never with an abort.
        err << "veltmoor-tags: the system refused what " << first.toStdString()
            << " needed: " << error.what() << ".\n";
        return kExitBadInput;
    } catch (...) {
        err << "veltmoor-tags: " << first.toStdString() << " stopped on an unexpected error.\n";
        return kExitBadInput;
    }
}

} // namespace veltmoor
