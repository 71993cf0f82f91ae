// Feeds arbitrary bytes to the price-list table reader: each input is read or refused with a
// message; a table that is read has as many cells in every row as columns, and its cells
// fill a slot's fields without trouble.
#include "QtApplication.h"
#include "platform/Errors.h"
#include "pricelist/PriceTable.h"
#include "pricelist/TagFields.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    veltmoor::PriceTable table;
    try {
        table = veltmoor::parsePriceTable(bytes, QStringLiteral("fuzz.csv"));
    } catch (const veltmoor::UserError&) {
        return 0;
    }
    if (table.columns.isEmpty()) {
        __builtin_trap();
    }
    veltmoor::img slot;
    // The header's own text as the template: every column's field and whatever else it holds.
    slot.ValueText = table.columns.join(QStringLiteral("${"));
    slot.TextBlockText = QStringLiteral("${") + table.columns.join(QStringLiteral("}${")) + '}';
    for (const veltmoor::PriceTable::Row& row : table.rows) {
        if (row.cells.size() != table.columns.size() || row.line < 2) {
            __builtin_trap();
        }
        veltmoor::img filled = slot;
        veltmoor::substituteFields(filled,
                                   [&](const QString& field) { return table.cell(row, field); });
    }
    return 0;
}
