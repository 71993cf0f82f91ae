#pragma once

#include "platform/Bitmap.h"
#include "platform/TColor.h"
#include "render/TagBarcode.h"

#include <QString>

namespace veltmoor {

// One tag of the sheet: its picture and every setting that may differ from tag to tag.
// Field names are those the design files and the JSON description use.
struct img {
    QString FileName; // the picture the slot uses now (a tinted copy after tinting)
    int PictureWidth = 0;
    int PictureHeight = 0;
    int AspectPermille = 1000;
    QString SourceFileName; // the picture as the user chose it
    QString ValueText;      // corner text
    QString EdgeText;       // "Text for Tag"
    QString TextBlockText;  // lines joined by CR LF
    TColor ValueColor = clBlack;
    TColor TextColor = clBlack;
    TColor TextBlockColor = clBlack;
    TColor BackgroundColor = clWhite;
    TColor CutLineColor = clRed;
    int ImageSize = 100;            // percent of the size that fits the tag
    int ImageHorizontalOffset = 50; // percent; 50 centres
    int ImageVerticalOffset = 50;   // percent; 50 centres
    int ColoringType = 99;          // tint index 0..19; 99 = not tinted
    TColor ColoringColor = clBlack;
    TagBarcode barcode; // kept in the design file's optional lines after the settings
    Bitmap TagImage;    // the slot's most recently composed tag
};

constexpr int kNotTinted = 99;

} // namespace veltmoor
