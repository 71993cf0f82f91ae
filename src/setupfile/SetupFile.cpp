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
    design.writtenPicturePaths = {};
    for (const SetupFileSlot& line : contents.tagLines) {
        const auto slot = static_cast<std::size_t>(line.slot);
        img& record = design.Slots[slot];
        Bitmap lastTag = std::move(record.TagImage);
        record = line.values;
        record.TagImage = std::move(lastTag);
        record.FileName = resolvePicturePath(line.values.FileName, designFolder);
        record.SourceFileName = resolvePicturePath(line.values.SourceFileName, designFolder);
        design.writtenPicturePaths[slot] = {{line.values.FileName, record.FileName},
                                            {line.values.SourceFileName, record.SourceFileName}};
    }

    const SetupFileSettings& file = contents.settings;
    TagSettings& settings = design.settings;
    design.setCutLineType(file.cutLineType);
    design.setShape(file.shapeIndex);
    settings.valueFont = file.valueFont;
    settings.valuePlace = file.valuePlace;
    settings.textFont = file.textFont;
    settings.edgePlace = file.edgePlace;
    settings.textBlockFont = file.textBlockFont;
    settings.textBlockWidthOffset = file.textBlockWidthOffset;
    settings.textBlockHeightOffset = file.textBlockHeightOffset;
    settings.textBlockAlignment = file.textBlockAlignment;
    design.CopiesUpDownPosition = file.copies;
    design.selectPrinter(printers, file.printerIndex);
    design.PrinterPaper = file.paper;
    design.landscape = file.landscape;
    design.cuttingMarks = file.cuttingMarks;
    // The table is found as a picture is: from the design's folder, or beside it.
    design.priceListPath = resolvePicturePath(file.priceList, designFolder);
    design.writtenPriceListPath = {file.priceList, design.priceListPath};
    design.setNoHole(file.noHole);
    design.setBlankSheet(file.blankSheet);
    design.setFloatingTag(file.floatingTag);
    // Address labels switched on by a file apply their settings without a question, and
    // always: the result of opening a file must not depend on the design open before it.
    design.ReloadFromFiles = ReloadFlag::Yes;
    design.AddressLabelsCheckBoxClick(file.addressLabels);
    design.HeightUpDownPosition = file.heightHundredths;
    design.WidthUpDownPosition = file.widthHundredths;
    settings.hole.width = file.holeWidth;
    settings.hole.height = file.holeHeight;
    settings.hole.widthOffset = file.holeWidthOffset;
    settings.hole.heightOffset = file.holeHeightOffset;
    design.ImageSizeUpDownPosition = file.imageSize;
    design.ImageHorizontalOffsetUpDownPosition = file.imageHorizontalOffset;
    design.ImageVerticalOffsetUpDownPosition = file.imageVerticalOffset;
    design.PrintImageAdjustUpDownPosition = file.printImageAdjust;
}

std::vector<PictureProblem> loadSlotPictures(TagDesign& design,
                                             const OpenSetupFileOptions& options) {
    std::vector<PictureProblem> problems;
    if (options.pictures && options.decodePictures) {
        std::vector<PictureCache::Request> requests;
        for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
            requests.push_back({design.Slots[static_cast<std::size_t>(slot)].FileName,
                                options.pictureOptions.neededWidth,
                                options.pictureOptions.neededHeight});
        }
        options.pictures->prefetch(requests);
    }
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        const QString path = design.Slots[static_cast<std::size_t>(slot)].FileName;
        if (path.isEmpty()) {
            continue;
        }
        try {
            if (!QFileInfo::exists(path) &&
                !remakeMissingTintedCopy(design, slot, options.pictures)) {
                problems.push_back({slot, path, QString()});
                continue;
            }
            noteTintedCopyUsed(design.Slots[static_cast<std::size_t>(slot)].FileName);
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
    opened.ReloadFromFiles = ReloadFlag::No;
    opened.ApplyTagSize();
    // The redraw that follows shows the current slot's text block; its width is measured
    // in the font the file brought.
    if (opened.CurrentSlot >= 0 && opened.CurrentSlot < kSlotTableSize) {
        const QString& block =
            opened.Slots[static_cast<std::size_t>(opened.CurrentSlot)].TextBlockText;
        opened.TextBlockMemoText = block;
        opened.settings.TextBlockWidth = textBlockWidthFor(opened.settings.textBlockFont, block);
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
