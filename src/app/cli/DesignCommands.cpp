#include "app/cli/DesignCommands.h"

#include "app/cli/BarcodeCommand.h"
#include "app/cli/CommandLine.h"
#include "app/cli/DesignChecks.h"
#include "app/cli/DesignDescription.h"
#include "design/DesignComposition.h"
#include "design/DesignCutFile.h"
#include "design/DesignPrinter.h"
#include "design/TagDesign.h"
#include "output/CuttingPicture.h"
#include "output/ImageExport.h"
#include "output/SheetLayout.h"
#include "platform/Errors.h"
#include "printing/SheetPrinter.h"
#include "render/PageGrid.h"
#include "setupfile/SetupFile.h"

#include <ostream>

namespace veltmoor {

namespace {

// The page the design prints on: the one given, or the named printer's as print sets it up,
// else the built-in PDF printer's, turned when the design asks for landscape.
PageMetrics pageFor(const CommandOptions& options, const TagDesign& design, std::ostream& err) {
    if (options.printable) {
        return *options.printable;
    }
    if (options.printer) {
        PrinterSelection selection = printerSelectionOf(design);
        selection.printerName = *options.printer;
        useOfferedPaper(selection, err);
        return ReadPrinterMetrics(selection).pageMetrics();
    }
    PageMetrics page = builtInPdfPrinterMetricsForSystemLocale().pageMetrics();
    if (design.printer().landscape) {
        std::swap(page.PageWidth, page.PageHeight);
        std::swap(page.PixelsPerInchX, page.PixelsPerInchY);
        std::swap(page.PhysicalWidth, page.PhysicalHeight);
        std::swap(page.PhysicalOffsetX, page.PhysicalOffsetY);
    }
    return page;
}

// The design as the window has it right after opening the file from the welcome page.
TagDesign openDesign(const QString& path, std::ostream& err, const NeededPictures& needed = {}) {
    TagDesign design = TagDesign::atFirstActivation();
    OpenSetupFileOptions openOptions;
    // No thumbnails here: the headers give the sizes, and each picture is decoded once, at
    // the size its tag needs, when the tags are composed.
    openOptions.decodePictures = false;
    checkNeededPictures(openSetupFile(path, design, openOptions), needed, err);
    return design;
}

// The design file's marks, unless the command line chose others.
void applyMarks(const CommandOptions& options, TagDesign& design) {
    if (options.marks) {
        design.setCuttingMarks(*options.marks);
    }
}

// The page comes from one of --printable and --printer, never both.
void requireOnePage(const CommandOptions& options) {
    if (options.printable && options.printer) {
        throw UsageError{"--printable and --printer exclude each other: each gives the page."};
    }
}

} // namespace

int runRenderCommand(const CommandOptions& options, std::ostream&, std::ostream& err) {
    if (options.outputPath.isEmpty()) {
        throw UsageError{"render needs -o OUT."};
    }
    if (options.transparent && options.email) {
        throw UsageError{"--transparent writes the full 200 dpi size, so it does not go with "
                         "--email."};
    }
    requireOnePage(options);
    PictureCache pictures;
    TagDesign design = openDesign(options.operand, err,
                                  {options.allowMissing, options.tag.value_or(kFirstSheetSlot),
                                   options.tag.value_or(kLastSheetSlot), "render", "rendered"});
    applyMarks(options, design);
    applyBarcodeOverride(options, design);
    design.setRenderMode(options.mode);
    design.setPrinting(options.printing);
    const PageMetrics page = pageFor(options, design, err);
    if (options.tag) {
        design.setCurrentSlot(*options.tag);
        prefetchSlotPictures(design, page, pictures, *options.tag, *options.tag);
        const ComposedTag composed = composeCurrentSlot(design, page, pictures);
        if (!composed.composed) {
            throw UserError(QStringLiteral("Tag %1 of %2 has no picture, so there is no tag "
                                           "to render.")
                                .arg(*options.tag)
                                .arg(options.operand));
        }
        if (!composed.barcodeProblem.isEmpty()) {
            throw UserError(barcodeRefusal(*options.tag, composed.barcodeProblem));
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
        const Bitmap sheet = composeSheet(design.slotTable(), design.pageGrid(),
                                          design.tagWidthDots(), design.tagHeightDots());
        writeTransparentPng(options.outputPath, designCuttingSheetPicture(design, sheet));
        return kExitOk;
    }
    const Bitmap sheet = composeSheet(design.slotTable(), sheetPlanFor(design, page),
                                      design.tagWidthDots(), design.tagHeightDots());
    exportPicture(options.outputPath, sheet,
                  options.email ? ExportSize::SheetForEmail : ExportSize::Full);
    return kExitOk;
}

int runCutfileCommand(const CommandOptions& options, std::ostream&, std::ostream& err) {
    if (options.outputPath.isEmpty()) {
        throw UsageError{"cutfile needs -o OUT."};
    }
    requireOnePage(options);
    TagDesign design = openDesign(options.operand, err);
    applyMarks(options, design);
    writeDesignCutFile(design, pageFor(options, design, err), options.outputPath);
    return kExitOk;
}

int runLayoutCommand(const CommandOptions& options, std::ostream& out, std::ostream& err) {
    requireOnePage(options);
    TagDesign design = openDesign(options.operand, err);
    applyMarks(options, design);
    const SheetPlan plan = sheetPlanFor(design, pageFor(options, design, err));
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

int runInfoCommand(const CommandOptions& options, std::ostream& out, std::ostream& err) {
    TagDesign design = openDesign(options.operand, err);
    applyBarcodeOverride(options, design);
    out << describeDesignAsJson(design).toStdString();
    return kExitOk;
}

} // namespace veltmoor
