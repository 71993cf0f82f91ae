#include "app/ui/TForm1.h"
#include "app/ui/pages/ControlPage.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/Prompts.h"
#include "app/ui/ScopeExit.h"
#include "app/ui/WidgetFactory.h"
#include "design/DesignCutFile.h"
#include "output/CuttingPicture.h"
#include "output/SheetLayout.h"
#include "platform/Errors.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>

namespace veltmoor {

namespace {

const QString kCutFileFilter = QStringLiteral("SVG cut files (*.svg);;DXF cut files (*.dxf)");
const QString kCuttingPictureFilter = QStringLiteral("PNG pictures (*.png)");

// The dialog opens where the last file for the cutting machine went.
std::optional<QString> askCutFileName(Prompts& prompts, const QString& title, const QString& filter,
                                      const QString& defaultSuffix, QString& folder) {
    std::optional<QString> chosen = prompts.saveFile(title, filter, defaultSuffix, folder);
    if (chosen) {
        folder = QFileInfo(*chosen).absolutePath();
    }
    return chosen;
}

} // namespace

// A group of their own between the design files and the picture exports.
void TForm1::buildCutItems() {
    FileMenu->insertSeparator(ExitItem);
    SaveCutFileItem = window::addMenuItem(
        FileMenu, ExitItem, QStringLiteral("SaveCutFileItem"), QStringLiteral("Save &Cut File..."),
        QStringLiteral("Saves the outline of every tag and hole of the sheet, at true size on "
                       "the paper, as SVG or DXF for a cutting machine's program."));
    SaveTagsForCuttingMachineItem = window::addMenuItem(
        FileMenu, ExitItem, QStringLiteral("SaveTagsForCuttingMachineItem"),
        QStringLiteral("Save Tags for Cu&tting Machine..."),
        QStringLiteral("Saves the sheet, or the tag shown, as a PNG picture that is "
                       "transparent outside the cut lines, for a cutting machine "
                       "whose own program traces the picture."));
    FileMenu->insertSeparator(ExitItem);
}

void TForm1::CuttingMarksComboBoxChange(int choice) {
    design_.setCuttingMarks(static_cast<CuttingMarks>(choice));
    // The marks narrow the sheet's grid; the redraw brings the size label's counts along.
    DrawTag(design_.currentSlot());
}

void TForm1::SaveCutFileItemClick() {
    const std::optional<QString> path =
        askCutFileName(prompts_, QStringLiteral("Save Cut File"), kCutFileFilter,
                       QStringLiteral("svg"), cutFolder_);
    if (!path) {
        return;
    }
    const BusyCursor busy;
    writeDesignCutFile(design_, printerMetrics_.pageMetrics(), *path);
}

void TForm1::SaveTagsForCuttingMachineItemClick() {
    const int slot = design_.currentSlot();
    const std::optional<bool> answer = prompts_.askYesNoCancel(
        QStringLiteral("Save the whole sheet of tags? Choose No to save only tag %1, the one "
                       "shown.")
            .arg(slot),
        QStringLiteral("Save Tags for Cutting Machine"));
    if (!answer) {
        return;
    }
    const bool wholeSheet = *answer;
    const bool hasTag = wholeSheet ? PicturedSlots::fromSlots(design_.slotTable()).any()
                                   : slot >= kFirstSheetSlot && slot <= kLastSheetSlot &&
                                         QFileInfo::exists(design_.slotTable().at(slot).FileName);
    if (!hasTag) {
        throw UserError(wholeSheet ? QStringLiteral("No tag holds a picture, so there is no "
                                                    "sheet of tags to save.")
                                   : QStringLiteral("Tag %1 has no picture, so there is no tag "
                                                    "to save.")
                                         .arg(slot));
    }
    const std::optional<QString> path =
        askCutFileName(prompts_, QStringLiteral("Save Tags for Cutting Machine"),
                       kCuttingPictureFilter, QStringLiteral("png"), cutFolder_);
    if (!path) {
        return;
    }
    DisableControls();
    const ScopeExit unlock([this] { EnableControls(); });
    const BusyCursor busy;
    if (wholeSheet) {
        // The marks printed on the sheet fall outside the tags, so they come out transparent:
        // the machine's program draws its own.
        PrintPreview();
        writeTransparentPng(*path, designCuttingSheetPicture(design_, SheetBitmap_));
    } else {
        DrawTagReal();
        writeTransparentPng(*path, designCuttingTagPicture(design_, LastTagBitmap_));
    }
}

// "Marks for cutting machine" on "Control", and the two items of "File".
void TForm1::connectCutCommands() {
    onPage(controlPage_, &ControlPage::cuttingMarksChosen,
           [this](int choice) { CuttingMarksComboBoxChange(choice); });
    on(SaveCutFileItem, &QAction::triggered, [this] { SaveCutFileItemClick(); });
    on(SaveTagsForCuttingMachineItem, &QAction::triggered,
       [this] { SaveTagsForCuttingMachineItemClick(); });
}

} // namespace veltmoor
