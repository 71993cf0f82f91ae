#pragma once

#include "design/TagDesign.h"
#include "platform/Canvas.h"
#include "render/SlotRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace veltmoor {

constexpr int kSettingLineCount = 36;

// One tag line: the slot it fills and the 18 values it carries (the composed tag bitmap is
// not part of a file).
struct SetupFileSlot {
    int slot = 0;
    img values;
};

// The 36 setting lines, each as the value it gives the design.
struct SetupFileSettings {
    int cutLineType = kCutLineThin;
    int shapeIndex = kShapeStandard;
    Font valueFont;
    int valuePlace = kCornerUR;
    Font textFont;
    int edgePlace = kEdgeRight;
    Font textBlockFont;
    int textBlockWidthOffset = 30;
    int textBlockHeightOffset = 90;
    int textBlockAlignment = kAlignCenter;
    int copies = 1;
    int printerIndex = -1;
    bool landscape = false;
    bool noHole = false;
    bool blankSheet = false;
    bool floatingTag = true;
    bool addressLabels = false;
    QString heightText; // the size lines as written ("4.00") and as read into hundredths
    int heightHundredths = 400;
    QString widthText;
    int widthHundredths = 200;
    int holeWidth = 12;
    int holeHeight = 12;
    int holeWidthOffset = 50;
    int holeHeightOffset = 6;
    int imageSize = 100;
    int imageHorizontalOffset = 50;
    int imageVerticalOffset = 50;
    int printImageAdjust = 0;
    // The optional lines after the 36: files without them print no marks, on the printer's
    // default paper.
    CuttingMarks cuttingMarks = CuttingMarks::None;
    QString paper;     // the driver's name for it
    QString priceList; // the table's path as written
};

// A whole design file, read and checked but not yet applied to any design.
struct SetupFileContents {
    std::vector<SetupFileSlot> tagLines; // in file order
    SetupFileSettings settings;
};

// The line of one slot: "Tag" and the slot digit, then the 18 fields.
QString setupFileSlotLine(int slot, const img& record);

// Every line of the design's file: a line per slot 1..9 that holds a picture, then the 36
// setting lines, then the marks for a cutting machine when there are any, the paper when
// one was chosen and the price list when one is used (a reader that knows only the 36 lines stops
// before them, so older programs still open the file). Picture paths are written for a file in
// designFolder (see picturePathToWrite); without a folder, as the slots name them.
QStringList setupFileLines(const TagDesign& design, const QString& designFolder = {});

// Reads the lines of a design file. Throws UserError naming fileName, the line and what is
// wrong when the lines are not a tag setup file; nothing is applied anywhere.
SetupFileContents parseSetupFileLines(const QStringList& lines, const QString& fileName);

// The file's bytes split into lines (CR LF or LF; the last line with or without one).
QStringList setupFileTextLines(const QString& text);

} // namespace veltmoor
