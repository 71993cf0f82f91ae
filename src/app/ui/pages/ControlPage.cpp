#include "app/ui/pages/ControlPage.h"

#include "app/ui/DesignEditor.h"
#include "app/ui/HelpStepRules.h"
#include "app/ui/HintTracker.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/DesignChange.h"
#include "design/NumericFields.h"
#include "design/TagDesign.h"
#include "render/TagSettings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

ControlPage::ControlPage(DesignEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("PrintControlTabSheet"));
    auto* page = this;
    auto* layout = new QVBoxLayout(page);
    compact(layout);
    TypeOfPageRadioGroup = makeRadioGroup(
        QStringLiteral("TypeOfPageRadioGroup"), QStringLiteral("Tags Shape"),
        {QStringLiteral("Standard"), QStringLiteral("Rectangle"), QStringLiteral("Rounded Corners"),
         QStringLiteral("Southwestern"), QStringLiteral("Tapered"), QStringLiteral("Curved Ends"),
         QStringLiteral("Oval/Circle"), QStringLiteral("Bow Tie "), QStringLiteral("Scalloped"),
         QStringLiteral("Triangle"), QStringLiteral("Keyhole"), QStringLiteral("Fan-Tapered"),
         QStringLiteral("Fan-Keyhole"), QStringLiteral("Fan-Curved End"), QStringLiteral("Ticket")},
        1, page);
    TypeOfPageRadioGroup->setItemIndex(kShapeStandard);
    setHint(TypeOfPageRadioGroup, kShapeHint);
    layout->addWidget(TypeOfPageRadioGroup);

    Label2 = new QLabel(QStringLiteral("Number of Co&pies"), page);
    Label2->setObjectName(QStringLiteral("Label2"));
    CopiesEdit = makeEdit(QStringLiteral("CopiesEdit"), page, 30);
    CopiesEdit->setReadOnly(true);
    CopiesUpDown = makeUpDown(QStringLiteral("CopiesUpDown"), kCopiesRange, 1, page);
    CopiesUpDown->setAssociate(CopiesEdit);
    Label2->setBuddy(CopiesEdit);
    for (QWidget* widget : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(CopiesEdit),
                            static_cast<QWidget*>(CopiesUpDown)}) {
        setHint(widget, kCopiesHint);
    }
    auto* copies = new QHBoxLayout;
    copies->addWidget(Label2);
    copies->addWidget(CopiesEdit);
    copies->addWidget(CopiesUpDown);
    copies->addStretch(1);
    layout->addLayout(copies);

    PrinterSetupButton =
        makeButton(QStringLiteral("PrinterSetupButton"), QStringLiteral("Printer &Setup"), page);
    setHint(PrinterSetupButton, QStringLiteral("Select printer, and paper size"));
    PreviewButton =
        makeButton(QStringLiteral("PreviewButton"), QStringLiteral("Pre&view Sheet"), page);
    setHint(PreviewButton, QStringLiteral("Shows how the sheet will look when printed"));
    PrintButton = makeButton(QStringLiteral("PrintButton"), QStringLiteral("P&rint Page"), page);
    setHint(PrintButton, QStringLiteral("Will print the sheet of tags to the selected printer"));
    PreviewTesselButton =
        makeButton(QStringLiteral("PreviewTesselButton"), QStringLiteral("Preview &Tags"), page);
    setHint(PreviewTesselButton,
            QStringLiteral("Will display the tag for each image selected, this allows one to "
                           "reveiw the options selected to see that they work with all images."));
    // "Preview Sheet" waits for the first tag's picture; printing and its set-up wait until
    // printing is connected to them, rather than pretend.
    for (QPushButton* button :
         {PrinterSetupButton, PreviewButton, PrintButton, PreviewTesselButton}) {
        button->setEnabled(button == PreviewTesselButton);
        layout->addWidget(button);
    }
    layout->addLayout(buildCuttingMarksChoice());

    // Printer calibration.
    CalibratePrinterButton = makeButton(QStringLiteral("CalibratePrinterButton"),
                                        QStringLiteral("Calibrate Printer..."), page);
    setHint(CalibratePrinterButton,
            QStringLiteral("Measures how far the selected printer shifts and stretches the page, "
                           "so that the tags land where they belong"));
    layout->addWidget(CalibratePrinterButton);

    layout->addStretch(1);

    // The shape-change rule runs even for the shape already chosen.
    changeOn(editor_, TypeOfPageRadioGroup, &RadioGroup::clicked, this, [this](TagDesign& design) {
        return design.TypeOfPageRadioGroupClick(TypeOfPageRadioGroup->itemIndex());
    });
    connect(TypeOfPageRadioGroup, &RadioGroup::clicked, this, &ControlPage::shapeChosen);
    // The copies print with the sheet; choosing them asks for no redraw.
    changeOn(editor_, CopiesUpDown, &UpDown::clicked, this, [this](TagDesign& design) {
        design.setCopies(CopiesUpDown->position());
        return Redraw::None;
    });
    connect(PrinterSetupButton, &QPushButton::clicked, this, &ControlPage::printerSetupAsked);
    connect(PreviewButton, &QPushButton::clicked, this, &ControlPage::previewSheetAsked);
    connect(PrintButton, &QPushButton::clicked, this, &ControlPage::printAsked);
    connect(PreviewTesselButton, &QPushButton::clicked, this, &ControlPage::previewTagsAsked);
    connect(CuttingMarksComboBox, &QComboBox::currentIndexChanged, this, [this](int marks) {
        if (marks >= 0) {
            emit cuttingMarksChosen(marks);
        }
    });
    connect(CalibratePrinterButton, &QPushButton::clicked, this, &ControlPage::calibrationAsked);
}

