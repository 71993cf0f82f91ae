#include "pricelist/PriceList.h"

#include "design/TextMeasure.h"
#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "pricelist/TagFields.h"
#include "render/BarcodeDrawing.h"
#include "render/TagCompositor.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>
#include <utility>

namespace veltmoor {

namespace {

std::optional<int> wholeNumber(const QString& text, int lowest, int highest) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

// The row's template slot: the `slot` column's when it has one, else slot 1.
std::optional<int> slotOf(const PriceTable& table, const PriceTable::Row& row) {
    const QString cell = table.cell(row, kSlotColumn).trimmed();
    if (cell.isEmpty()) {
        return kFirstSheetSlot;
    }
    return wholeNumber(cell, kFirstSheetSlot, kLastSheetSlot);
}

bool fills(const PriceTable& table, const QString& field) {
    return field == kRunningNumberField || table.columnIndex(field) >= 0;
}

} // namespace

PriceListTemplate PriceListTemplate::of(const TagDesign& design) {
    PriceListTemplate made;
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        img& copy = made.Slots.at(static_cast<std::size_t>(slot));
        copy = design.slot(slot);
        // Rows compose tags of their own.
        copy.TagImage = Bitmap();
    }
    made.settings = design.settings();
    made.TagWidthDots = design.tagWidthDots();
    made.TagHeightDots = design.tagHeightDots();
    made.cuttingMarks = design.cuttingMarks();
    return made;
}

PriceList::PriceList(PriceTable table, PriceListTemplate design, const PriceListOptions& options)
    : table_(std::move(table)), design_(std::move(design)) {
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        numbered_.at(static_cast<std::size_t>(slot)) =
            fieldNamesOf(design_.Slots.at(static_cast<std::size_t>(slot)))
                .contains(kRunningNumberField);
    }
    if (table_.rows.empty()) {
        problem(0, QStringLiteral("the table %1 has no rows below its header").arg(table_.name));
        return;
    }
    checkFields();
    QHash<QString, bool> pictureFound;
    const auto exists = [&pictureFound](const QString& path) {
        auto found = pictureFound.find(path);
        if (found == pictureFound.end()) {
            found = pictureFound.insert(path, QFileInfo(path).isFile());
        }
        return *found;
    };
    // A slot's own missing picture is told once, at the first row that would print it.
    std::array<bool, kLastSheetSlot + 1> slotPictureTold{};
    for (std::size_t index = 0; index < table_.rows.size(); ++index) {
        checkRow(index, options);
        Row& row = rows_.back();
        const int line = table_.rows[index].line;
        if (row.picture.isEmpty()) {
            const QString& own = design_.Slots.at(static_cast<std::size_t>(row.slot)).FileName;
            bool& told = slotPictureTold.at(static_cast<std::size_t>(row.slot));
            if (!own.isEmpty() && row.copies > 0 && !options.allowMissing && !told &&
                !exists(own)) {
                told = true;
                problem(line, QStringLiteral("slot %1's own picture %2 does not exist")
                                  .arg(row.slot)
                                  .arg(QDir::toNativeSeparators(own)));
            }
        } else if (!exists(row.picture) && options.allowMissing) {
            row.picture.clear();
        } else if (!exists(row.picture)) {
            problem(line, QStringLiteral("the picture %1 does not exist")
                              .arg(QDir::toNativeSeparators(row.picture)));
        }
    }
    checkBarcodes();
    if (problemCount_ == 0 && tagCount_ == 0) {
        problem(0, QStringLiteral("every row of the table %1 asks for 0 copies, so there is no "
                                  "tag to print")
                       .arg(table_.name));
    }
}

// A field that names no column stops the job before a row is read: every tag of its slot
// would show it.
void PriceList::checkFields() {
    for (const PriceTable::Row& row : table_.rows) {
        if (const std::optional<int> slot = slotOf(table_, row)) {
            usedSlots_.at(static_cast<std::size_t>(*slot)) = true;
        }
    }
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        if (!usedSlots_.at(static_cast<std::size_t>(slot))) {
            continue;
        }
        for (const QString& field :
             fieldNamesOf(design_.Slots.at(static_cast<std::size_t>(slot)))) {
            if (!fills(table_, field)) {
                problem(0, QStringLiteral("slot %1 uses the field ${%2}, but the table's header "
                                          "names only %3")
                               .arg(slot)
                               .arg(field, table_.columns.join(QStringLiteral(", "))));
            }
        }
    }
}

