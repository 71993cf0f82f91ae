#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace veltmoor {

class Bitmap;
class PictureBox;

// "Preview": the sheet as "Preview Sheet" composed it, and for a price list the number of
// the sheet shown with the way to the one before and after it.
class PreviewPage : public QWidget {
    Q_OBJECT

public:
    explicit PreviewPage(QWidget* parent = nullptr);

    // The sheet reduced by a whole factor onto aqua.
    void showSheet(const Bitmap& sheet);
    void clearSheet();
    // "Sheet k of n" for shown = k - 1; a sheet before or after is offered only where there
    // is one.
    void showSheetNumber(int shown, int count);
    // The plain sheet has no number.
    void hideSheetNumber();

signals:
    void previousSheetAsked();
    void nextSheetAsked();

private:
    PictureBox* PreviewImage = nullptr;
    QWidget* SheetNavigation = nullptr;
    QLabel* SheetNumberLabel = nullptr;
    QPushButton* PreviousSheetButton = nullptr;
    QPushButton* NextSheetButton = nullptr;
};

} // namespace veltmoor
