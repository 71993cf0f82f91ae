#pragma once

#include "design/TagDesign.h"
#include "platform/PictureFile.h"
#include "render/PictureCache.h"
#include "setupfile/SetupFileFormat.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace veltmoor {

// A slot whose picture could not be loaded while a design was opened. The slot keeps the
// picture's name; the rest of the design opened all the same.
struct PictureProblem {
    int slot = 0;
    QString path;
    QString reason; // empty when the file does not exist
};

// The pictures as messages name them: tag N "path" (why), joined by semicolons.
QString pictureProblemList(const std::vector<PictureProblem>& problems);

struct OpenSetupFileOptions {
    PrinterList printers;
    // How large the pictures are decoded for the caller's thumbnails.
    PictureReadOptions pictureOptions{900, 900};
    // Called for each slot whose picture was loaded, so the caller can build its
    // thumbnail.
    std::function<void(int slot, const DecodedPicture& picture)> pictureLoaded;
    // When given, the pictures are decoded into it, so that composing the tags afterwards
    // does not decode them again.
    PictureCache* pictures = nullptr;
    // When false, only the pictures' headers are read for their sizes (no pictureLoaded
    // calls), for callers that decode each picture later at the size its tag needs.
    bool decodePictures = true;
};

struct OpenSetupFileResult {
    std::vector<PictureProblem> pictureProblems;
    Redraw redraw = Redraw::Scheduled;

    // One message for the user listing the pictures that could not be loaded; empty when
    // every picture loaded.
    QString pictureProblemMessage() const;
};

// The file's bytes as a design file in designFolder: lines in Windows-1252 (or UTF-8 when a
// character does not fit it), each ending in CR LF.
QByteArray setupFileBytes(const TagDesign& design, const QString& designFolder = {});

// Writes the design to path whole, or leaves any earlier file untouched; picture paths are
// written for the file's own folder. Throws UserError.
void saveSetupFile(const QString& path, const TagDesign& design);

// Reads and checks a whole design file. Throws UserError naming the file, the line and
// what is wrong; nothing is applied.
SetupFileContents readSetupFile(const QString& path);
SetupFileContents parseSetupFileBytes(const QByteArray& bytes, const QString& fileName);

// Applies checked contents the way the window applies each value, in file order (the shape
// through the shape-change rule, the address-label settings before the tag size). Relative
// picture paths are taken relative to designFolder.
void applySetupFile(TagDesign& design, const SetupFileContents& contents,
                    const PrinterList& printers, const QString& designFolder);

// Loads the picture of every slot 1..9 that names one, in ascending order. A picture that
// is missing or unreadable is listed and the next slot goes on.
std::vector<PictureProblem> loadSlotPictures(TagDesign& design,
                                             const OpenSetupFileOptions& options);

// Opening a design is two steps. First the file is read into a model: the design given with
// the file's values applied, nothing decoded and no file touched. Throws UserError for a
// broken file.
TagDesign designFromFile(const QString& path, const TagDesign& design, const PrinterList& printers);
// Then its pictures are made ready: decoded (or their sizes read), missing tinted copies
// made again. Missing pictures do not stop it; the result lists them.
OpenSetupFileResult makePicturesReady(TagDesign& design, const OpenSetupFileOptions& options);

// Opens a design file into design, both steps: everything is read and checked first; a broken file
// throws UserError and leaves the design exactly as it was. Missing pictures do not stop
// the open; the result lists them.
OpenSetupFileResult openSetupFile(const QString& path, TagDesign& design,
                                  const OpenSetupFileOptions& options = {});

} // namespace veltmoor