void ControlPage::showDesign(const TagDesign& design) {
    const QSignalBlocker shape(TypeOfPageRadioGroup);
    const QSignalBlocker marks(CuttingMarksComboBox);
    TypeOfPageRadioGroup->setItemIndex(design.settings().shapeIndex);
    CopiesUpDown->setPosition(design.printer().copies);
    CuttingMarksComboBox->setCurrentIndex(static_cast<int>(design.cuttingMarks()));
}

bool ControlPage::showsChange(const DesignChange& change) {
    return change.changedAny(
        {DesignAspect::Shape, DesignAspect::Copies, DesignAspect::CuttingMarks});
}

int ControlPage::copies() const {
    return CopiesUpDown->position();
}

void ControlPage::addHelpRules(HelpStepRules& rules) const {
    rules.onFocusEntering(TypeOfPageRadioGroup, kHelpSelectShape);
    rules.onMouseOver(PrinterSetupButton, kHelpPrinterSetup);
    rules.onMouseOver(PreviewButton, kHelpPreviewSheet);
    rules.onMouseOver(PrintButton, kHelpPrint);
}

void ControlPage::offerSheetCommands(bool sheetWanted, bool printingConnected) {
    PreviewButton->setEnabled(sheetWanted);
    PrintButton->setEnabled(sheetWanted && printingConnected);
}

void ControlPage::offerPrinting(bool sheetWanted) {
    PrinterSetupButton->setEnabled(true);
    PrintButton->setEnabled(sheetWanted);
}

void ControlPage::lockSheetCommands() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             Label2, CopiesEdit, CopiesUpDown, PreviewTesselButton, PreviewButton, PrintButton}) {
        control->setEnabled(false);
    }
}

void ControlPage::unlockSheetCommands(bool printingConnected) {
    for (QWidget* control : std::initializer_list<QWidget*>{Label2, CopiesEdit, CopiesUpDown,
                                                            PreviewButton, PreviewTesselButton}) {
        control->setEnabled(true);
    }
    PrintButton->setEnabled(printingConnected);
}

void ControlPage::setPrinterSetupEnabled(bool enabled) {
    PrinterSetupButton->setEnabled(enabled);
}

void ControlPage::setShapeEnabled(bool enabled) {
    TypeOfPageRadioGroup->setEnabled(enabled);
}

// A caption over two lines beside a drop-down: the page has little room left.
QLayout* ControlPage::buildCuttingMarksChoice() {
    QWidget* page = this;
    CuttingMarksLabel = new QLabel(QStringLiteral("Mar&ks for cutting machine"), page);
    CuttingMarksLabel->setObjectName(QStringLiteral("CuttingMarksLabel"));
    CuttingMarksLabel->setWordWrap(true);
    CuttingMarksComboBox = new QComboBox(page);
    CuttingMarksComboBox->setObjectName(QStringLiteral("CuttingMarksComboBox"));
    // In the order of CuttingMarks.
    CuttingMarksComboBox->addItems(
        {QStringLiteral("None"), QStringLiteral("3-mark"), QStringLiteral("4-mark")});
    CuttingMarksLabel->setBuddy(CuttingMarksComboBox);
    for (QWidget* widget :
         {static_cast<QWidget*>(CuttingMarksLabel), static_cast<QWidget*>(CuttingMarksComboBox)}) {
        setHint(widget,
                QStringLiteral("Prints marks in the corners of the sheet for a cutting machine's "
                               "camera, so that it cuts each tag along its printed line; save the "
                               "cuts with \"Save Cut File...\" on the File menu."));
    }
    auto* row = new QHBoxLayout;
    row->addWidget(CuttingMarksLabel, 1);
    row->addWidget(CuttingMarksComboBox);
    return row;
}

} // namespace veltmoor
