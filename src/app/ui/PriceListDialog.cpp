#include "app/ui/PriceListDialog.h"

#include "pricelist/TagFields.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace veltmoor {

namespace {

QString fieldText(const PriceList::Field& field) {
    const QString written = QStringLiteral("${%1}").arg(field.name);
    if (field.name == kRunningNumberField) {
        return QObject::tr("%1: the tag's running number").arg(written);
    }
    return field.found ? QObject::tr("%1: found").arg(written)
                       : QObject::tr("%1: the table has no such column").arg(written);
}

} // namespace

QString PriceListSummary::countsText() const {
    const auto counted = [](std::int64_t count, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
    };
    return QObject::tr("%1, %2, %3 of %4")
        .arg(counted(rows, "row", "rows"), counted(tags, "tag", "tags"),
             counted(sheets, "sheet", "sheets"), counted(tagsPerSheet, "tag", "tags"));
}

PriceListSummary summarizePriceList(const PriceList& list, const PriceListSheets& sheets) {
    const PriceTable& table = list.table();
    PriceListSummary summary;
    summary.tableName = table.name;
    summary.columns = table.columns;
    const std::size_t shown =
        std::min(table.rows.size(), static_cast<std::size_t>(PriceListSummary::kRowsShown));
    summary.firstRows.assign(table.rows.begin(),
                             table.rows.begin() + static_cast<std::ptrdiff_t>(shown));
    summary.fields = list.fields();
    summary.rows = list.rowCount();
    summary.tags = list.tagCount();
    summary.sheets = sheets.count();
    summary.tagsPerSheet = sheets.tagsPerSheet();
    summary.problems = list.problems();
    return summary;
}

PriceListDialog::PriceListDialog(const PriceListSummary& summary, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PriceListDialog"));
    setWindowTitle(tr("Use Price List"));
    auto* layout = new QVBoxLayout(this);

    CountsLabel = new QLabel(QStringLiteral("%1: %2").arg(summary.tableName, summary.countsText()));
    CountsLabel->setObjectName(QStringLiteral("CountsLabel"));
    layout->addWidget(CountsLabel);

    layout->addWidget(new QLabel(tr("The first rows:")));
    FirstRowsTable = new QTableWidget(static_cast<int>(summary.firstRows.size()),
                                      static_cast<int>(summary.columns.size()));
    FirstRowsTable->setObjectName(QStringLiteral("FirstRowsTable"));
    FirstRowsTable->setHorizontalHeaderLabels(summary.columns);
    FirstRowsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList lines;
    for (int row = 0; row < FirstRowsTable->rowCount(); ++row) {
        const PriceTable::Row& cells = summary.firstRows[static_cast<std::size_t>(row)];
        lines << tr("line %1").arg(cells.line);
        for (int column = 0; column < FirstRowsTable->columnCount(); ++column) {
            FirstRowsTable->setItem(row, column, new QTableWidgetItem(cells.cells.value(column)));
        }
    }
    FirstRowsTable->setVerticalHeaderLabels(lines);
    FirstRowsTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(FirstRowsTable);

    layout->addWidget(new QLabel(summary.fields.empty()
                                     ? tr("The design's texts use no fields.")
                                     : tr("The fields the design's texts use:")));
    FieldsList = new QListWidget;
    FieldsList->setObjectName(QStringLiteral("FieldsList"));
    for (const PriceList::Field& field : summary.fields) {
        FieldsList->addItem(fieldText(field));
    }
    FieldsList->setVisible(!summary.fields.empty());
    layout->addWidget(FieldsList);

    ProblemsMemo = new QPlainTextEdit;
    ProblemsMemo->setObjectName(QStringLiteral("ProblemsMemo"));
    ProblemsMemo->setReadOnly(true);
    ProblemsMemo->setPlainText(tr("The table cannot be used:\n") +
                               summary.problems.join(QLatin1Char('\n')));
    ProblemsMemo->setVisible(!summary.problems.isEmpty());
    layout->addWidget(ProblemsMemo);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("Use Price List"));
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(summary.problems.isEmpty());
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(Buttons);
    resize(560, 480);
}

} // namespace veltmoor
