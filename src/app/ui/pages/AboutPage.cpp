#include "app/ui/pages/AboutPage.h"

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AboutTabSheet"));
    auto* page = this;
    auto* layout = new QHBoxLayout(page);
    compact(layout);
    AboutSampleImage = makeBox(QStringLiteral("AboutSampleImage"), kPreviewSize, page);
    AboutSampleImage->clearPicture(clBtnFace);
    layout->addWidget(AboutSampleImage, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    AboutMemo = new QPlainTextEdit(page);
    AboutMemo->setObjectName(QStringLiteral("AboutMemo"));
    AboutMemo->setReadOnly(true);
    AboutMemo->setFocusPolicy(Qt::NoFocus);
    // The lines are wrapped at the memo's width, so none hides behind a scroll bar.
    AboutMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    AboutMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AboutMemo->setPlainText(QStringLiteral("Veltmoor Tags Print\n"
                                           "\n"
                                           "Click Continue, and then select the image to \n"
                                           "use for the first tag, then as the size of the \n"
                                           "tags, colors, and text are selected and added \n"
                                           "it will be displayed.  If a you desire to use more \n"
                                           "than 4 images, click the tab \"Images 1 to 9\" \n"
                                           "and select each Tag box.  To delete an image \n"
                                           "so it is not used, right click and select Delete.\n"
                                           "\n"
                                           "Any .bmp, .jpg or .jpeg picture can be used."));
    right->addWidget(AboutMemo, 1);
    ContinueButton =
        makeButton(QStringLiteral("ContinueButton"), QStringLiteral("&Continue"), page);
    setHint(ContinueButton,
            QStringLiteral("Click to continue program, when clicked the program will present a "
                           "file selections window for the image to use for \"Tag 1\".  Any "
                           ".bmp, .jpg, .jpeg file maybe used for a tag image.  The sheet usually "
                           "looks best if all the images are about the same shape."));
    ExitAboutButton = makeButton(QStringLiteral("ExitAboutButton"), QStringLiteral("E&xit"), page);
    setHint(ExitAboutButton, QStringLiteral("End Program"));
    ContinueButton->setEnabled(false);
    ExitAboutButton->setEnabled(false);
    // A saved design opens straight from here, without first choosing a picture for tag 1;
    // the File menu stays locked until the design pages are shown.
    QPushButton* openTag =
        makeButton(QStringLiteral("OpenTagAboutButton"), QStringLiteral("&Open Tag..."), page);
    setHint(openTag, QStringLiteral("Opens a previously saved tag setup instead of starting a "
                                    "new sheet."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContinueButton);
    buttons->addWidget(openTag);
    buttons->addWidget(ExitAboutButton);
    right->addLayout(buttons);
    layout->addLayout(right, 1);

    connect(ContinueButton, &QPushButton::clicked, this, &AboutPage::continueAsked);
    connect(openTag, &QPushButton::clicked, this, &AboutPage::openAsked);
    connect(ExitAboutButton, &QPushButton::clicked, this, &AboutPage::exitAsked);
}

void AboutPage::showSample(const QImage& tag, const QRect& preview) {
    AboutSampleImage->showPicture(tag, preview, clBtnFace);
}

void AboutPage::showSlogan() {
    QFont sloganFont = AboutSampleImage->font();
    sloganFont.setPointSize(10);
    sloganFont.setBold(true);
    AboutSampleImage->setOverlayText(kSlogan, sloganFont, 310);
}

void AboutPage::offerStart() {
    ContinueButton->setEnabled(true);
    ExitAboutButton->setEnabled(true);
    ContinueButton->setFocus();
}

} // namespace veltmoor
