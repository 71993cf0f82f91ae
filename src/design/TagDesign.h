#pragma once

#include "design/ColorPicking.h"
#include "design/DesignTypes.h"
#include "design/NumericFields.h"
#include "design/PicturePaths.h"
#include "output/PrinterChoice.h"
#include "output/RegistrationMarks.h"
#include "render/PageGrid.h"
#include "render/SlotRecord.h"
#include "render/TagSettings.h"

#include <array>
#include <functional>

namespace veltmoor {

// A sheet of tags being designed: nine tags (slots 1..9, slot 0 the welcome page's sample),
// the settings every tag shares, the tag size, the printer, copies and marks. The window,
// the design file and the command line read it through the accessors and change it only
// through the operations, which apply the design's rules; a throwing operation leaves the
// design as it was.
class TagDesign {
    // The tags: each slot's picture and per-tag settings, the paths its design file wrote,
    // and which tags an edit reaches (slots 1..9).
    std::array<img, kSlotTableSize> slots_;
    std::array<WrittenSlotPaths, kSlotTableSize> writtenPicturePaths_;
    std::array<bool, kLastSheetSlot> checked_{true, true, true, true, true, true, true, true, true};
    int currentSlot_ = 0; // the tag in view
    // What every tag shares, the tag size, and how the sheet prints.
    TagSettings settings_;
    TagSize size_;
    PictureLayout placement_; // the tag in view's picture settings as the fields show them
    PrinterSetup printer_;
    CuttingMarks cuttingMarks_ = CuttingMarks::None;
    WrittenPicturePath priceList_; // empty: the plain sheet
    bool floatingTag_ = true;
    bool addressLabels_ = false;
    // The text fields and colour dialogs: with the tag in view unchecked, the fields hold
    // what no tag took.
    QString valueEditText_;
    QString textEditText_;
    QString memoText_;
    ColorChoices colorChoices_;
    // How the tags are being composed, and the grid of the last composed sheet.
    RenderMode renderMode_ = RenderMode::Single;
    bool printing_ = false;
    ReloadFlag reload_ = ReloadFlag::Unset;
    PageGrid pageGrid_;

public:
    void startAnew(); // slots 0..10 blank, the fields and the checked slots' texts empty
    static TagDesign atFirstActivation(); // the state the welcome page first shows
    TagDesign aboutSample() const;        // slot 0 at 350 x 350 dots with small fonts

    const img& slot(int n) const { return slots_.at(static_cast<std::size_t>(n)); }
    const std::array<img, kSlotTableSize>& slotTable() const { return slots_; }
    const WrittenSlotPaths& writtenPicturePaths(int n) const;
    const TagSettings& settings() const { return settings_; }
    int currentSlot() const { return currentSlot_; }
    bool isSlotChecked(int slot) const; // slots 1..9 only
    const TagSize& tagSize() const { return size_; }
    int tagWidthDots() const { return size_.widthDots; }
    int tagHeightDots() const { return size_.heightDots; }
    Rect tagRect() const { return Rect{0, 0, size_.widthDots, size_.heightDots}; }
    int percentPosition(PercentField field) const;
    int printImageAdjust() const { return placement_.printAdjust; }
    const PrinterSetup& printer() const { return printer_; }
    CuttingMarks cuttingMarks() const { return cuttingMarks_; }
    const QString& priceListPath() const { return priceList_.resolved; }
    const WrittenPicturePath& writtenPriceListPath() const { return priceList_; }
    bool floatingTag() const { return floatingTag_; }
    bool addressLabels() const { return addressLabels_; }
    const QString& valueEditText() const { return valueEditText_; }
    const QString& textEditText() const { return textEditText_; }
    const QString& memoText() const { return memoText_; }
    const ColorChoices& colorChoices() const { return colorChoices_; }
    RenderMode renderMode() const { return renderMode_; }
    bool printing() const { return printing_; }
    ReloadFlag reloadFromFiles() const { return reload_; }
    const PageGrid& pageGrid() const { return pageGrid_; }

