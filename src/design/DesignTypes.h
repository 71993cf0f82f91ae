#pragma once

#include "platform/TColor.h"

#include <QString>

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

// The three texts of a tag, each with its own font.
enum class TextPart { Value, Edge, TextBlock };

// The colour dialogs' current choices, and the tint last chosen (the text colours live in
// the fonts).
struct ColorChoices {
    TColor background = 0xF0FBFF; // cream until the first activation
    TColor cutLine = clRed;
    TColor value = clBlack;
    TColor text = clRed;
    TColor textBlock = clBlack;
    int coloringType = 0;
    TColor coloringColor = clBlack;
    friend bool operator==(const ColorChoices&, const ColorChoices&) = default;
};

// The tag's size in hundredths of an inch as the size fields show it, and in tag dots as
// compositions draw it (two dots a hundredth once applied).
struct TagSize {
    int widthHundredths = 200;
    int heightHundredths = 400;
    int widthDots = 350;
    int heightDots = 350;
};

// The picture settings of the tag in view as the "Advanced" page shows them.
struct PictureLayout {
    int size = 100;
    int horizontalOffset = 50;
    int verticalOffset = 50;
    int printAdjust = 0; // only carried in design files
};

// The printer chosen for the design, and how many copies print.
struct PrinterSetup {
    int index = -1; // -1: the default printer
    QString name;
    // The driver's name for the paper chosen in the printer set-up; empty: the printer's
    // default paper. Reset when the printer changes.
    QString paper;
    bool landscape = false;
    int copies = 1;
};

} // namespace veltmoor
