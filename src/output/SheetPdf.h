#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

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
};

// The sheet as a PDF of `pages` equal pages, each showing the strips at their places. The
// pixels reach the file unchanged (deflated with the PNG predictors), every strip is an
// image of its own, and the pages share the images rather than repeating them. The strips
// are compressed on all cores: this is the step between the click and the printer, where
// Qt's own PDF engine compresses one image at a time at zlib's slow default.
QByteArray sheetPdf(const Bitmap& sheet, const std::vector<StripOnPaper>& strips,
                    const SheetPdfPage& page, int pages = 1);

} // namespace veltmoor
