#pragma once

#include "images/TintPalettes.h"
#include "platform/Bitmap.h"
#include "platform/PictureFile.h"
#include "render/PictureCache.h"
#include "render/SlotRecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>
#include <span>

namespace veltmoor {

// The size of the colouring preview box.
constexpr int kTintPreviewSize = 350;

// The rectangle from the box's top-left corner in which a picture of w x h pixels is shown
// in a box of W x H: scaled until it touches the box's right or bottom edge.
Rect FitPictureRect(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight);

// The colouring preview: a white 350 x 350 box with the picture, tinted with the type,
// drawn into FitPictureRect. A picture far larger than the box is sampled down before it
// is tinted; the shrink that follows averages the tinted samples as it would the whole.
Bitmap tintPreview(const DecodedPicture& source, int type);

// Where the tinted copy of a slot's picture goes in the working folder: "~~" + slot + "-"
// + a short hash of the source's path, size and modification time and the type + ".bmp",
// so that different pictures or colourings never share a file.
QString tintedCopyPath(int slot, const QString& sourcePath, int type);

// Decodes the source at full size (through the cache when given), tints it and writes it
// as an 8-bit bitmap whose colour table is the type's palette. Throws UserError naming the
// file that could not be read or written; a failed write leaves any earlier file whole.
IndexedBitmap writeTintedCopy(const QString& sourcePath, int type, const QString& copyPath,
                              PictureCache* pictures = nullptr);

// The picture files the slots use now, tinted copies among them.
QStringList pictureFilesOf(std::span<const img> records);

// Whether path names one of the tinted copies in the working folder.
bool isTintedCopy(const QString& path);

// Removes the tinted copies among `released` (the picture files named by a design that is
// being closed, or by Undo steps that are dropped) that no file in `stillUsed` (the open
// design's slots and its Undo history) names. Any other file is left alone, and so is every
// copy nobody released: another window of the program may be using its own. A design whose
// copy is gone makes it again on opening. Returns how many copies were removed.
int removeReleasedTintedCopies(const QStringList& released, const QStringList& stillUsed);

// At start: removes the tinted copies in the working folder that nothing has used since
// `now - unusedFor` (by the later of their modification and access times).
constexpr std::chrono::days kTintedCopyShelfLife{30};
int removeStaleTintedCopies(std::chrono::days unusedFor = kTintedCopyShelfLife,
                            const QDateTime& now = QDateTime::currentDateTimeUtc());

// A design that names the copy has opened: its access time becomes now (the modification
// time, which the picture cache watches, stays), so that the start-up sweep keeps it.
void noteTintedCopyUsed(const QString& path);

} // namespace veltmoor