    // Per-tag settings: the value goes into every checked slot.
    void setSlotChecked(int slot, bool checked);
    Redraw ValueEditChange(const QString& text);
    Redraw TextEditChange(const QString& text);
    TextBlockChange TextBlockMemoChange(const QString& text); // the tag in view only
    void TextBlockMemoExit();                                 // every checked slot
    void SetBorderColors(TColor color);
    void SetBgColors(TColor color);
    void SetValueColor(TColor color);
    void SetTextColor(TColor color);
    void SetTextBlockColor(TColor color);
    Redraw setBarcode(const TagBarcode& barcode);
    void setSlotBarcode(int slot, const TagBarcode& barcode); // checked or not
    Redraw PercentUpDownClick(PercentField field, int position);
    QString PercentEditChange(PercentField field, const QString& text); // throws

    // Shared settings.
    Redraw setShape(int shapeIndex); // a real change keeps the hole at the narrow end
    Redraw TypeOfPageRadioGroupClick(int shapeIndex); // the rule even when unchanged
    Redraw setCutLineType(int cutLineType);
    Redraw setNoHole(bool checked);
    Redraw setBlankSheet(bool checked);
    void setFont(TextPart part, const Font& font);
    void setValuePlace(int corner);
    void setEdgePlace(int edge);
    void setTextBlockAlignment(int alignment);
    void setTextBlockPosition(int widthOffset, int heightOffset);
    void setHole(const HoleSettings& hole);
    Redraw HoleWidthEditKeyUp(const QString& text);  // throws UserError
    Redraw HoleHeightEditKeyUp(const QString& text); // throws UserError
    Redraw HoleWidthUpDownClick(int position);
    Redraw HoleHeightUpDownClick(int position);
    void setFloatingTag(bool checked) { floatingTag_ = checked; }
    bool addressLabelsNeedsConfirmation() const { return reload_ == ReloadFlag::No; }
    Redraw AddressLabelsCheckBoxClick(bool checked); // checking applies the label preset
    Redraw PickPoint(int x, int y, TColor color, const Picking& picking);

    // The tag size in hundredths, applied to the dots.
    Redraw ApplyTagSize();
    Redraw WidthEditKeyUp(const QString& text);  // throws UserError
    Redraw HeightEditKeyUp(const QString& text); // throws UserError
    Redraw WidthUpDownClick(int position);
    Redraw HeightUpDownClick(int position);

    // The printer, copies, marks and price list.
    void selectPrinter(const PrinterList& printers, int index); // another printer: its paper
    void setPrinterPaper(const QString& paper, bool landscape);
    void setCopies(int copies);
    void setCuttingMarks(CuttingMarks marks);
    void setPriceList(const WrittenPicturePath& path); // written as the design file had it

    // The tag in view and its pictures.
    Redraw SetValues(); // the fields show the tag in view's own values
    void takeCurrentSlotTexts();
    void setCurrentSlot(int slot);
    Redraw recordSlotPicture(int slot, int pictureWidth, int pictureHeight);
    void setSlotPicture(int slot, const QString& fileName, const QString& sourceFileName);
    void setSlotTint(int slot, const QString& fileName, int type); // fileName: its copy
    void deleteSlotPicture(int slot); // its texts, colours and picture settings stay
    // A slot's values whole (its composed tag stays), with the paths a design file wrote.
    void setSlotValues(int slot, const img& values, const WrittenSlotPaths& written = {});
    void openFileValues(const TagSize& hundredths, const PictureLayout& placement);
    void forgetWrittenPicturePaths();

    // What the composition of the tags records.
    void setRenderMode(RenderMode mode) { renderMode_ = mode; }
    void setPrinting(bool printing) { printing_ = printing; }
    void setReloadFromFiles(ReloadFlag flag) { reload_ = flag; }
    void recordComposedTag(int slot, Bitmap tag);
    void recordPageGrid(const PageGrid& grid) { pageGrid_ = grid; }
    void forgetSheetMargins(); // the next layout computes them for the printer's page
    void setMeasuredTextBlock(const QString& memoText, int width);

    // Undo's steps hold the design's values without the composed tags, which are made again
    // from the rest; putting values back keeps how the design is composed and its tags.
    TagDesign valuesWithoutComposedTags();
    void restoreValues(const TagDesign& values);

private:
    void SetValueText(const QString& text);
    void SetTextText(const QString& text);
    Redraw tagSizeEditKeyUp(const QString& text, int& hundredths);
    static Redraw holeSizeEditKeyUp(const QString& text, int& size);
    void applyToCheckedSlots(const std::function<void(img&)>& write);
    img& slotRef(int n) { return slots_.at(static_cast<std::size_t>(n)); }
};

} // namespace veltmoor
