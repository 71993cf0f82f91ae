#pragma once

#include "design/TagDesign.h"
#include "platform/PictureFile.h"
#include "render/PictureCache.h"

#include <QString>

namespace veltmoor {

// A picture path as a design stores it, made usable: a relative path is taken relative to
// the folder of the design file it came from (its folders separated by slashes or, as
// Windows writes them, backslashes), and a picture no longer at its stored path but beside
// the design file under the same file name is taken from there.
QString resolvePicturePath(const QString& storedPath, const QString& designFolder);

// Decodes the picture a slot already names (its FileName) and records its size; the caller
// builds the thumbnail from the returned picture. Throws UserError naming the file when it
// cannot be read; the slot is then left as it was.
// With a cache, the decoded picture stays there for the compositions that follow.
DecodedPicture LoadSlotPicture(TagDesign& design, int slot, PictureReadOptions options = {},
                               PictureCache* pictures = nullptr);

// Records the size of the picture a slot names from the file's header, decoding it (at the
// smallest size) only when the header does not tell. Throws UserError as LoadSlotPicture.
void recordSlotPictureSize(TagDesign& design, int slot);

// Gives a slot a newly chosen picture. The picture is decoded first, so a file that cannot
// be read leaves the slot with its old picture; the path is kept as chosen.
DecodedPicture chooseSlotPicture(TagDesign& design, int slot, const QString& path,
                                 PictureReadOptions options = {});

// The picture the first tag gets when the user picks none, so that there is always a tag
// to design: a blank 200 x 200 bitmap, "~temptag.bmp" in the working folder. Returns its
// path; throws UserError when it cannot be written.
QString writeBlankFirstPicture();
// Whether a slot's picture is that blank working file rather than one the user chose.
bool isBlankFirstPicture(const QString& path);

} // namespace veltmoor
