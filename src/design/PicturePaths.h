#pragma once

#include <QString>

namespace veltmoor {

// A picture path as a design file wrote it, and the picture it named when the file was
// opened. Saving writes the path back as it was written for as long as the slot still shows
// that picture, so a relative path stays relative and a path from another computer is not
// lost.
struct WrittenPicturePath {
    QString written;
    QString resolved;
};

// Both picture paths of a slot line.
struct WrittenSlotPaths {
    WrittenPicturePath fileName;
    WrittenPicturePath sourceFileName;
};

// A picture's path as a design file in designFolder writes it: relative to the folder when
// the picture lies in it or below it (so the folder can move with its pictures), absolute
// otherwise.
QString pathRelativeToDesign(const QString& picture, const QString& designFolder);

// The path a design saved into designFolder writes for a slot's picture, which the slot now
// names as current. As written in the file it came from while the slot still shows that
// picture and the written path still names it from designFolder (or the picture was not found
// at all, so there is nothing better to write); otherwise the picture's own path, relative
// where pathRelativeToDesign makes it so.
QString picturePathToWrite(const QString& current, const WrittenPicturePath& written,
                           const QString& designFolder);

} // namespace veltmoor
