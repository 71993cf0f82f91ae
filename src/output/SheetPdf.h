#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

namespace veltmoor {

// One band of the sheet and where it lands on the paper.
struct StripOnPaper {
    int firstRow = 0; // source rows [firstRow, firstRow + rowCount) of the sheet
    int rowCount = 0;
    QRectF onPaper; // device dots, the paper's top-left corner at the origin
};

struct SheetPdfPage {
    QSizeF paperPoints;   // the page as the printer is told it, already turned
    int dotsPerInchX = 0; // the device dots the strips are placed in
    int dotsPerInchY = 0;
    QString title; // the document's title, as the printing system lists it
    QString creator;
    // Strips of white paper print nothing; a job of many sheets of short text leaves them out.
    bool leaveOutWhiteStrips = false;
    // A strip the same as the one at its place on the sheet before is not written again, the
    // page shows the earlier image: sheets of price tags differ only where their texts are.
    bool shareRepeatedStrips = false;
};

// The sheet as a PDF of `pages` equal pages, each showing the strips at their places. The
// pixels reach the file unchanged (deflated with the PNG predictors), every strip is an
// image of its own, and the pages share the images rather than repeating them. The strips
// are compressed on all cores: this is the step between the click and the printer, where
// Qt's own PDF engine compresses one image at a time at zlib's slow default.
QByteArray sheetPdf(const Bitmap& sheet, const std::vector<StripOnPaper>& strips,
                    const SheetPdfPage& page, int pages = 1);

// The same PDF written as the sheets come, for jobs of many sheets: each sheet's strips are
// compressed and handed to the sink before the next sheet is taken, so only one sheet is
// held at a time, whatever the number of sheets.
class SheetPdfWriter {
public:
    using Sink = std::function<void(const QByteArray& bytes)>;
    SheetPdfWriter(Sink sink, const QString& title, const QString& creator);

    // `pages` equal pages showing the sheet, after the pages written so far.
    void addSheet(const Bitmap& sheet, const std::vector<StripOnPaper>& strips,
                  const SheetPdfPage& page, int pages = 1);
    // Writes the page tree, the document information and the cross-reference table.
    void finish();

    int pageCount() const { return pageCount_; }

private:
    static constexpr int kCatalog = 1;
    static constexpr int kPageTree = 2;
    static constexpr int kInfo = 3;

    static QByteArray reference(int number);
    int newObject();
    void write(const QByteArray& bytes);
    void object(int number, const QByteArray& body);
    void stream(int number, const QByteArray& dictionary, const QByteArray& data);
    // The image already written for this strip of the previous sheet, if it shows the same
    // pixels at the same place; 0 otherwise.
    int sharedImage(const Bitmap& sheet, const StripOnPaper& strip) const;
    void rememberSheet(const Bitmap& sheet, const std::vector<StripOnPaper>& strips,
                       const std::vector<int>& images);

    Sink sink_;
    QString title_;
    QString creator_;
    qint64 written_ = 0;
    std::vector<qint64> offsets_{0, 0, 0}; // where each object begins, by number less one
    QByteArray kids_;
    int pageCount_ = 0;
    // The sheet before and the image written for each of its strips, to share from.
    struct WrittenStrip {
        StripOnPaper strip;
        int image = 0;
    };
    Bitmap previousSheet_;
    std::vector<WrittenStrip> previousStrips_;
};

} // namespace veltmoor
