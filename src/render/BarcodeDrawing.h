#pragma once

#include "platform/Canvas.h"
#include "render/TagBarcode.h"
#include "render/TagSettings.h"
#include "render/TagText.h"

#include <vector>

namespace veltmoor {

// Kept clear between a code's quiet zones and the tag's outline or hole, in tag dots: the
// widest cut line (the sheet preview's) reaches half its width into the tag.
constexpr int kBarcodeClearance = 6;

// The bar heights a linear code may have, in hundredths of an inch.
constexpr int kMinBarcodeHeight = 10;
constexpr int kMaxBarcodeHeight = 300;

// A code laid out on its own with its top-left corner at (0, 0), in tag dots: the quiet
// zones the symbology requires, every module a whole number of dots square (the bars of a
// linear code as high as asked), and the digits under a linear code, grouped as retail codes
// print them, with the guard bars reaching down between the groups.
struct BarcodeBlock {
    int width = 0;
    int height = 0;
    std::vector<Rect> darkAreas;
    std::vector<TagTextDraw> digits;
};

BarcodeBlock layoutBarcodeBlock(const BarcodeSymbol& symbol, int moduleDots, int barHeightDots,
                                const Font& digitFont, const TextMeasure& measure);

// Paints the block white and its modules and digits black, with no smoothing of any edge.
void paintBarcodeBlock(Canvas& canvas, Point topLeft, const BarcodeBlock& block);

// Where a block of that size goes on a W x H tag for the placement.
Point barcodePosition(BarcodePlacement placement, int blockWidth, int blockHeight, int W, int H,
                      const TagSettings& settings);

// True when the area, with the clearance around it, lies wholly on the dots of `inside`
// (runs sorted by row, then by left end).
bool fitsInside(const Rect& area, const std::vector<Span>& inside);

// Draws the slot's code onto its finished tag, over everything else so that nothing covers
// its quiet zones. Returns why it is not drawn (bad data, or a code that does not fit
// inside the tag's shape), empty when it is drawn or the tag has none.
QString drawTagBarcode(Canvas& tag, const TagBarcode& barcode, const TagSettings& settings,
                       const std::vector<Span>& inside);

// Why drawTagBarcode would not draw the code on a W x H tag of the settings' shape; empty
// when it would, or when the tag has none.
QString tagBarcodeProblem(const TagBarcode& barcode, const TagSettings& settings, int W, int H);

// The code alone on white, its quiet zones around it. Throws UserError with the reason.
Bitmap barcodePicture(const TagBarcode& barcode, const Font& digitFont);

// The size label with the reason a code is not drawn, as the label notes a tag too large
// for the page.
QString withBarcodeNote(const QString& sizeLabel, const QString& problem);

} // namespace veltmoor
