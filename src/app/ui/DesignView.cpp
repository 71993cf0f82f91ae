#include "app/ui/TForm1.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WindowTexts.h"
#include "app/ui/pages/AboutPage.h"
#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ImagesPage.h"
#include "app/ui/pages/TextBlockPage.h"
#include "design/DesignComposition.h"
#include "design/MemoLines.h"
#include "design/SlotPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace veltmoor {

void TForm1::DrawTag(int slot) {
    design_.setCurrentSlot(slot);
    DrawTimer_->request();
}

void TForm1::DrawTimerTimer() {
    statusPanels[2]->setText(
        QStringLiteral("%1-%2").arg(design_.currentSlot()).arg(DrawTimer_->interval()));
    DrawTagReal();
}

void TForm1::DrawTagReal() {
    const int slot = design_.currentSlot();
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return;
    }
    if (slot != kAboutSlot && !QFileInfo::exists(design_.slot(slot).FileName)) {
        return;
    }
    forgetSheet();
    const BusyCursor busy;
    const QString memoText = design_.memoText();
    const ComposedTag composed =
        composeCurrentSlot(design_, printerMetrics_.pageMetrics(), pictures_);
    // Composing loads the slot's text block into the memo's text.
    if (design_.memoText() != memoText) {
        DesignChange loaded;
        loaded.add(DesignAspect::TextBlockField);
        announce(loaded);
    }
    showComposedTag(slot, composed);
}

void TForm1::showComposedTag(int slot, const ComposedTag& composed) {
    if (!composed.composed) {
        return;
    }
    ++compositionCount_;
    // The blank picture the first tag gets is a working file the user never chose.
    basicPage_->showTagLabels(isBlankFirstPicture(composed.fileLabel)
                                  ? QStringLiteral("(blank picture)")
                                  : composed.fileLabel,
                              composed.sizeLabel);
    const QRect preview(composed.PreviewRect.left, composed.PreviewRect.top,
                        composed.PreviewRect.width(), composed.PreviewRect.height());
    const QImage tag = composed.tag.toQImage();
    if (slot == kAboutSlot) {
        aboutPage_->showSample(tag, preview);
    }
    LastTagBitmap_ = composed.tag;
    if (design_.renderMode() != RenderMode::Preview) {
        basicPage_->showTag(tag, preview);
    }
    if (services_.updateFloatingTag) {
        services_.updateFloatingTag(LastTagBitmap_);
    }
}

void TForm1::follow(Redraw redraw) {
    switch (redraw) {
    case Redraw::None:
        break;
    case Redraw::Scheduled:
        DrawTag(design_.currentSlot());
        break;
    case Redraw::Now:
        DrawTagReal();
        break;
    }
}

void TForm1::showDesignNow() {
    basicPage_->showDesign(design_);
    advancedPage_->showDesign(design_);
    textBlockPage_->showDesign(design_);
}

void TForm1::SetValues() {
    design_.SetValues();
    // One redraw of the slot follows, a full wait from now.
    DrawTimer_->restart();
}

} // namespace veltmoor
