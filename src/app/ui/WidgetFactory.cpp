#include "app/ui/WidgetFactory.h"

#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace veltmoor::window {

QAction* addMenuItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                     const QString& hint) {
    auto* item = new QAction(caption, menu);
    item->setObjectName(name);
    item->setProperty("hint", hint);
    menu->insertAction(before, item);
    return item;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* makeCheckBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* makeEdit(const QString& name, QWidget* parent, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    return edit;
}

UpDown* makeUpDown(const QString& name, const UpDownRange& range, int position, QWidget* parent) {
    auto* upDown = new UpDown(parent);
    upDown->setObjectName(name);
    upDown->setRange(range.min, range.max);
    upDown->setIncrement(range.increment);
    upDown->setPosition(position);
    return upDown;
}

RadioGroup* makeRadioGroup(const QString& name, const QString& caption, const QStringList& items,
                           int columns, QWidget* parent) {
    auto* group = new RadioGroup(caption, items, columns, parent);
    group->setObjectName(name);
    return group;
}

QGroupBox* makeGroup(const QString& name, const QString& caption, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    return group;
}

PictureBox* makeBox(const QString& name, int size, QWidget* parent) {
    auto* box = new PictureBox(size, size, parent);
    box->setObjectName(name);
    return box;
}

QWidget* fieldRow(const QString& caption, QLineEdit* edit, UpDown* upDown, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, row);
        label->setBuddy(edit);
        layout->addWidget(label, 1);
    }
    layout->addWidget(edit);
    layout->addWidget(upDown);
    if (caption.isEmpty()) {
        layout->addStretch(1);
    }
    return row;
}

void compact(QLayout* layout) {
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
}

} // namespace veltmoor::window
