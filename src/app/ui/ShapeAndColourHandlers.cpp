#include "app/ui/TForm1.h"

#include "app/ui/PictureBox.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/WindowTexts.h"
#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BarcodePage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ControlPage.h"
#include "app/ui/pages/ImagesPage.h"
#include "app/ui/pages/TextBlockPage.h"
#include "app/ui/pages/TextPage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace veltmoor {

using namespace window;

void TForm1::showEditingPages() {
    const QSignalBlocker blockOne(PageControl1);
    const QSignalBlocker blockTwo(PageControl2);
    setPageVisible(PageControl2, textPage_, true);
    setPageVisible(PageControl2, barcodePage_, true);
    setPageVisible(PageControl2, advancedPage_, true);
    for (QWidget* page : std::initializer_list<QWidget*>{basicPage_, textBlockPage_, imagesPage_}) {
        setPageVisible(PageControl1, page, true);
    }
    basicPage_->showAllMirrors();
}

// A shape chosen on "Control" brings the editing pages out, and the tag in front.
void TForm1::TypeOfPageRadioGroupClick() {
    showEditingPages();
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, basicPage_);
    }
}

// A cut line chosen: the sheet's margins follow the printer's page read again.
void TForm1::BorderRadioGroupClick() {
    refreshPrinterMetrics();
    advanceHelp(kHelpCutLine, kHelpColors);
}

void TForm1::floatingTagClosed() {
    basicPage_->uncheckFloatingTag();
}

void TForm1::helpClosed() {
    basicPage_->uncheckHelp();
}

// The shape and the cut line, which show other pages and move the help on, and the boxes
// that open other windows.
void TForm1::connectShapeAndColourHandlers() {
    onPage(controlPage_, &ControlPage::shapeChosen, [this] { TypeOfPageRadioGroupClick(); });
    onPage(basicPage_, &BasicPage::cutLineChosen, [this] { BorderRadioGroupClick(); });
    onPage(basicPage_, &BasicPage::floatingTagToggled, [this](bool checked) {
        design_.setFloatingTag(checked);
        if (services_.FloatingTagCheckBoxClick) {
            services_.FloatingTagCheckBoxClick(checked);
        }
    });
    onPage(basicPage_, &BasicPage::helpToggled, [this](bool checked) {
        if (services_.HelpCheckBoxClick) {
            services_.HelpCheckBoxClick(checked);
        }
    });
}

} // namespace veltmoor
