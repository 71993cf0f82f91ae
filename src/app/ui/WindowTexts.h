#pragma once

#include <QString>

// Sizes, hints and help steps that more than one part of the window refers to. Texts are
// the program's own and must stay exactly as they are, blanks included.
namespace veltmoor::window {

constexpr int kClientWidth = 754;
constexpr int kClientHeight = 491;
constexpr int kPreviewSize = 350;
constexpr int kBoxSize = 100;
constexpr int kSheetPreviewWidth = 583;
constexpr int kSheetPreviewHeight = 389;

inline const QString kMirrorHint = QStringLiteral(
    "Image for Tag %1, right click for popup menu. Popup menu has choices to open, show, "
    "delete, and color image. Left click will show the image, if no image selected will "
    "first allow you to select an image.");
inline const QString kShapeHint = QStringLiteral("Selects the shape of tag that will be drawn.");
inline const QString kCutLineHint = QStringLiteral("Selects the cut line to draw around the tag.");
inline const QString kWhichHint = QStringLiteral(
    "All the checked images will be set when changing any color or text.  The fonts, font "
    "sizes, and font styles are selected for all nine images.");
inline const QString kCopiesHint = QStringLiteral("The number of copies of each page printed");
// A price list's sheet, on the preview page and in the progress of a job.
inline const QString kSheetStep = QStringLiteral("Sheet %1 of %2");
inline const QString kSlogan = QStringLiteral("\"The software that does what you want it to do\"");

// Help list items the window moves on from.
constexpr int kHelpContinue = 0;
constexpr int kHelpSelectImage = 1;
constexpr int kHelpSelectShape = 2;
constexpr int kHelpChangeSize = 3;
constexpr int kHelpTextBlockTab = 4;
constexpr int kHelpChangeText = 5;
constexpr int kHelpBasicTab = 6;
constexpr int kHelpCutLine = 7;
constexpr int kHelpColors = 8;
constexpr int kHelpAdvancedTab = 9;
constexpr int kHelpTryOptions = 10;
constexpr int kHelpControlTab = 11;
constexpr int kHelpPrinterSetup = 12;
constexpr int kHelpPreviewSheet = 13;
constexpr int kHelpPrint = 14;

} // namespace veltmoor::window
