#pragma once

#include "platform/Bitmap.h"
#include "render/PageGrid.h"
#include "render/PictureCache.h"
#include "render/SlotRecord.h"
#include "render/TagSettings.h"

#include <QString>

namespace veltmoor {

// Everything one composition reads.
struct TagCompositionInput {
    int slotNumber = 0; // 0 is the welcome page's sample, drawn from the built-in picture
    img slot;           // TagImage is not read
    TagSettings settings;
    int TagWidthDots = 400;
    int TagHeightDots = 800;
    RenderMode mode = RenderMode::Single;
    bool Printing = false;
    PageMetrics page;

    // A sheet slot composes only while its picture file exists; the sample always does.
    bool composes() const;
};

// What a composition gives back; `composed` is false when a sheet slot's picture file is
// missing, in which case nothing else is set and every view keeps what it showed.
struct ComposedTag {
    bool composed = false;
    Bitmap tag;
    Rect PreviewRect;
    PageGrid grid;
    QString sizeLabel; // the size and page-grid line under the preview
    QString fileLabel; // the slot's picture file
    // Why the slot's code is not on the tag (bad data, or too large for the shape); the size
    // label says it too. Empty when the code is drawn or the tag has none.
    QString barcodeProblem;

    // The tag at half its dot size, for the floating tag window; made only when asked for,
    // since most compositions are never shown there.
    Bitmap floatingImage() const;
};

// The fit, scale and place arithmetic of a picture on a tag, all in tag dots.
struct PicturePlacement {
    Rect fitted;  // the largest rectangle with the picture's proportions inside the tag
    Rect picture; // after the picture size and offsets
};
PicturePlacement placePicture(int pictureWidth, int pictureHeight, int tagWidth, int tagHeight,
                              int imageSize, int horizontalOffset, int verticalOffset);

// The picture of a sheet slot at the size its tag shows it (0 x 0, the whole picture, when
// the file's header does not tell the picture's size).
PictureCache::Request pictureRequestFor(const TagCompositionInput& input, PictureCache& pictures);

// Where a tag is drawn inside a 350 x 350 preview box: its proportions, larger side 350.
Rect previewRectFor(int tagWidth, int tagHeight);

// The cut line is thin on paper, bold in the sheet preview so it survives the reduction.
int cutLineWidth(RenderMode mode, bool printing);

// Composes one tag: background inside the outline, the picture, the shape cut, the cut
// line, the hole, the texts and the code. Throws UserError when the picture cannot be decoded.
ComposedTag DrawTagReal(const TagCompositionInput& input, PictureCache& pictures);

} // namespace veltmoor
