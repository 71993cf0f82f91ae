#include "design/SlotColoring.h"

#include "images/TintPalettes.h"
#include "images/TintedCopy.h"
#include "platform/Errors.h"
#include "platform/WorkingFolder.h"

#include <QFileInfo>

#include <stdexcept>

namespace veltmoor {

namespace {

const img& sheetSlot(const TagDesign& design, int slot) {
    if (slot < kFirstSheetSlot || slot > kLastSheetSlot) {
        throw std::out_of_range("only the slots of the sheet can be coloured");
    }
    return design.slot(slot);
}

} // namespace

ColoredSlotPicture UseColoredImage(TagDesign& design, int slot, int type, PictureCache* pictures) {
    if (!isTintType(type)) {
        throw std::out_of_range("unknown colouring type");
    }
    const img& record = sheetSlot(design, slot);
    if (record.SourceFileName.isEmpty()) {
        throw UserError(QStringLiteral("Tag %1 has no picture to color.").arg(slot));
    }
    ensureWorkingFolder();
    const QString copy = tintedCopyPath(slot, record.SourceFileName, type);
    ColoredSlotPicture result;
    result.picture = writeTintedCopy(record.SourceFileName, type, copy, pictures);
    design.setSlotTint(slot, copy, type);
    result.redraw =
        strongest(Redraw::Scheduled,
                  design.recordSlotPicture(slot, result.picture.width, result.picture.height));
    return result;
}

Redraw CancelColoringImage(TagDesign& design, int slot) {
    const img& record = sheetSlot(design, slot);
    design.setSlotTint(slot, record.SourceFileName, kNotTinted);
    return Redraw::Scheduled;
}

bool remakeMissingTintedCopy(TagDesign& design, int slot, PictureCache* pictures) {
    const img& record = sheetSlot(design, slot);
    if (record.FileName.isEmpty() || QFileInfo::exists(record.FileName) ||
        !isTintType(record.ColoringType) || record.SourceFileName.isEmpty() ||
        !QFileInfo(record.SourceFileName).isFile()) {
        return false;
    }
    const QString copy = tintedCopyPath(slot, record.SourceFileName, record.ColoringType);
    if (!QFileInfo::exists(copy)) {
        ensureWorkingFolder();
        writeTintedCopy(record.SourceFileName, record.ColoringType, copy, pictures);
    }
    design.setSlotTint(slot, copy, record.ColoringType);
    return true;
}

} // namespace veltmoor
