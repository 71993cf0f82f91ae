#pragma once

#include "design/ColorPicking.h"
#include "design/NumericFields.h"
#include "design/PicturePaths.h"
#include "output/PrinterChoice.h"
#include "output/RegistrationMarks.h"
#include "platform/Bitmap.h"
#include "platform/TColor.h"
#include "render/PageGrid.h"
#include "render/SlotRecord.h"
#include "render/TagSettings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace veltmoor {

constexpr int kSlotTableSize = 16; // slots 11..15 exist but nothing uses them
constexpr int kAboutSlot = 0;      // the sample tag of the welcome page
constexpr int kFirstSheetSlot = 1; // slots 1..9 are the tags of the sheet
constexpr int kLastSheetSlot = 9;
constexpr int kLastInitialisedSlot = 10;

// What an operation asks of the window once it has changed the design: nothing, a redraw
// through the redraw timer (several requests merge into one), or a composition at once.
enum class Redraw { None, Scheduled, Now };

inline Redraw strongest(Redraw first, Redraw second) {
    return static_cast<int>(first) > static_cast<int>(second) ? first : second;
}

// "yes" while tags are recomposed from their stored pictures (no dialogs, no questions),
// "no" afterwards; unset from start-up until the first sheet refresh or design open.
enum class ReloadFlag { Unset, No, Yes };

// The result of a text change in the text block: the redraw it asks for, and whether its
// widest line is wider than the box it is typed into ("Text is too long, ...").
struct TextBlockChange {
    Redraw redraw = Redraw::Scheduled;
    bool tooLong = false;
};

// Everything the program knows about the sheet being designed: the slot table, the settings
// shared by every tag, and the settings that the window's controls show (sizes, positions,
// check boxes, printer). The window shows this state and changes it only through the
// operations below, so that the window, the design file and the command line all reach the
// same state by the same rules.
struct TagDesign {
    std::array<img, kSlotTableSize> Slots;
    // Each slot's picture paths as the open design file wrote them.
    std::array<WrittenSlotPaths, kSlotTableSize> writtenPicturePaths;
    TagSettings settings; // what a composition reads besides the slot and the tag size

    int CurrentSlot = 0;
    int TagWidthDots = 350;
    int TagHeightDots = 350;
    Rect TagRect{0, 0, 350, 350};
    PageGrid pageGrid;

    RenderMode renderMode = RenderMode::Single;
    bool Printing = false;
    ReloadFlag ReloadFromFiles = ReloadFlag::Unset;

    // Tag size in hundredths of an inch.
    int WidthUpDownPosition = 200;
    int HeightUpDownPosition = 400;

    // The current slot's picture settings as the "Advanced" page shows them.
    int ImageSizeUpDownPosition = 100;
    int ImageHorizontalOffsetUpDownPosition = 50;
    int ImageVerticalOffsetUpDownPosition = 50;
    int PrintImageAdjustUpDownPosition = 0; // only carried in design files

    // The texts the text edits and the text-block memo show.
    QString ValueEditText;
    QString TextEditText;
    QString TextBlockMemoText;

    // The colour dialogs' current choices (the text colours live in the fonts).
    TColor BackgroundColorChoice = 0xF0FBFF; // cream until the first activation
    TColor CutLineColorChoice = clRed;
    TColor ValueColorChoice = clBlack;
    TColor TextColorChoice = clRed;
    TColor TextBlockColorChoice = clBlack;
    int ColoringTypeChoice = 0;

    TColor ColoringColorChoice = clBlack;

    int CopiesUpDownPosition = 1;
    int PrinterIndex = -1; // -1: the default printer
    QString PrinterName;
    // The driver's name for the paper chosen in the printer set-up; empty: the printer's
    // default paper. Reset when the printer changes.
    QString PrinterPaper;
    bool landscape = false;
    CuttingMarks cuttingMarks = CuttingMarks::None; // printed on the sheet for a cutting machine
    // The price list whose rows fill the tags' fields, as a path from here; empty: the plain
    // sheet. Kept as the design file wrote it, as picture paths are.
    QString priceListPath;
    WrittenPicturePath writtenPriceListPath;

    std::array<bool, kLastSheetSlot> SlotCheckBoxes{true, true, true, true, true,
                                                    true, true, true, true}; // CheckBox1..9
    bool FloatingTagCheckBox = true;
    bool AddressLabelsCheckBox = false;

