#pragma once

#include <QImage>
#include <QString>

#include <ostream>
#include <vector>

namespace veltmoor::test {

// A code as zbar, a scanner written elsewhere, reads it: its symbology as zbar names it
// ("EAN-13", "UPC-A", "EAN-8", "CODE-128", "QR-Code") and its data.
struct ScannedCode {
    QString type;
    QString data;
    friend bool operator==(const ScannedCode&, const ScannedCode&) = default;
    friend void PrintTo(const ScannedCode& code, std::ostream* out) {
        *out << code.type.toStdString() << ":" << code.data.toStdString();
    }
};

// Every code zbar finds in the picture, sorted by type and data. zbar reports a code found
// twice in one picture once.
std::vector<ScannedCode> scanCodes(const QImage& picture);

} // namespace veltmoor::test

namespace veltmoor::test {

// The codes on the nine tags of tests/data/setupfile/barcodes.vmg, as a scanner reads them
// (every symbology at several module widths and placements), sorted.
std::vector<ScannedCode> barcodesDesignCodes();

std::vector<ScannedCode> sortedCodes(std::vector<ScannedCode> codes);

} // namespace veltmoor::test
