#include "app/cli/CommandLine.h"

#include "ProgramVersion.h"
#include "app/cli/CalibrateCommand.h"
#include "app/cli/DesignDescription.h"
#include "app/cli/MergeCommand.h"
#include "app/cli/PrintCommand.h"
#include "app/cli/PrintersCommand.h"
#include "app/cli/TintCommand.h"
#include "app/cli/UsageError.h"
#include "design/DesignComposition.h"
#include "design/DesignCutFile.h"
#include "design/TagDesign.h"
#include "output/CuttingPicture.h"
#include "output/ImageExport.h"
#include "output/PrinterMetrics.h"
#include "output/SheetLayout.h"
#include "platform/Errors.h"
#include "printing/SheetPrinter.h"
#include "render/PageGrid.h"
#include "setupfile/SetupFile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <optional>
#include <ostream>

namespace veltmoor {

namespace {

constexpr const char* kUsage =
    "Usage: veltmoor-tags [DESIGN.vmg]\n"
    "       veltmoor-tags render DESIGN.vmg -o OUT [--tag N] [--mode single|preview|print]\n"
    "                            [--email] [--transparent] [--marks none|3|4]\n"
    "                            [--printable WxH@DPI | --printer NAME]\n"
    "       veltmoor-tags cutfile DESIGN.vmg -o OUT.svg|OUT.dxf [--marks none|3|4]\n"
    "                             [--printable WxH@DPI | --printer NAME]\n"
    "       veltmoor-tags layout DESIGN.vmg [--marks none|3|4]\n"
    "                            [--printable WxH@DPI | --printer NAME]\n"
    "       veltmoor-tags info DESIGN.vmg\n"
    "       veltmoor-tags tint PICTURE --type N -o OUT.bmp | tint --list\n"
    "       veltmoor-tags printers\n"
    "       veltmoor-tags print DESIGN.vmg [--printer NAME] [--copies N] [--pdf OUT.pdf]\n"
    "                           [--marks none|3|4] [--no-calibration]\n"
    "       veltmoor-tags merge DESIGN.vmg --data TABLE.csv|- (-o OUT | --printer NAME)\n"
    "                           [--sheets A-B] [--check] [--allow-missing] [--copies N]\n"
    "                           [--marks none|3|4] [--no-calibration] [--printable WxH@DPI]\n"
    "       veltmoor-tags calibrate --printer NAME [--pdf OUT.pdf]\n"
    "       veltmoor-tags calibrate --printer NAME --set dx,dy,sx,sy | --show\n"
    "       veltmoor-tags --help | --version\n"
    "\n"
    "Designs and prints sheets of hanging tags. Without a verb the window opens.\n"
    "\n"
    "  render   writes the sheet (or with --tag N the tag of slot N) as .bmp, .jpg or .png\n"
    "  cutfile  writes the outlines of the sheet's tags and holes for a cutting machine,\n"
    "           at true size on the paper (SVG or DXF, millimetres)\n"
    "  layout   prints the size label and the page grid in tag dots (1/200 inch)\n"
    "  info     prints the design as JSON\n"
    "  tint     writes the picture tinted with colouring N (0 to 19) as an 8-bit bitmap;\n"
    "           --list prints the colourings\n"
    "  printers lists the printers, the default one marked, with paper and resolution\n"
    "  print    prints the sheet as \"Print Page\" does: on the design's printer (or\n"
    "           NAME), in the design's number of copies (or N, 1 to 4); --pdf writes\n"
    "           the PDF of the built-in PDF printer instead; --no-calibration prints\n"
    "           without the printer's calibration\n"
    "  merge    makes a tag of each row of a price list: the first row names the columns,\n"
    "           ${column} in a text of the design takes the row's cell and ${n} the tag's\n"
    "           running number; columns slot (1 to 9), picture and copies choose the\n"
    "           row's template slot, picture and count. All sheets go to one PDF\n"
    "           (-o OUT.pdf), to OUT-001.png, OUT-002.png, ... (.bmp, .jpg), or to printer\n"
    "           NAME as one job; --check only reads and counts. The cut file of a merged\n"
    "           job is the cut file of its design: every sheet has the same outlines\n"
    "  calibrate prints the calibration sheet on printer NAME (--pdf writes it to a\n"
    "           file instead); --set keeps the measured profile (offsets in mm to the\n"
    "           right and down, scales in %), --show shows it\n"
    "\n"
    "  -o OUT             the picture to write; its extension picks the format\n"
    "  --tag N            one tag (slot 1 to 9) instead of the sheet\n"
    "  --mode MODE        cut-line width: single (3 dots), preview (10) or print (1)\n"
    "  --email            the reduced size for e-mail (sheet 75 dpi, tag 100 dpi)\n"
    "  --transparent      a .png whose outside of the tags' cut lines is transparent,\n"
    "                     at 200 dpi, for a cutting machine that traces the picture\n"
    "  --marks MARKS      registration marks for a cutting machine: none, 3 or 4\n"
    "                     (overrides the design's choice)\n"
    "  --printable WxH@DPI  the printable page in printer dots, e.g. 4800x6300@600,\n"
    "                     taken as the whole paper; without it the built-in PDF\n"
    "                     printer's page is used\n"
    "  --printer NAME     the page of printer NAME, as print prints on it: its paper,\n"
    "                     margins and resolution, turned for a landscape design\n";

struct Options {
    QString verb;
    QString designPath;
    QString outputPath;
    std::optional<int> tag;
    RenderMode mode = RenderMode::Single;
    bool printing = false;
    bool email = false;
    std::optional<PageMetrics> printable;
    std::optional<QString> printer;
    bool transparent = false;
    std::optional<CuttingMarks> marks;
};

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

void parseMode(const QString& text, Options& options) {
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

int parseTag(const QString& text) {
    bool ok = false;
    const int tag = text.toInt(&ok);
    if (!ok || tag < 1 || tag > 9) {
        throw UsageError{"--tag takes a slot number from 1 to 9."};
    }
    return tag;
}

// Reads one option of render, cutfile, layout or info; false for an option none of them has.
bool takeOption(const QStringList& arguments, const QString& option, int& index, Options& options) {
    if (option == QLatin1String("-o")) {
        options.outputPath = optionValue(arguments, index);
    } else if (option == QLatin1String("--tag")) {
        options.tag = parseTag(optionValue(arguments, index));
    } else if (option == QLatin1String("--mode")) {
        parseMode(optionValue(arguments, index), options);
    } else if (option == QLatin1String("--email")) {
        options.email = true;
    } else if (option == QLatin1String("--transparent")) {
        options.transparent = true;
    } else if (option == QLatin1String("--marks")) {
        options.marks = marksOptionValue(arguments, index);
    } else if (option == QLatin1String("--printable")) {
        options.printable = parsePrintable(optionValue(arguments, index));
    } else if (option == QLatin1String("--printer")) {
        options.printer = optionValue(arguments, index);
    } else {
        return false;
    }
    return true;
}

Options parseOptions(const QStringList& arguments) {
    Options options;
    options.verb = arguments.value(1);
    options.designPath = designFileAmong(arguments, [&](const QString& option, int& index) {
        return takeOption(arguments, option, index, options);
    });
    const bool renders = options.verb == QLatin1String("render");
    const bool cuts = options.verb == QLatin1String("cutfile");
    if ((renders || cuts) && options.outputPath.isEmpty()) {
        throw UsageError{options.verb.toStdString() + " needs -o OUT."};
    }
    if (!renders && (options.tag || options.email || options.transparent ||
                     options.mode != RenderMode::Single)) {
        throw UsageError{"--tag, --mode, --email and --transparent belong to render."};
    }
    if (options.transparent && options.email) {
        throw UsageError{"--transparent writes the full 200 dpi size, so it does not go with "
                         "--email."};
    }
    if (!renders && !cuts && !options.outputPath.isEmpty()) {
        throw UsageError{"-o belongs to render and cutfile."};
    }
    if (options.verb == QLatin1String("info") && options.marks) {
        throw UsageError{"--marks belongs to render, cutfile, layout and print."};
    }
    if (options.verb == QLatin1String("info") && (options.printable || options.printer)) {
        throw UsageError{"--printable and --printer belong to render, cutfile and layout."};
    }
    if (options.printable && options.printer) {
        throw UsageError{"--printable and --printer exclude each other: each gives the page."};
    }
    return options;
}

// The page the design prints on: the one given, or the named printer's as print sets it up,
// else the built-in PDF printer's, turned when the design asks for landscape.
PageMetrics pageFor(const Options& options, const TagDesign& design) {
    if (options.printable) {
        return *options.printable;
    }
    if (options.printer) {
        PrinterSelection selection = PrinterSelection::of(design);
        selection.printerName = *options.printer;
        return ReadPrinterMetrics(selection).pageMetrics();
    }
    PageMetrics page = builtInPdfPrinterMetricsForSystemLocale().pageMetrics();
    if (design.landscape) {
        std::swap(page.PageWidth, page.PageHeight);
        std::swap(page.PixelsPerInchX, page.PixelsPerInchY);
        std::swap(page.PhysicalWidth, page.PhysicalHeight);
        std::swap(page.PhysicalOffsetX, page.PhysicalOffsetY);
    }
    return page;
}

// The design as the window has it right after opening the file from the welcome page.
TagDesign openDesign(const QString& path, std::ostream& err) {
    TagDesign design = TagDesign::atFirstActivation();
    OpenSetupFileOptions openOptions;
    // No thumbnails here: the headers give the sizes, and each picture is decoded once, at
    // the size its tag needs, when the tags are composed.
    openOptions.decodePictures = false;
    const OpenSetupFileResult opened = openSetupFile(path, design, openOptions);
    const QString problems = opened.pictureProblemMessage();
    if (!problems.isEmpty()) {
        err << "veltmoor-tags: " << problems.toStdString() << "\n";
    }
    return design;
}

// The design file's marks, unless the command line chose others.
void applyMarks(const Options& options, TagDesign& design) {
    if (options.marks) {
        design.cuttingMarks = *options.marks;
    }
}

int render(const Options& options, std::ostream& err) {
    PictureCache pictures;
    TagDesign design = openDesign(options.designPath, err);
    applyMarks(options, design);
    design.renderMode = options.mode;
    design.Printing = options.printing;
    const PageMetrics page = pageFor(options, design);
    if (options.tag) {
        design.CurrentSlot = *options.tag;
        prefetchSlotPictures(design, page, pictures, *options.tag, *options.tag);
        const ComposedTag composed = composeCurrentSlot(design, page, pictures);
        if (!composed.composed) {
            throw UserError(QStringLiteral("Tag %1 of %2 has no picture, so there is no tag "
                                           "to render.")
                                .arg(*options.tag)
                                .arg(options.designPath));
        }
        if (options.transparent) {
            writeTransparentPng(options.outputPath, designCuttingTagPicture(design, composed.tag));
            return kExitOk;
        }
        exportPicture(options.outputPath, composed.tag,
                      options.email ? ExportSize::TagForEmail : ExportSize::Full);
        return kExitOk;
    }
    RefreshTessels(design, page, pictures);
    if (options.transparent) {
        // The machine's own program draws its marks on such a sheet.
        const Bitmap sheet =
            composeSheet(design.Slots, design.pageGrid, design.TagWidthDots, design.TagHeightDots);
        writeTransparentPng(options.outputPath, designCuttingSheetPicture(design, sheet));
        return kExitOk;
    }
    const Bitmap sheet = composeSheet(design.Slots, sheetPlanFor(design, page), design.TagWidthDots,
                                      design.TagHeightDots);
    exportPicture(options.outputPath, sheet,
                  options.email ? ExportSize::SheetForEmail : ExportSize::Full);
    return kExitOk;
}

int cutfile(const Options& options, std::ostream& err) {
    TagDesign design = openDesign(options.designPath, err);
    applyMarks(options, design);
    writeDesignCutFile(design, pageFor(options, design), options.outputPath);
    return kExitOk;
}

int layout(const Options& options, std::ostream& out, std::ostream& err) {
    TagDesign design = openDesign(options.designPath, err);
    applyMarks(options, design);
    const SheetPlan plan = sheetPlanFor(design, pageFor(options, design));
    const PageGrid& grid = plan.grid;
    out << plan.sizeLabel.toStdString() << "\n"
        << "TagsAcross=" << grid.TagsAcross << "\n"
        << "TagsDown=" << grid.TagsDown << "\n"
        << "SheetMarginX=" << grid.SheetMarginX << "\n"
        << "SheetMarginY=" << grid.SheetMarginY << "\n"
        << "SheetWidth=" << grid.SheetWidth << "\n"
        << "SheetHeight=" << grid.SheetHeight << "\n";
    return kExitOk;
}

int info(const Options& options, std::ostream& out, std::ostream& err) {
    const TagDesign design = openDesign(options.designPath, err);
    out << describeDesignAsJson(design).toStdString();
    return kExitOk;
}

int runVerb(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.value(1) == QLatin1String("tint")) {
        return runTintCommand(arguments, out);
    }
    if (arguments.value(1) == QLatin1String("printers")) {
        return runPrintersCommand(arguments, out);
    }
    if (arguments.value(1) == QLatin1String("calibrate")) {
        return runCalibrateCommand(arguments, out);
    }
    if (arguments.value(1) == QLatin1String("merge")) {
        return runMergeCommand(arguments, out, err);
    }
    if (arguments.value(1) == QLatin1String("print")) {
        return runPrintCommand(arguments, out, err);
    }
    const Options options = parseOptions(arguments);
    if (options.verb == QLatin1String("render")) {
        return render(options, err);
    }
    if (options.verb == QLatin1String("layout")) {
        return layout(options, out, err);
    }
    if (options.verb == QLatin1String("cutfile")) {
        return cutfile(options, err);
    }
    return info(options, out, err);
}

bool isVerb(const QString& word) {
    return word == QLatin1String("render") || word == QLatin1String("layout") ||
           word == QLatin1String("info") || word == QLatin1String("tint") ||
           word == QLatin1String("cutfile") || word == QLatin1String("printers") ||
           word == QLatin1String("print") || word == QLatin1String("calibrate") ||
           word == QLatin1String("merge");
}

} // namespace

PageMetrics printableOptionValue(const QString& text) {
    return parsePrintable(text);
}

bool isCommandLineRequest(const QStringList& arguments) {
    const QString first = arguments.value(1);
    // A word that is no verb and no design file is a mistake the command line explains.
    return arguments.size() > 1 &&
           (first.startsWith(QLatin1Char('-')) || isVerb(first) || !QFileInfo(first).isFile());
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << kUsage;
        return kExitOk;
    }
    if (first == QLatin1String("--version")) {
        out << "veltmoor-tags " << kProgramVersion << "\n";
        return kExitOk;
    }
    if (!isVerb(first)) {
        const char* what = first.startsWith(QLatin1Char('-'))
                               ? "\" is not an option."
                               : "\" is neither a verb nor an existing design file.";
        err << "veltmoor-tags: \"" << first.toStdString() << what << "\n\n" << kUsage;
        return kExitBadUsage;
    }
    try {
        return runVerb(arguments, out, err);
    } catch (const UsageError& error) {
        err << "veltmoor-tags: " << error.message << "\n\n" << kUsage;
        return kExitBadUsage;
    } catch (const UserError& error) {
        err << "veltmoor-tags: " << error.message().toStdString() << "\n";
        return kExitBadInput;
    } catch (const std::bad_alloc&) {
        err << "veltmoor-tags: there is not enough memory for this design.\n";
        return kExitBadInput;
    }
}

} // namespace veltmoor
