#include "app/ui/pages/TextBlockPage.h"

#include "app/ui/DesignEditor.h"
#include "app/ui/HelpStepRules.h"
#include "app/ui/HintTracker.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/ColorPicking.h"
#include "design/DesignChange.h"
#include "design/MemoLines.h"
#include "design/TagDesign.h"
#include <QLineEdit>

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

TextBlockPage::TextBlockPage(DesignEditor& editor, QWidget* parent)
    : NumbersPage(parent), editor_(editor) {
    setObjectName(QStringLiteral("Text2TabSheet"));
    auto* layout = new QGridLayout(this);
    compact(layout);

    auto* memoLabel = new QLabel(QStringLiteral("Te&xt Block"), this);
    TextBlockMemo = new QPlainTextEdit(this);
    TextBlockMemo->setObjectName(QStringLiteral("TextBlockMemo"));
    TextBlockMemo->setFixedSize(273, 161);
    TextBlockMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextBlockMemo->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    TextBlockMemo->setTabChangesFocus(true);
    TextBlockMemo->installEventFilter(this);
    memoLabel->setBuddy(TextBlockMemo);
    layout->addWidget(memoLabel, 0, 0);
    layout->addWidget(TextBlockMemo, 1, 0, 3, 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    TextBlockMemoSelectFontButton = makeButton(QStringLiteral("TextBlockMemoSelectFontButton"),
                                               QStringLiteral("Select &Font"), this);
    Text1MemoSelectColorButton = makeButton(QStringLiteral("Text1MemoSelectColorButton"),
                                            QStringLiteral("Select &Color"), this);
    buttons->addWidget(TextBlockMemoSelectFontButton);
    buttons->addWidget(Text1MemoSelectColorButton);
    buttons->addStretch(1);
    layout->addLayout(buttons, 4, 0);

    Text1RadioGroup = makeRadioGroup(
        QStringLiteral("Text1RadioGroup"), QStringLiteral("Text Alignment"),
        {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, 3, this);
    layout->addWidget(Text1RadioGroup, 5, 0);
    layout->addWidget(buildPosition(), 1, 1, 5, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(6, 1);

    connect(TextBlockMemo, &QPlainTextEdit::textChanged, this, [this] {
        emit textTyped(textBlockFromMemo(TextBlockMemo->toPlainText()), TextBlockMemo);
    });
    connectDesignChanges();
    connect(TextBlockPositionRadioGroup, &RadioGroup::clicked, this, [this] {
        emit positionPickChosen(TextBlockPositionRadioGroup->itemIndex() == kClickAtPosition);
    });
}

// Showing the design blocks the controls' signals, so only the user's changes get here.
void TextBlockPage::connectDesignChanges() {
    changeOn(editor_, TextBlockMemoSelectFontButton, &QPushButton::clicked, this,
             [this](TagDesign& design) {
                 return askFont(editor_.prompts(), design, TextPart::TextBlock);
             });
    changeOn(editor_, Text1MemoSelectColorButton, &QPushButton::clicked, this,
             [this](TagDesign& design) {
                 return askColor(editor_.prompts(), design, design.colorChoices().textBlock,
                                 &TagDesign::SetTextBlockColor);
             });
    // A new alignment shows at the next redraw; choosing it asks for none.
    changeOn(editor_, Text1RadioGroup, &RadioGroup::clicked, this, [this](TagDesign& design) {
        design.setTextBlockAlignment(Text1RadioGroup->itemIndex());
        return Redraw::None;
    });
}

QWidget* TextBlockPage::buildPosition() {
    auto* position = makeGroup(QStringLiteral("TextBlockPositionGroupBox"),
                               QStringLiteral("Position of Text Block on Tag"), this);
    auto* layout = new QVBoxLayout(position);
    compact(layout);
    auto* widthLabel = new QLabel(QStringLiteral("Text Block &Width Offset (%)"), position);
    layout->addWidget(widthLabel);
    NumericField* width =
        addNumberRow(PercentField::TextBlockWidthOffset, QStringLiteral("TextBlockWidthOffsetEdit"),
                     QString(), kTextBlockOffsetRange, 30, layout, position);
    widthLabel->setBuddy(width->edit());
    auto* heightLabel = new QLabel(QStringLiteral("Text Block &Height Offset (%)"), position);
    layout->addWidget(heightLabel);
    NumericField* height = addNumberRow(PercentField::TextBlockHeightOffset,
                                        QStringLiteral("TextBlockHeightOffsetEdit"), QString(),
                                        kTextBlockOffsetRange, 90, layout, position);
    heightLabel->setBuddy(height->edit());
    TextBlockPositionRadioGroup = makeRadioGroup(
        QStringLiteral("TextBlockPositionRadioGroup"), QStringLiteral("Pick Position from Image"),
        {QStringLiteral("At current position"), QStringLiteral("Click at position")}, 1, position);
    TextBlockPositionRadioGroup->setItemIndex(kAtCurrentPosition);
    setHint(TextBlockPositionRadioGroup,
            QStringLiteral("Select \"Click at Position\" to move the \"Text Block\" to different "
                           "locations on the tag."));
    layout->addWidget(TextBlockPositionRadioGroup);
    return position;
}

bool TextBlockPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TextBlockMemo && event->type() == QEvent::FocusIn) {
        emit entered(TextBlockMemo);
    } else if (watched == TextBlockMemo && event->type() == QEvent::FocusOut) {
        emit left(TextBlockMemo);
    }
    return NumbersPage::eventFilter(watched, event);
}

bool TextBlockPage::showsChange(const DesignChange& change) {
    using A = DesignAspect;
    return change.changedAny({A::TextBlockField, A::TextBlockAlignment, A::TextBlockPosition});
}

void TextBlockPage::showDesign(const TagDesign& design) {
    const QSignalBlocker alignment(Text1RadioGroup);
    Text1RadioGroup->setItemIndex(design.settings().textBlockAlignment);
    showNumber(PercentField::TextBlockWidthOffset, design.settings().textBlockWidthOffset);
    showNumber(PercentField::TextBlockHeightOffset, design.settings().textBlockHeightOffset);
    // Only a text that differs is written, so that the cursor stays where the user typed.
    const QString shown = memoFromTextBlock(design.memoText());
    if (TextBlockMemo->toPlainText() != shown) {
        const QSignalBlocker memo(TextBlockMemo);
        TextBlockMemo->setPlainText(shown);
    }
}

void TextBlockPage::showPositionPick(bool byClick) {
    const QSignalBlocker block(TextBlockPositionRadioGroup);
    TextBlockPositionRadioGroup->setItemIndex(byClick ? kClickAtPosition : kAtCurrentPosition);
}

void TextBlockPage::addHelpRules(HelpStepRules& rules) {
    rules.onFocusEntering(this, kHelpTextBlockTab);
    rules.onMouseOver(TextBlockMemo, kHelpChangeText);
}

} // namespace veltmoor
