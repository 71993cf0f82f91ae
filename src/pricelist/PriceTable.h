#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace veltmoor {

// A price list as a spreadsheet exports it: the first row names the columns, every other row
// is one product.
struct PriceTable {
    struct Row {
        int line = 0;      // the file's line the row starts on, from 1
        QStringList cells; // one per column; a short row is filled up with empty cells
    };

    QString name; // the file's name, for messages
    QStringList columns;
    std::vector<Row> rows;

    // The column's index, or -1 when the table has no such column.
    int columnIndex(const QString& column) const;
    // The row's cell in the column, empty when the table has no such column.
    QString cell(const Row& row, const QString& column) const;
};

// Reads delimited text: comma, semicolon or tab, whichever the header line holds most of
// (spreadsheets in many locales write semicolons); double quotes around cells that hold the
// delimiter, quotes (doubled) or line breaks (which become CR LF, as in a text block). UTF-8
// with or without a byte-order mark, or Windows-1252 when the bytes are not UTF-8. Blank lines
// are skipped. Throws UserError naming the table and the line for a row with more cells than
// the header, a quote left open, or a header without column names.
PriceTable parsePriceTable(const QByteArray& bytes, const QString& name);

// The table in the file at path, or on standard input when path is "-". Throws UserError.
PriceTable readPriceTable(const QString& path);

} // namespace veltmoor
