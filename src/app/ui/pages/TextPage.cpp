#include "app/ui/pages/TextPage.h"

#include "app/ui/DesignEditor.h"
#include "app/ui/HelpStepRules.h"
#include "app/ui/HintTracker.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/DesignChange.h"
#include "design/TagDesign.h"
#include "render/TagSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

TextPage::TextPage(DesignEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("TextTabSheet"));
    auto* page = this;
    auto* layout = new QVBoxLayout(page);
    compact(layout);

    auto* corner = makeGroup(QStringLiteral("ValueGroupBox"), QStringLiteral("Corner Text "), page);
    auto* cornerLayout = new QGridLayout(corner);
    compact(cornerLayout);
    ValueEdit = new QLineEdit(corner);
    ValueEdit->setObjectName(QStringLiteral("ValueEdit"));
    setHint(ValueEdit, QStringLiteral("This text will print in the selected corner,  may be any "
                                      "text, example \"Aug 17, 2002\".  Enter spaces before or "
                                      "after as needed to place in the tag."));
    FontButton = makeButton(QStringLiteral("FontButton"), QStringLiteral("Select &Font"), corner);
    setHint(FontButton, QStringLiteral("Select the font and size to use for the text"));
    SelectValueColorButton = makeButton(QStringLiteral("SelectValueColorButton"),
                                        QStringLiteral("Select &Color"), corner);
    setHint(SelectValueColorButton, QStringLiteral("Select the color to use for the text."));
    ValueRadioGroup = makeRadioGroup(
        QStringLiteral("ValueRadioGroup"), QStringLiteral("Corner to Place Value"),
        {QStringLiteral("UL"), QStringLiteral("LL"), QStringLiteral("UR"), QStringLiteral("LR")}, 2,
        corner);
    ValueRadioGroup->setItemIndex(kCornerUR);
    setHint(ValueRadioGroup, QStringLiteral("Selects the corner to place the text"));
    cornerLayout->addWidget(ValueEdit, 0, 0, 1, 2);
    cornerLayout->addWidget(FontButton, 1, 0);
    cornerLayout->addWidget(SelectValueColorButton, 1, 1);
    cornerLayout->addWidget(ValueRadioGroup, 2, 0, 1, 2);
    layout->addWidget(corner);

    auto* edge = makeGroup(QStringLiteral("TextGroupBox"), QStringLiteral("Text for Tag"), page);
    auto* edgeLayout = new QGridLayout(edge);
    compact(edgeLayout);
    TextEdit = new QLineEdit(edge);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    setHint(TextEdit, QStringLiteral("The text will be placed on the selected edge, centered if "
                                     "the corner text is not on the same edge, and aligned to the "
                                     "corner text if it is on the same edge."));
    TextSelectButton =
        makeButton(QStringLiteral("TextSelectButton"), QStringLiteral("Select F&ont"), edge);
    setHint(TextSelectButton, QStringLiteral("Selects font and size for the text."));
    SelectTextColorButton =
        makeButton(QStringLiteral("SelectTextColorButton"), QStringLiteral("Select Co&lor"), edge);
    setHint(SelectTextColorButton, QStringLiteral("Selects the color for the text."));
    EdgeRadioGroup =
        makeRadioGroup(QStringLiteral("EdgeRadioGroup"), QStringLiteral("Edge to Place Text"),
                       {QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Left"),
                        QStringLiteral("Right")},
                       2, edge);
    EdgeRadioGroup->setItemIndex(kEdgeRight);
    setHint(EdgeRadioGroup,
            QStringLiteral("Will place the text at the top, bottom, or vertical on the left or "
                           "right side.  Aligns to the corner text if on same edge."));
    edgeLayout->addWidget(TextEdit, 0, 0, 1, 2);
    edgeLayout->addWidget(TextSelectButton, 1, 0);
    edgeLayout->addWidget(SelectTextColorButton, 1, 1);
    edgeLayout->addWidget(EdgeRadioGroup, 2, 0, 1, 2);
    layout->addWidget(edge);
    layout->addStretch(1);

    connectControls();
}

// Showing the design blocks the controls' signals, so only the user's changes get here.
void TextPage::connectControls() {
    const auto onTyped = [this](QLineEdit* field, Redraw (TagDesign::*typed)(const QString&)) {
        connect(field, &QLineEdit::textChanged, this, [this, field, typed](const QString& text) {
            editor_.change(field, [&](TagDesign& design) { return (design.*typed)(text); });
        });
    };
    const auto onClick = [this](auto* control, auto signal, auto change) {
        changeOn(editor_, control, signal, this, change);
    };
    onTyped(ValueEdit, &TagDesign::ValueEditChange);
    onTyped(TextEdit, &TagDesign::TextEditChange);
    onClick(ValueRadioGroup, &RadioGroup::clicked, [this](TagDesign& design) {
        design.setValuePlace(ValueRadioGroup->itemIndex());
        return Redraw::Scheduled;
    });
    onClick(EdgeRadioGroup, &RadioGroup::clicked, [this](TagDesign& design) {
        design.setEdgePlace(EdgeRadioGroup->itemIndex());
        return Redraw::Scheduled;
    });
    onClick(FontButton, &QPushButton::clicked, [this](TagDesign& design) {
        return askFont(editor_.prompts(), design, TextPart::Value);
    });
    onClick(TextSelectButton, &QPushButton::clicked, [this](TagDesign& design) {
        return askFont(editor_.prompts(), design, TextPart::Edge);
    });
    onClick(SelectValueColorButton, &QPushButton::clicked, [this](TagDesign& design) {
        return askColor(editor_.prompts(), design, design.colorChoices().value,
                        &TagDesign::SetValueColor);
    });
    onClick(SelectTextColorButton, &QPushButton::clicked, [this](TagDesign& design) {
        return askColor(editor_.prompts(), design, design.colorChoices().text,
                        &TagDesign::SetTextColor);
    });
}

void TextPage::showDesign(const TagDesign& design) {
    const QSignalBlocker corner(ValueRadioGroup);
    const QSignalBlocker edge(EdgeRadioGroup);
    const QSignalBlocker cornerText(ValueEdit);
    const QSignalBlocker edgeText(TextEdit);
    ValueRadioGroup->setItemIndex(design.settings().valuePlace);
    EdgeRadioGroup->setItemIndex(design.settings().edgePlace);
    // Only a text that differs is written, so that the cursor stays where the user typed.
    if (ValueEdit->text() != design.valueEditText()) {
        ValueEdit->setText(design.valueEditText());
    }
    if (TextEdit->text() != design.textEditText()) {
        TextEdit->setText(design.textEditText());
    }
}

bool TextPage::showsChange(const DesignChange& change) {
    return change.changedAny({DesignAspect::CornerTextField, DesignAspect::TagTextField,
                              DesignAspect::CornerTextPlace, DesignAspect::TagTextPlace});
}

void TextPage::addHelpRules(HelpStepRules& rules) const {
    rules.onMouseOver(ValueEdit, window::kHelpChangeText);
    rules.onMouseOver(TextEdit, window::kHelpChangeText);
}

} // namespace veltmoor
