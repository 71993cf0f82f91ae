#include "setupfile/SetupFile.h"

#include "design/SlotColoring.h"
#include "design/SlotPicture.h"
#include "design/TextMeasure.h"
#include "images/TintedCopy.h"
#include "platform/Errors.h"
#include "platform/WholeFile.h"
#include "setupfile/TextEncoding.h"

#include <QFile>
#include <QFileInfo>

namespace veltmoor {

namespace {

// A design file is a few kilobytes; anything far larger is not one, and is refused before
// it is read into memory.
constexpr qint64 kLargestSetupFile = 4 * 1024 * 1024;

} // namespace

QString pictureProblemList(const std::vector<PictureProblem>& problems) {
    QStringList parts;
    for (const PictureProblem& problem : problems) {
        parts << QStringLiteral("tag %1 \"%2\" (%3)")
                     .arg(problem.slot)
                     .arg(problem.path,
                          problem.reason.isEmpty() ? QStringLiteral("not found") : problem.reason);
    }
    return parts.join(QStringLiteral("; "));
}

QString OpenSetupFileResult::pictureProblemMessage() const {
    if (pictureProblems.empty()) {
        return QString();
    }
    return QStringLiteral("These pictures of the design could not be loaded, so their tags show "
                          "and print without a picture until it is found again: %1.")
        .arg(pictureProblemList(pictureProblems));
}

QByteArray setupFileBytes(const TagDesign& design, const QString& designFolder) {
    const QStringList lines = setupFileLines(design, designFolder);
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return encodeDesignText(text);
}

void saveSetupFile(const QString& path, const TagDesign& design) {
    writeWholeFile(path, setupFileBytes(design, QFileInfo(path).absolutePath()));
}

SetupFileContents parseSetupFileBytes(const QByteArray& bytes, const QString& fileName) {
    return parseSetupFileLines(setupFileTextLines(decodeDesignText(bytes)), fileName);
}

SetupFileContents readSetupFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw UserError(QStringLiteral("The design file \"%1\" cannot be read: %2.")
                            .arg(path, file.errorString()));
    }
    if (file.size() > kLargestSetupFile) {
        throw UserError(
            QStringLiteral("\"%1\" is far too large to be a tag setup file.").arg(path));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw UserError(QStringLiteral("The design file \"%1\" cannot be read: %2.")
                            .arg(path, file.errorString()));
    }
    return parseSetupFileBytes(bytes, path);
}

void applySetupFile(TagDesign& design, const SetupFileContents& contents,
                    const PrinterList& printers, const QString& designFolder) {
    // A slot the file leaves alone keeps its picture, but not paths written by another file.
    design.forgetWrittenPicturePaths();
    for (const SetupFileSlot& line : contents.tagLines) {
        img values = line.values;
        values.FileName = resolvePicturePath(line.values.FileName, designFolder);
        values.SourceFileName = resolvePicturePath(line.values.SourceFileName, designFolder);
        design.setSlotValues(line.slot, values,
                             {{line.values.FileName, values.FileName},
                              {line.values.SourceFileName, values.SourceFileName}});
    }

    const SetupFileSettings& file = contents.settings;
    design.setCutLineType(file.cutLineType);
    design.setShape(file.shapeIndex);
    design.setFont(TextPart::Value, file.valueFont);
    design.setValuePlace(file.valuePlace);
    design.setFont(TextPart::Edge, file.textFont);
    design.setEdgePlace(file.edgePlace);
    design.setFont(TextPart::TextBlock, file.textBlockFont);
    design.setTextBlockPosition(file.textBlockWidthOffset, file.textBlockHeightOffset);
    design.setTextBlockAlignment(file.textBlockAlignment);
    design.setCopies(file.copies);
    design.selectPrinter(printers, file.printerIndex);
    design.setPrinterPaper(file.paper, file.landscape);
    design.setCuttingMarks(file.cuttingMarks);
    // The table is found as a picture is: from the design's folder, or beside it.
    design.setPriceList({file.priceList, resolvePicturePath(file.priceList, designFolder)});
    design.setNoHole(file.noHole);
    design.setBlankSheet(file.blankSheet);
    design.setFloatingTag(file.floatingTag);
    // Address labels switched on by a file apply their settings without a question, and
    // always: the result of opening a file must not depend on the design open before it.
    design.setReloadFromFiles(ReloadFlag::Yes);
    design.AddressLabelsCheckBoxClick(file.addressLabels);
    HoleSettings hole = design.settings().hole;
    hole.width = file.holeWidth;
    hole.height = file.holeHeight;
    hole.widthOffset = file.holeWidthOffset;
    hole.heightOffset = file.holeHeightOffset;
    design.setHole(hole);
    design.openFileValues(
        {.widthHundredths = file.widthHundredths, .heightHundredths = file.heightHundredths},
        {file.imageSize, file.imageHorizontalOffset, file.imageVerticalOffset,
         file.printImageAdjust});
}

std::vector<PictureProblem> loadSlotPictures(TagDesign& design,
                                             const OpenSetupFileOptions& options) {
    std::vector<PictureProblem> problems;
    if (options.pictures && options.decodePictures) {
        std::vector<PictureCache::Request> requests;
        for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
            requests.push_back({design.slot(slot).FileName, options.pictureOptions.neededWidth,
                                options.pictureOptions.neededHeight});
        }
        options.pictures->prefetch(requests);
    }
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        const QString path = design.slot(slot).FileName;
        if (path.isEmpty()) {
            continue;
        }
        try {
            if (!QFileInfo::exists(path) &&
                !remakeMissingTintedCopy(design, slot, options.pictures)) {
                problems.push_back({slot, path, QString()});
                continue;
            }
            noteTintedCopyUsed(design.slot(slot).FileName);
            if (!options.decodePictures) {
                recordSlotPictureSize(design, slot);
                continue;
            }
            const DecodedPicture picture =
                LoadSlotPicture(design, slot, options.pictureOptions, options.pictures);
            if (options.pictureLoaded) {
                options.pictureLoaded(slot, picture);
            }
        } catch (const UserError& error) {
            problems.push_back({slot, path, error.message()});
        }
    }
    return problems;
}

TagDesign designFromFile(const QString& path, const TagDesign& design,
                         const PrinterList& printers) {
    const SetupFileContents contents = readSetupFile(path);
    TagDesign opened = design;
    applySetupFile(opened, contents, printers, QFileInfo(path).absolutePath());
    opened.setReloadFromFiles(ReloadFlag::No);
    opened.ApplyTagSize();
    // The redraw that follows shows the current slot's text block; its width is measured
    // in the font the file brought.
    if (opened.currentSlot() >= 0 && opened.currentSlot() < kSlotTableSize) {
        const QString block = opened.slot(opened.currentSlot()).TextBlockText;
        opened.setMeasuredTextBlock(block,
                                    textBlockWidthFor(opened.settings().textBlockFont, block));
    }
    return opened;
}

OpenSetupFileResult makePicturesReady(TagDesign& design, const OpenSetupFileOptions& options) {
    OpenSetupFileResult result;
    result.pictureProblems = loadSlotPictures(design, options);
    result.redraw = design.ApplyTagSize();
    return result;
}

OpenSetupFileResult openSetupFile(const QString& path, TagDesign& design,
                                  const OpenSetupFileOptions& options) {
    // Both steps work on a copy, so that nothing of the open reaches the design unless all
    // of it does.
    TagDesign opened = designFromFile(path, design, options.printers);
    OpenSetupFileResult result = makePicturesReady(opened, options);
    design = std::move(opened);
    return result;
}

} // namespace veltmoor
