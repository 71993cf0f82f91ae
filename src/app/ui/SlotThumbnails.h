#pragma once

#include "design/TagDesign.h"
#include "platform/Bitmap.h"

#include <QString>

namespace veltmoor {

// Every slot's thumbnail is this square; the boxes show it reduced to 100 x 100.
constexpr int kThumbnailSize = 900;

// Where a picture of the given size sits inside the thumbnail: its proportions, the
// larger side 900, centred.
Rect letterboxRect(int pictureWidth, int pictureHeight);

// The picture letterboxed onto white. The bitmap may be a reduced decode; the layout
// follows the picture's own size.
Bitmap letterboxThumbnail(const Bitmap& picture, int pictureWidth, int pictureHeight);

// The thumbnail of a slot without a picture: pale yellow with the slot's number in green.
Bitmap placeholderThumbnail(int number);
QString placeholderHint(const QString& word, int number);

} // namespace veltmoor
