#include "app/ui/TForm1.h"

#include "app/ui/PictureBox.h"
#include "app/ui/WindowTexts.h"

#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

// The sheet as "Preview Sheet" composed it, reduced by a whole factor onto aqua. The page
// is shown only while that sheet is up to date.
QWidget* TForm1::buildPreviewPage() {
    PreviewTabSheet = new QWidget;
    PreviewTabSheet->setObjectName(QStringLiteral("PreviewTabSheet"));
    auto* layout = new QVBoxLayout(PreviewTabSheet);
    // The picture fills the page; margins would push it past the page's edge.
    layout->setContentsMargins(0, 0, 0, 0);
    PreviewImage = new PictureBox(kSheetPreviewWidth, kSheetPreviewHeight, PreviewTabSheet);
    PreviewImage->setObjectName(QStringLiteral("PreviewImage"));
    PreviewImage->clearPicture(clAqua);
    layout->addWidget(PreviewImage, 0, Qt::AlignLeft | Qt::AlignTop);
    return PreviewTabSheet;
}

} // namespace veltmoor
