#pragma once

#include "pricelist/PriceList.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

namespace veltmoor {

// What the user is shown of a price list before using it: its first rows, the fields the
// design uses and whether the table fills each, the counts and the problems.
struct PriceListSummary {
    static constexpr int kRowsShown = 5;

    QString tableName;
    QStringList columns;
    std::vector<PriceTable::Row> firstRows;
    std::vector<PriceList::Field> fields;
    int rows = 0;
    std::int64_t tags = 0;
    int sheets = 0;
    int tagsPerSheet = 0;
    QStringList problems; // the first ones, each with its line

    // "25 rows, 25 tags, 3 sheets of 9 tags".
    QString countsText() const;
};

PriceListSummary summarizePriceList(const PriceList& list, const PriceListSheets& sheets);

// "Use Price List": the summary, and the choice to use the table. A table with problems is
// shown with them and cannot be chosen.
class PriceListDialog : public QDialog {
public:
    explicit PriceListDialog(const PriceListSummary& summary, QWidget* parent = nullptr);

    QLabel* CountsLabel = nullptr;
    QTableWidget* FirstRowsTable = nullptr;
    QListWidget* FieldsList = nullptr;
    QPlainTextEdit* ProblemsMemo = nullptr;
    QDialogButtonBox* Buttons = nullptr;
};

} // namespace veltmoor
