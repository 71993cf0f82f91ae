#pragma once

#include "design/TagDesign.h"
#include "output/SheetLayout.h"
#include "pricelist/PriceTable.h"
#include "render/PictureCache.h"
#include "render/SlotRecord.h"
#include "render/TagSettings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace veltmoor {

// What a price list reads of the design, taken in one place: the sheet's slots as templates,
// the settings every tag shares, the tag size and the marks.
struct PriceListTemplate {
    std::array<img, kLastSheetSlot + 1> Slots; // slots 1 to 9; TagImage left out
    TagSettings settings;
    int TagWidthDots = 400;
    int TagHeightDots = 800;
    CuttingMarks cuttingMarks = CuttingMarks::None;

    static PriceListTemplate of(const TagDesign& design);
};

struct PriceListOptions {
    QString tableFolder;       // where the table's relative picture paths start
    bool allowMissing = false; // a row whose picture is missing takes its slot's own
};

// The table's columns with a meaning of their own.
inline const QString kSlotColumn = QStringLiteral("slot");
inline const QString kPictureColumn = QStringLiteral("picture");
inline const QString kCopiesColumn = QStringLiteral("copies");

// Every row of a table read and checked against the design, before anything is drawn: each
// row's template slot, picture and copies, and the problems found.
class PriceList {
public:
    static constexpr int kMostCopies = 10000;
    static constexpr int kProblemsShown = 10;

    PriceList(PriceTable table, PriceListTemplate design, const PriceListOptions& options);

    const QStringList& problems() const { return problems_; }
    // One message listing the first problems, each with its line; empty when there is none.
    QString problemMessage() const;

    const PriceTable& table() const { return table_; }
    int rowCount() const { return static_cast<int>(table_.rows.size()); }
    std::int64_t tagCount() const { return tagCount_; }
    const PriceListTemplate& design() const { return design_; }

    // The fields of the slots the rows are made from, each once, in slot order, and whether
    // the table fills it.
    struct Field {
        QString name;
        bool found = false;
    };
    std::vector<Field> fields() const;

    // The tag (from 0, in row order, each row repeated by its copies): its template slot
    // with the row's texts and picture. key says which tags are drawn alike: the same key,
    // the same tag.
    struct Tag {
        int slotNumber = 0;
        img slot;
        std::int64_t key = 0;
    };
    Tag tag(std::int64_t index) const;

private:
    struct Row {
        std::size_t tableRow = 0;
        int slot = kFirstSheetSlot;
        QString picture; // empty: the slot's own
        std::int64_t firstTag = 0;
        int copies = 1;
    };

    void checkFields();
    void checkBarcodes();
    void checkRow(std::size_t index, const PriceListOptions& options);
    void problem(int line, const QString& text);

    PriceTable table_;
    PriceListTemplate design_;
    std::vector<Row> rows_;
    std::array<bool, kLastSheetSlot + 1> numbered_{};  // slots whose texts hold ${n}
    std::array<bool, kLastSheetSlot + 1> usedSlots_{}; // slots some row is made from
    std::int64_t tagCount_ = 0;
    QStringList problems_;
    int problemCount_ = 0;
};

// The price list's tags laid on sheets of the page: as many per sheet as the grid holds, in
// row order, left to right and top to bottom; the last sheet holds what is left.
class PriceListSheets {
public:
    // Throws UserError when not one tag fits the page.
    PriceListSheets(const PriceList& list, const PageMetrics& page, PictureCache& pictures);

    int count() const { return sheetCount_; }
    int tagsPerSheet() const { return static_cast<int>(places_.size()); }
    // The sheet (from 0) composed as it is printed, marks and all, into the memory of an
    // earlier sheet. Calls are not to overlap.
    void compose(int sheet, Bitmap& composed);

private:
    const Bitmap& tagImage(std::int64_t index);

    const PriceList& list_;
    PageMetrics page_;
    PictureCache& pictures_;
    SheetPlan plan_;
    std::vector<TagPlacement> places_;
    int sheetCount_ = 0;
    // Rows repeated by their copies draw one tag.
    std::int64_t lastKey_ = -1;
    Bitmap lastTag_;
};

} // namespace veltmoor
