#include "app/ui/PriceListCommands.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/PriceListDialog.h"
#include "app/ui/Prompts.h"
#include "app/ui/ScopeExit.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/DesignPrinter.h"
#include "platform/Errors.h"
#include "pricelist/PriceList.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace veltmoor {

namespace {

const QString kTableFilter = QStringLiteral(
    "Price lists (*.csv *.txt *.tsv);;Comma separated (*.csv);;Text (*.txt *.tsv);;All files (*)");

// Thrown from a job's progress when the user stops it, so that the job ends before anything
// is printed or any file replaced.
struct JobStopped {};

} // namespace

PriceListCommands::PriceListCommands(PriceListWindow window, QMenu* fileMenu, QAction* before,
                                     QObject* parent)
    : QObject(parent), window_(std::move(window)) {
    setObjectName(QStringLiteral("PriceListCommands"));
    buildItems(fileMenu, before);
    connectCommands();
    connect(fileMenu, &QMenu::aboutToShow, this, [this] { followDesign(); });
    followDesign();
}

PriceListCommands::~PriceListCommands() = default;

void PriceListCommands::buildItems(QMenu* fileMenu, QAction* before) {
    UsePriceListItem = window::addMenuItem(
        fileMenu, before, QStringLiteral("UsePriceListItem"), tr("Use &Price List..."),
        tr("Fills the tags' ${column} fields from a table exported from a spreadsheet, one tag "
           "for every row, sheet after sheet."));
    SaveSheetsAsPdfItem = window::addMenuItem(
        fileMenu, before, QStringLiteral("SaveSheetsAsPdfItem"), tr("Save Sheets as P&DF..."),
        tr("Saves every sheet of the price list in one PDF file, on the printer's page."));
    StopUsingPriceListItem = window::addMenuItem(
        fileMenu, before, QStringLiteral("StopUsingPriceListItem"), tr("Stop &Using Price List"),
        tr("Prints the plain sheet again, without the price list."));
    fileMenu->insertSeparator(before);
}

void PriceListCommands::connectCommands() {
    const auto guarded = [this](auto* sender, auto signal, void (PriceListCommands::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { window_.guarded([this, handler] { (this->*handler)(); }); });
    };
    guarded(UsePriceListItem, &QAction::triggered, &PriceListCommands::UsePriceListItemClick);
    guarded(SaveSheetsAsPdfItem, &QAction::triggered, &PriceListCommands::SaveSheetsAsPdfItemClick);
    guarded(StopUsingPriceListItem, &QAction::triggered,
            &PriceListCommands::StopUsingPriceListItemClick);
}

bool PriceListCommands::inUse() const {
    const QString& path = window_.design->priceListPath();
    return !path.isEmpty() && QFileInfo(path).isFile();
}

PriceListCommands::Job PriceListCommands::read(const QString& path, PictureCache& pictures) const {
    Job job;
    job.list =
        std::make_unique<PriceList>(readPriceTable(path), PriceListTemplate::of(*window_.design),
                                    PriceListOptions{QFileInfo(path).absolutePath(), false});
    job.sheets = std::make_unique<PriceListSheets>(*job.list, window_.page(), pictures);
    return job;
}

PriceListCommands::Job PriceListCommands::readUsable(PictureCache& pictures) const {
    Job job = read(window_.design->priceListPath(), pictures);
    if (!job.list->problems().isEmpty()) {
        throw UserError(job.list->problemMessage() +
                        tr("\nFile, Stop Using Price List goes back to the plain sheet."));
    }
    return job;
}

Bitmap PriceListCommands::composeShownSheet() {
    const Job job = readUsable(*window_.pictures);
    shownSheet_ = std::clamp(shownSheet_, 0, job.sheets->count() - 1);
    Bitmap sheet;
    job.sheets->compose(shownSheet_, sheet);
    window_.showSheetNumber(shownSheet_, job.sheets->count());
    return sheet;
}

void PriceListCommands::showPlainSheet() {
    window_.hideSheetNumber();
}

