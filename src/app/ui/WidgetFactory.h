#pragma once

#include "design/NumericFields.h"

#include <QString>
#include <QStringList>

class QAction;
class QCheckBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace veltmoor {

class PictureBox;
class RadioGroup;
class UpDown;

// Every control of the window is made here with its name as its objectName, so that the
// pages read as lists of controls and tests find each one by name.
namespace window {

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent);
QCheckBox* makeCheckBox(const QString& name, const QString& caption, QWidget* parent);
QLineEdit* makeEdit(const QString& name, QWidget* parent, int width = 40);
UpDown* makeUpDown(const QString& name, const UpDownRange& range, int position, QWidget* parent);
RadioGroup* makeRadioGroup(const QString& name, const QString& caption, const QStringList& items,
                           int columns, QWidget* parent);
QGroupBox* makeGroup(const QString& name, const QString& caption, QWidget* parent);
PictureBox* makeBox(const QString& name, int size, QWidget* parent);
// An item of the menu before `before`, with the hint the hint line shows for it.
QAction* addMenuItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                     const QString& hint);

// One edit with its up-down, and a caption beside them (none when empty).
QWidget* fieldRow(const QString& caption, QLineEdit* edit, UpDown* upDown, QWidget* parent);

// The window packs many controls into little room: narrow margins and spacing.
void compact(QLayout* layout);

} // namespace window
} // namespace veltmoor
