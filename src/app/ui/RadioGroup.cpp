#include "app/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace veltmoor {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(0);
    const int columnCount = columns < 1 ? 1 : columns;
    const int rows = (static_cast<int>(items.size()) + columnCount - 1) / columnCount;
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items[index], this);
        button->setObjectName(QStringLiteral("item%1").arg(index));
        group_->addButton(button, index);
        // Items run down the first column, then the next, as the captions were laid out.
        layout->addWidget(button, index % rows, index / rows);
        buttons_.push_back(button);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            chosen(index);
        }
    });
}

void RadioGroup::setItemIndex(int index) {
    if (index == itemIndex_) {
        return;
    }
    if (index < 0 || index >= count()) {
        // No item chosen: the exclusive group cannot uncheck its last button by itself.
        group_->setExclusive(false);
        for (QRadioButton* button : buttons_) {
            button->setChecked(false);
        }
        group_->setExclusive(true);
        itemIndex_ = -1;
        emit clicked();
        return;
    }
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

QString RadioGroup::item(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)]->text()
                                         : QString();
}

QRadioButton* RadioGroup::button(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void RadioGroup::chosen(int index) {
    if (index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    emit clicked();
}

} // namespace veltmoor
