#include "app/ui/pages/PreviewPage.h"

#include "app/ui/PictureBox.h"
#include "app/ui/WindowTexts.h"
#include "output/SheetLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

// The page is shown only while its sheet is up to date; the window sees to that.
PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PreviewTabSheet"));
    auto* layout = new QVBoxLayout(this);
    // The picture fills the page; margins would push it past the page's edge.
    layout->setContentsMargins(0, 0, 0, 0);
    PreviewImage = new PictureBox(kSheetPreviewWidth, kSheetPreviewHeight, this);
    PreviewImage->setObjectName(QStringLiteral("PreviewImage"));
    PreviewImage->clearPicture(clAqua);
    layout->addWidget(PreviewImage, 0, Qt::AlignLeft | Qt::AlignTop);

    // Over the preview's bottom right corner, where a sheet reduced onto the page leaves room.
    SheetNavigation = new QWidget(this);
    SheetNavigation->setObjectName(QStringLiteral("SheetNavigation"));
    auto* navigation = new QHBoxLayout(SheetNavigation);
    navigation->setContentsMargins(4, 2, 4, 2);
    PreviousSheetButton = new QPushButton(tr("< &Previous"), SheetNavigation);
    PreviousSheetButton->setObjectName(QStringLiteral("PreviousSheetButton"));
    SheetNumberLabel = new QLabel(SheetNavigation);
    SheetNumberLabel->setObjectName(QStringLiteral("SheetNumberLabel"));
    SheetNumberLabel->setAlignment(Qt::AlignCenter);
    SheetNumberLabel->setMinimumWidth(110);
    NextSheetButton = new QPushButton(tr("&Next >"), SheetNavigation);
    NextSheetButton->setObjectName(QStringLiteral("NextSheetButton"));
    navigation->addWidget(PreviousSheetButton);
    navigation->addWidget(SheetNumberLabel);
    navigation->addWidget(NextSheetButton);
    SheetNavigation->adjustSize();
    const QSize size = SheetNavigation->sizeHint();
    SheetNavigation->setGeometry(kSheetPreviewWidth - size.width(),
                                 kSheetPreviewHeight - size.height(), size.width(), size.height());
    SheetNavigation->hide();
    connect(PreviousSheetButton, &QPushButton::clicked, this, &PreviewPage::previousSheetAsked);
    connect(NextSheetButton, &QPushButton::clicked, this, &PreviewPage::nextSheetAsked);
}

void PreviewPage::showSheet(const Bitmap& sheet) {
    PreviewImage->showBitmap(
        renderSheetPreview(sheet, PreviewImage->width(), PreviewImage->height()));
}

void PreviewPage::clearSheet() {
    PreviewImage->clearPicture(clAqua);
}

void PreviewPage::showSheetNumber(int shown, int count) {
    SheetNumberLabel->setText(kSheetStep.arg(shown + 1).arg(count));
    PreviousSheetButton->setEnabled(shown > 0);
    NextSheetButton->setEnabled(shown + 1 < count);
    SheetNavigation->show();
    SheetNavigation->raise();
}

void PreviewPage::hideSheetNumber() {
    SheetNavigation->hide();
}

} // namespace veltmoor