    // The state when the welcome page is first shown: slots initialised, slot 0 carrying
    // the sample texts, the checked slots white with a black cut line, the working fonts
    // back, and the tag size 2.00 x 4.00 inches (400 x 800 dots).
    static TagDesign atFirstActivation();

    // The welcome page's sample tag: slot 0 of the design as it stands, at 350 x 350 dots
    // with small fonts. Composed from this copy, the design itself keeps its working sizes.
    TagDesign aboutSample() const;

    // Slots 1..9 whose check box is checked, in ascending order: the only slots an edit of
    // a per-tag setting reaches (never slot 0 or 10, the current slot only when checked).
    bool isSlotChecked(int slot) const;
    void setSlotChecked(int slot, bool checked);
    void applyToCheckedSlots(const std::function<void(img&)>& write);

    // Per-tag setters: the value goes into every checked slot.
    void SetValueText(const QString& text);
    void SetTextText(const QString& text);
    void SetBorderColors(TColor color);
    void SetBgColors(TColor color);
    void SetValueColor(TColor color);
    void SetTextColor(TColor color);
    void SetTextBlockColor(TColor color);
    // The code (symbology, data, placement, module width, height) of every checked slot.
    Redraw setBarcode(const TagBarcode& barcode);

    Redraw ValueEditChange(const QString& text);
    Redraw TextEditChange(const QString& text);
    // The memo's text changed: only the current slot takes it, and the block's width is
    // measured again.
    TextBlockChange TextBlockMemoChange(const QString& text);
    // Leaving the memo: every checked slot takes the memo's text.
    void TextBlockMemoExit();

    // Takes the tag size from the size in hundredths.
    Redraw ApplyTagSize();
    Redraw WidthEditKeyUp(const QString& text);  // throws UserError, see ParseHundredths
    Redraw HeightEditKeyUp(const QString& text); // throws UserError
    Redraw WidthUpDownClick(int position);
    Redraw HeightUpDownClick(int position);

    Redraw HoleWidthEditKeyUp(const QString& text);  // throws UserError
    Redraw HoleHeightEditKeyUp(const QString& text); // throws UserError
    Redraw HoleWidthUpDownClick(int position);
    Redraw HoleHeightUpDownClick(int position);

    int percentPosition(PercentField field) const;
    // The up-down's position changed: picture settings go into the checked slots.
    Redraw PercentUpDownClick(PercentField field, int position);
    // Typed text in a percent edit; returns the text the edit shows afterwards. Throws
    // ValueOutOfRange (the field keeps its position) or UserError.
    QString PercentEditChange(PercentField field, const QString& text);

    // The shape choice: set the shape; when it really changes, the shape-change rule runs.
    Redraw setShape(int shapeIndex);
    // The shape-change rule: the hanging hole kept at the narrow end, slot 1 made current
    // and composed at once.
    Redraw TypeOfPageRadioGroupClick();

    Redraw setCutLineType(int cutLineType);
    Redraw setNoHole(bool checked);
    Redraw setBlankSheet(bool checked);
    void setFloatingTag(bool checked) { FloatingTagCheckBox = checked; }

    // True when checking "Address Labels" must first ask the user to confirm.
    bool addressLabelsNeedsConfirmation() const { return ReloadFromFiles == ReloadFlag::No; }
    // The box was checked (after any confirmation) or cleared. Checking it applies the
    // return-address label settings; clearing it restores nothing.
    Redraw AddressLabelsCheckBoxClick(bool checked);

    // A click on the tag at (x, y) in tag dots with the colour under the pointer: places
    // the text block there when the click places it, and gives the picked colour to the
    // chosen colour's dialog, font and checked slots.
    Redraw PickPoint(int x, int y, TColor color, const Picking& picking);

    // Shows the current slot's own values in the fields.
    Redraw SetValues();
    // The corner and edge text fields take the current slot's texts.
    void takeCurrentSlotTexts();

    // Chooses a printer by its index; an index naming no printer selects the default one.
    // Another printer starts on its own default paper.
    void selectPrinter(const PrinterList& printers, int index);

    // A typed width or height: the size in hundredths takes the parsed text.
    Redraw tagSizeEditKeyUp(const QString& text, int& upDownPosition);

    // A typed hole width or height: the hole takes the parsed size.
    static Redraw holeSizeEditKeyUp(const QString& text, int& size);

    // Records a picture just decoded for a slot: its size and aspect. Slot 1 applies the
    // tag size, as the first picture of a sheet does.
    Redraw recordSlotPicture(int slot, int pictureWidth, int pictureHeight);
};

} // namespace veltmoor
