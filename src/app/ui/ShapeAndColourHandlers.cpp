#include "app/ui/TForm1.h"

#include "app/ui/PictureBox.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/WindowTexts.h"
#include "app/ui/pages/BarcodePage.h"
#include "app/ui/pages/ControlPage.h"
#include "app/ui/pages/ImagesPage.h"
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
    setPageVisible(PageControl2, AdvancedTabSheet, true);
    for (QWidget* page :
         std::initializer_list<QWidget*>{StandardTabSheet, Text2TabSheet, imagesPage_}) {
        setPageVisible(PageControl1, page, true);
    }
    GroupBox1->show();
    for (PictureBox* mirror : {BImage, cImage, DImage}) {
        mirror->show();
    }
}

void TForm1::TypeOfPageRadioGroupClick(int shapeIndex) {
    showEditingPages();
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
    design_.settings.shapeIndex = shapeIndex;
    const Redraw redraw = design_.TypeOfPageRadioGroupClick();
    showDesignInControls();
    follow(redraw);
}

void TForm1::BorderRadioGroupClick() {
    refreshPrinterMetrics();
    follow(design_.setCutLineType(BorderRadioGroup->itemIndex()));
    advanceHelp(kHelpCutLine, kHelpColors);
}

void TForm1::SelectBorderColorButtonClick() {
    if (const auto colour = prompts_.chooseColor(design_.CutLineColorChoice)) {
        design_.SetBorderColors(*colour);
        DrawTag(design_.CurrentSlot);
    }
}

void TForm1::SelectBackgoundColorButtonClick() {
    if (const auto colour = prompts_.chooseColor(design_.BackgroundColorChoice)) {
        design_.SetBgColors(*colour);
        DrawTag(design_.CurrentSlot);
    }
}

void TForm1::SelectTextColorChoice(TColor& choice, void (TagDesign::*setter)(TColor)) {
    if (const auto colour = prompts_.chooseColor(choice)) {
        choice = *colour;
        // The setter puts the colour into the font as well as into the checked slots.
        (design_.*setter)(*colour);
        DrawTag(design_.CurrentSlot);
    }
}

// The shape, the cut line, the tag options and the colour buttons.
void TForm1::connectShapeAndColourHandlers() {
    // Shape, cut line, check boxes.
    onPage(controlPage_, &ControlPage::shapeChosen,
           [this](int shapeIndex) { TypeOfPageRadioGroupClick(shapeIndex); });
    on(BorderRadioGroup, &RadioGroup::clicked, [this] { BorderRadioGroupClick(); });
    on(NoHoleCheckBox, &QCheckBox::toggled,
       [this] { follow(design_.setNoHole(NoHoleCheckBox->isChecked())); });
    on(BlankCheckBox, &QCheckBox::toggled,
       [this] { follow(design_.setBlankSheet(BlankCheckBox->isChecked())); });
    on(FloatingTagCheckBox, &QCheckBox::toggled, [this] {
        design_.setFloatingTag(FloatingTagCheckBox->isChecked());
        if (services_.FloatingTagCheckBoxClick) {
            services_.FloatingTagCheckBoxClick(FloatingTagCheckBox->isChecked());
        }
    });
    on(HelpCheckBox, &QCheckBox::toggled, [this] {
        if (services_.HelpCheckBoxClick) {
            services_.HelpCheckBoxClick(HelpCheckBox->isChecked());
        }
    });

    // Colours.
    on(SelectBorderColorButton, &QPushButton::clicked, [this] { SelectBorderColorButtonClick(); });
    on(SelectBackgoundColorButton, &QPushButton::clicked,
       [this] { SelectBackgoundColorButtonClick(); });
    on(Text1MemoSelectColorButton, &QPushButton::clicked, [this] {
        SelectTextColorChoice(design_.TextBlockColorChoice, &TagDesign::SetTextBlockColor);
    });
}

} // namespace veltmoor
