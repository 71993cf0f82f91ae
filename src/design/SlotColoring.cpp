#include "design/SlotColoring.h"

#include "images/TintPalettes.h"
#include "images/TintedCopy.h"
#include "platform/Errors.h"
#include "platform/WorkingFolder.h"

#include <QFileInfo>

#include <stdexcept>

namespace veltmoor {

namespace {

img& sheetSlot(TagDesign& design, int slot) {
    if (slot < kFirstSheetSlot || slot > kLastSheetSlot) {
        throw std::out_of_range("only the slots of the sheet can be coloured");
    }
    return design.Slots[static_cast<std::size_t>(slot)];
}

} // namespace

ColoredSlotPicture UseColoredImage(TagDesign& design, int slot, int type, PictureCache* pictures) {
    if (!isTintType(type)) {
        throw std::out_of_range("unknown colouring type");
    }
    img& record = sheetSlot(design, slot);
    if (record.SourceFileName.isEmpty()) {
        throw UserError(QStringLiteral("Tag %1 has no picture to color.").arg(slot));
    }
    ensureWorkingFolder();
    const QString copy = tintedCopyPath(slot, record.SourceFileName, type);
    ColoredSlotPicture result;
    result.picture = writeTintedCopy(record.SourceFileName, type, copy, pictures);
    record.FileName = copy;
    record.ColoringType = type;
    result.redraw =
        strongest(Redraw::Scheduled,
                  design.recordSlotPicture(slot, result.picture.width, result.picture.height));
    return result;
}

Redraw CancelColoringImage(TagDesign& design, int slot) {
    img& record = sheetSlot(design, slot);
    record.ColoringType = kNotTinted;
    record.FileName = record.SourceFileName;
    return Redraw::Scheduled;
}

bool remakeMissingTintedCopy(TagDesign& design, int slot, PictureCache* pictures) {
    img& record = sheetSlot(design, slot);
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
    record.FileName = copy;
    return true;
}

} // namespace veltmoor
