#include "app/ui/TForm1.h"

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "design/NumericFields.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

QWidget* TForm1::buildTextBlockPage() {
    Text2TabSheet = new QWidget;
    Text2TabSheet->setObjectName(QStringLiteral("Text2TabSheet"));
    auto* page = Text2TabSheet;
    auto* layout = new QGridLayout(page);
    compact(layout);

    auto* memoLabel = new QLabel(QStringLiteral("Te&xt Block"), page);
    TextBlockMemo = new QPlainTextEdit(page);
    TextBlockMemo->setObjectName(QStringLiteral("TextBlockMemo"));
    TextBlockMemo->setFixedSize(273, 161);
    TextBlockMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextBlockMemo->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    TextBlockMemo->setTabChangesFocus(true);
    memoLabel->setBuddy(TextBlockMemo);
    layout->addWidget(memoLabel, 0, 0);
    layout->addWidget(TextBlockMemo, 1, 0, 3, 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    TextBlockMemoSelectFontButton = makeButton(QStringLiteral("TextBlockMemoSelectFontButton"),
                                               QStringLiteral("Select &Font"), page);
    Text1MemoSelectColorButton = makeButton(QStringLiteral("Text1MemoSelectColorButton"),
                                            QStringLiteral("Select &Color"), page);
    buttons->addWidget(TextBlockMemoSelectFontButton);
    buttons->addWidget(Text1MemoSelectColorButton);
    buttons->addStretch(1);
    layout->addLayout(buttons, 4, 0);

    Text1RadioGroup = makeRadioGroup(
        QStringLiteral("Text1RadioGroup"), QStringLiteral("Text Alignment"),
        {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, 3, page);
    layout->addWidget(Text1RadioGroup, 5, 0);

    auto* position = makeGroup(QStringLiteral("TextBlockPositionGroupBox"),
                               QStringLiteral("Position of Text Block on Tag"), page);
    auto* positionLayout = new QVBoxLayout(position);
    compact(positionLayout);
    TextBlockWidthOffsetEdit = makeEdit(QStringLiteral("TextBlockWidthOffsetEdit"), position);
    TextBlockWidthOffsetUpDown = makeUpDown(QStringLiteral("TextBlockWidthOffsetUpDown"),
                                            kTextBlockOffsetRange, 30, position);
    TextBlockWidthOffsetUpDown->setAssociate(TextBlockWidthOffsetEdit);
    TextBlockHeightOffsetEdit = makeEdit(QStringLiteral("TextBlockHeightOffsetEdit"), position);
    TextBlockHeightOffsetUpDown = makeUpDown(QStringLiteral("TextBlockHeightOffsetUpDown"),
                                             kTextBlockOffsetRange, 90, position);
    TextBlockHeightOffsetUpDown->setAssociate(TextBlockHeightOffsetEdit);
    auto* widthLabel = new QLabel(QStringLiteral("Text Block &Width Offset (%)"), position);
    widthLabel->setBuddy(TextBlockWidthOffsetEdit);
    auto* heightLabel = new QLabel(QStringLiteral("Text Block &Height Offset (%)"), position);
    heightLabel->setBuddy(TextBlockHeightOffsetEdit);
    positionLayout->addWidget(widthLabel);
    positionLayout->addWidget(
        fieldRow(QString(), TextBlockWidthOffsetEdit, TextBlockWidthOffsetUpDown, position));
    positionLayout->addWidget(heightLabel);
    positionLayout->addWidget(
        fieldRow(QString(), TextBlockHeightOffsetEdit, TextBlockHeightOffsetUpDown, position));
    TextBlockPositionRadioGroup = makeRadioGroup(
        QStringLiteral("TextBlockPositionRadioGroup"), QStringLiteral("Pick Position from Image"),
        {QStringLiteral("At current position"), QStringLiteral("Click at position")}, 1, position);
    TextBlockPositionRadioGroup->setItemIndex(0);
    setHint(TextBlockPositionRadioGroup,
            QStringLiteral("Select \"Click at Position\" to move the \"Text Block\" to different "
                           "locations on the tag."));
    positionLayout->addWidget(TextBlockPositionRadioGroup);
    layout->addWidget(position, 1, 1, 5, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(6, 1);
    return page;
}

} // namespace veltmoor