std::vector<PriceList::Field> PriceList::fields() const {
    std::vector<Field> found;
    QSet<QString> listed;
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        if (!usedSlots_.at(static_cast<std::size_t>(slot))) {
            continue;
        }
        for (const QString& field :
             fieldNamesOf(design_.Slots.at(static_cast<std::size_t>(slot)))) {
            if (!listed.contains(field)) {
                listed.insert(field);
                found.push_back({field, fills(table_, field)});
            }
        }
    }
    return found;
}

// A row whose code cannot be encoded, or would not fit inside its tag, stops the job before
// anything is drawn, as a tag would otherwise print without its code or with another's. A
// numbered code is checked at the row's first and last copy, where the running number is
// shortest and longest.
void PriceList::checkBarcodes() {
    for (const Row& row : rows_) {
        const TagBarcode& barcode = design_.Slots.at(static_cast<std::size_t>(row.slot)).barcode;
        if (!barcode.isSet() || row.copies == 0) {
            continue;
        }
        for (const std::int64_t index : {row.firstTag, row.firstTag + row.copies - 1}) {
            const QString problem = tagBarcodeProblem(tag(index).slot.barcode, design_.settings,
                                                      design_.TagWidthDots, design_.TagHeightDots);
            if (!problem.isEmpty()) {
                this->problem(table_.rows[row.tableRow].line, problem);
                break;
            }
        }
    }
}

void PriceList::checkRow(std::size_t index, const PriceListOptions& options) {
    const PriceTable::Row& cells = table_.rows[index];
    Row row;
    row.tableRow = index;
    row.firstTag = tagCount_;
    if (const std::optional<int> slot = slotOf(table_, cells)) {
        row.slot = *slot;
    } else {
        problem(cells.line, QStringLiteral("the slot \"%1\" is not a slot from %2 to %3")
                                .arg(table_.cell(cells, kSlotColumn))
                                .arg(kFirstSheetSlot)
                                .arg(kLastSheetSlot));
    }
    const QString copies = table_.cell(cells, kCopiesColumn).trimmed();
    if (!copies.isEmpty()) {
        if (const std::optional<int> count = wholeNumber(copies, 0, kMostCopies)) {
            row.copies = *count;
        } else {
            problem(cells.line, QStringLiteral("the copies \"%1\" are not a number from 0 to %2")
                                    .arg(copies)
                                    .arg(kMostCopies));
        }
    }
    const QString picture = table_.cell(cells, kPictureColumn).trimmed();
    if (!picture.isEmpty()) {
        row.picture = QDir::cleanPath(QDir(options.tableFolder).filePath(picture));
    }
    tagCount_ += row.copies;
    rows_.push_back(row);
}

void PriceList::problem(int line, const QString& text) {
    ++problemCount_;
    if (problems_.size() < kProblemsShown) {
        problems_ << (line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(text) : text);
    }
}

QString PriceList::problemMessage() const {
    if (problemCount_ == 0) {
        return {};
    }
    QString message =
        QStringLiteral("The table %1 cannot be used, so nothing was printed:").arg(table_.name);
    for (const QString& text : problems_) {
        message += QStringLiteral("\n  ") + text + QLatin1Char('.');
    }
    if (problemCount_ > problems_.size()) {
        message += QStringLiteral("\n  ... and %1 more.").arg(problemCount_ - problems_.size());
    }
    return message;
}