std::optional<PrintResult> PriceListCommands::printAll(const PrintRequest& request,
                                                       const QString& title) {
    if (!window_.printSheets) {
        throw UserError(tr("Printing is not available, so the sheets cannot be printed."));
    }
    // The job's own pictures: its sheets are composed on a second thread while the window
    // may still draw a tag with its own.
    PictureCache pictures;
    const Job job = readUsable(pictures);
    SheetSeries series;
    series.count = job.sheets->count();
    series.compose = [&job](int index, Bitmap& sheet) { job.sheets->compose(index, sheet); };
    const std::unique_ptr<JobProgress> progress =
        window_.prompts->startJob(title, window::kSheetStep, series.count);
    series.progress = [&progress](int done, int count) {
        if (!progress->advance(done, count)) {
            throw JobStopped{};
        }
    };
    try {
        return window_.printSheets(series, request);
    } catch (const JobStopped&) {
        window_.status(tr("Stopped: nothing was printed or saved"));
        return std::nullopt;
    }
}

void PriceListCommands::designOpened() {
    followDesign();
    const QString& path = window_.design->priceListPath();
    if (!path.isEmpty() && !inUse()) {
        window_.prompts->message(
            tr("The price list %1 of this design is not there, so the plain sheet is shown. "
               "File, Use Price List... chooses a table again.")
                .arg(QDir::toNativeSeparators(path)));
    }
}

void PriceListCommands::followDesign() {
    const QString& path = window_.design->priceListPath();
    if (path != followedPath_) {
        followedPath_ = path;
        shownSheet_ = 0;
    }
    StopUsingPriceListItem->setEnabled(!path.isEmpty());
    SaveSheetsAsPdfItem->setEnabled(inUse() && window_.printSheets);
    if (!inUse()) {
        showPlainSheet();
    }
}

void PriceListCommands::UsePriceListItemClick() {
    Prompts& prompts = *window_.prompts;
    const std::optional<QString> path =
        prompts.openFile(tr("Use Price List"), kTableFilter, tableFolder_);
    if (!path) {
        return;
    }
    tableFolder_ = QFileInfo(*path).absolutePath();
    PriceListSummary summary;
    {
        const BusyCursor busy;
        const Job job = read(*path, *window_.pictures);
        summary = summarizePriceList(*job.list, *job.sheets);
    }
    if (!prompts.confirmPriceList(summary) || !summary.problems.isEmpty()) {
        return;
    }
    TagDesign& design = *window_.design;
    design.setPriceList({QString(), QFileInfo(*path).absoluteFilePath()});
    followedPath_.clear(); // the same table chosen again starts at its first sheet
    followDesign();
    window_.showPreview();
}

void PriceListCommands::SaveSheetsAsPdfItemClick() {
    const std::optional<QString> path = window_.prompts->saveFile(
        tr("Save Sheets as PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"), pdfFolder_);
    if (!path) {
        return;
    }
    pdfFolder_ = QFileInfo(*path).absolutePath();
    PrintRequest request;
    request.printer = printerSelectionOf(*window_.design);
    request.pdfPath = *path;
    request.documentName = QFileInfo(window_.design->priceListPath()).completeBaseName();
    // A file for the user, at true size: the printer's correction belongs to its own prints.
    request.useCalibration = false;
    window_.lock(true);
    const ScopeExit unlock([this] { window_.lock(false); });
    const BusyCursor busy;
    if (const std::optional<PrintResult> written = printAll(request, tr("Save Sheets as PDF"))) {
        window_.status(tr("Wrote %1").arg(QFileInfo(*path).fileName()));
    }
}

void PriceListCommands::StopUsingPriceListItemClick() {
    TagDesign& design = *window_.design;
    design.setPriceList({});
    followDesign();
    window_.showPreview();
}

void PriceListCommands::PreviousSheetButtonClick() {
    shownSheet_ = std::max(shownSheet_ - 1, 0);
    window_.showPreview();
}

void PriceListCommands::NextSheetButtonClick() {
    ++shownSheet_; // the composition keeps it to the sheets there are
    window_.showPreview();
}

} // namespace veltmoor
