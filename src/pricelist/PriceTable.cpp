#include "pricelist/PriceTable.h"

#include "platform/Errors.h"
#include "setupfile/TextEncoding.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cstdio>

namespace veltmoor {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The delimiter the header line uses most, outside quotes; a comma when it uses none.
QChar delimiterOf(const QString& text) {
    const std::array<QChar, 3> candidates{QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (const QChar character : text) {
        if (character == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && (character == QLatin1Char('\n') || character == QLatin1Char('\r'))) {
            break;
        } else if (!quoted) {
            for (std::size_t index = 0; index < candidates.size(); ++index) {
                counts[index] += character == candidates[index] ? 1 : 0;
            }
        }
    }
    std::size_t most = 0;
    for (std::size_t index = 1; index < candidates.size(); ++index) {
        if (counts[index] > counts[most]) {
            most = index;
        }
    }
    return candidates[most];
}

// Splits the text into records of cells as RFC 4180 reads them.
class RecordReader {
public:
    RecordReader(const QString& text, QChar delimiter, const QString& name)
        : text_(text), delimiter_(delimiter), name_(name) {}

    bool atEnd() const { return position_ >= text_.size(); }
    int line() const { return line_; }

    // The next record and the line it starts on. A blank line gives one empty cell.
    QStringList next(int& startLine) {
        startLine = line_;
        QStringList cells;
        QString cell;
        bool wasQuoted = false;
        while (position_ < text_.size()) {
            const QChar character = text_.at(position_);
            if (character == QLatin1Char('"') && cell.isEmpty() && !wasQuoted) {
                ++position_;
                readQuoted(cell);
                wasQuoted = true;
            } else if (character == delimiter_) {
                ++position_;
                cells << cell;
                cell.clear();
                wasQuoted = false;
            } else if (character == QLatin1Char('\r') || character == QLatin1Char('\n')) {
                skipLineBreak();
                break;
            } else {
                cell += character;
                ++position_;
            }
        }
        cells << cell;
        return cells;
    }

private:
    void skipLineBreak() {
        if (text_.at(position_) == QLatin1Char('\r') && position_ + 1 < text_.size() &&
            text_.at(position_ + 1) == QLatin1Char('\n')) {
            ++position_;
        }
        ++position_;
        ++line_;
    }

    void readQuoted(QString& cell) {
        const int opened = line_;
        while (position_ < text_.size()) {
            const QChar character = text_.at(position_);
            if (character == QLatin1Char('"')) {
                if (position_ + 1 < text_.size() && text_.at(position_ + 1) == QLatin1Char('"')) {
                    cell += character;
                    position_ += 2;
                    continue;
                }
                ++position_;
                return;
            }
            if (character == QLatin1Char('\r') || character == QLatin1Char('\n')) {
                skipLineBreak();
                cell += kLineBreak;
                continue;
            }
            cell += character;
            ++position_;
        }
        throw UserError(QStringLiteral("The quote opened on line %1 of %2 is never closed.")
                            .arg(opened)
                            .arg(name_));
    }

    const QString& text_;
    QChar delimiter_;
    QString name_;
    qsizetype position_ = 0;
    int line_ = 1;
};

bool isBlank(const QStringList& cells) {
    return cells.size() == 1 && cells.front().isEmpty();
}

} // namespace

int PriceTable::columnIndex(const QString& column) const {
    return static_cast<int>(columns.indexOf(column));
}

QString PriceTable::cell(const Row& row, const QString& column) const {
    return row.cells.value(columnIndex(column));
}

PriceTable parsePriceTable(const QByteArray& bytes, const QString& name) {
    const QString text = decodeDesignText(bytes);
    RecordReader reader(text, delimiterOf(text), name);
    PriceTable table;
    table.name = name;
    int line = 0;
    while (!reader.atEnd() && table.columns.isEmpty()) {
        const QStringList header = reader.next(line);
        if (isBlank(header)) {
            continue;
        }
        for (const QString& column : header) {
            table.columns << column.trimmed();
        }
    }
    if (table.columns.isEmpty()) {
        throw UserError(
            QStringLiteral("The table %1 has no header line naming its columns.").arg(name));
    }
    while (!reader.atEnd()) {
        QStringList cells = reader.next(line);
        if (isBlank(cells)) {
            continue;
        }
        if (cells.size() > table.columns.size()) {
            throw UserError(QStringLiteral("Line %1 of %2 has %3 cells, but the header names %4 "
                                           "columns.")
                                .arg(line)
                                .arg(name)
                                .arg(cells.size())
                                .arg(table.columns.size()));
        }
        while (cells.size() < table.columns.size()) {
            cells << QString();
        }
        table.rows.push_back({line, cells});
    }
    return table;
}

PriceTable readPriceTable(const QString& path) {
    QFile file;
    const bool standardInput = path == QLatin1String("-");
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                      : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    const QString name =
        standardInput ? QStringLiteral("standard input") : QDir::toNativeSeparators(path);
    if (!opened) {
        throw UserError(
            QStringLiteral("The table %1 cannot be read: %2.").arg(name, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw UserError(
            QStringLiteral("The table %1 cannot be read: %2.").arg(name, file.errorString()));
    }
    return parsePriceTable(bytes, name);
}

} // namespace veltmoor