PriceList::Tag PriceList::tag(std::int64_t index) const {
    const auto after =
        std::upper_bound(rows_.begin(), rows_.end(), index,
                         [](std::int64_t wanted, const Row& row) { return wanted < row.firstTag; });
    const Row& row = *std::prev(after);
    const PriceTable::Row& cells = table_.rows[row.tableRow];
    const bool numbered = numbered_.at(static_cast<std::size_t>(row.slot));
    Tag made;
    made.slotNumber = row.slot;
    made.slot = design_.Slots.at(static_cast<std::size_t>(row.slot));
    made.key = numbered ? index : row.firstTag;
    const QString number = QString::number(index + 1);
    substituteFields(made.slot, [&](const QString& field) {
        return field == kRunningNumberField ? number : table_.cell(cells, field);
    });
    if (!row.picture.isEmpty()) {
        made.slot.FileName = row.picture;
        made.slot.SourceFileName = row.picture;
    }
    return made;
}

PriceListSheets::PriceListSheets(const PriceList& list, const PageMetrics& page,
                                 PictureCache& pictures)
    : list_(list), page_(page), pictures_(pictures) {
    const PriceListTemplate& design = list.design();
    plan_ = planSheet(page, design.cuttingMarks, design.TagWidthDots, design.TagHeightDots);
    places_ = gridPlaces(plan_.grid, design.TagWidthDots, design.TagHeightDots);
    if (places_.empty()) {
        throw UserError(QStringLiteral("A tag of %1 x %2 dots does not fit the page, so no sheet "
                                       "can hold one.")
                            .arg(design.TagWidthDots)
                            .arg(design.TagHeightDots));
    }
    const std::int64_t perSheet = static_cast<std::int64_t>(places_.size());
    sheetCount_ = static_cast<int>((list.tagCount() + perSheet - 1) / perSheet);
}

const Bitmap& PriceListSheets::tagImage(std::int64_t index) {
    PriceList::Tag tag = list_.tag(index);
    if (tag.key == lastKey_) {
        return lastTag_;
    }
    const PriceListTemplate& design = list_.design();
    TagCompositionInput input;
    input.slotNumber = tag.slotNumber;
    input.slot = std::move(tag.slot);
    input.settings = design.settings;
    input.settings.TextBlockWidth =
        textBlockWidthFor(design.settings.textBlockFont, input.slot.TextBlockText);
    input.TagWidthDots = design.TagWidthDots;
    input.TagHeightDots = design.TagHeightDots;
    input.mode = RenderMode::Print;
    input.Printing = true;
    input.page = page_;
    input.pictureRequired = false;
    ComposedTag composed = DrawTagReal(input, pictures_);
    // A tag without the code it was meant to carry is never printed.
    if (!composed.barcodeProblem.isEmpty()) {
        throw UserError(QStringLiteral("Tag %1 of the price list (slot %2): %3.")
                            .arg(index + 1)
                            .arg(tag.slotNumber)
                            .arg(composed.barcodeProblem));
    }
    lastTag_ = std::move(composed.tag);
    lastKey_ = tag.key;
    return lastTag_;
}

void PriceListSheets::compose(int sheet, Bitmap& composed) {
    const std::int64_t perSheet = static_cast<std::int64_t>(places_.size());
    const std::int64_t first = sheet * perSheet;
    const std::int64_t end = std::min(first + perSheet, list_.tagCount());
    // The sheet's photos decoded together, on every core, before its tags are drawn.
    std::vector<PictureCache::Request> requests;
    QSet<QString> requested;
    for (std::int64_t index = first; index < end; ++index) {
        TagCompositionInput input;
        input.slotNumber = kFirstSheetSlot;
        input.slot = list_.tag(index).slot;
        input.TagWidthDots = list_.design().TagWidthDots;
        input.TagHeightDots = list_.design().TagHeightDots;
        if (!requested.contains(input.slot.FileName) && input.hasPicture()) {
            requested.insert(input.slot.FileName);
            requests.push_back(pictureRequestFor(input, pictures_));
        }
    }
    pictures_.prefetch(requests);
    blankSheet(plan_.grid, composed);
    Canvas canvas(composed);
    for (std::int64_t index = first; index < end; ++index) {
        const TagPlacement& place = places_[static_cast<std::size_t>(index - first)];
        canvas.draw(place.x, place.y, tagImage(index));
    }
    drawRegistrationMarks(composed, plan_);
}

} // namespace veltmoor
