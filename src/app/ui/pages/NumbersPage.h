#pragma once

#include "app/ui/NumericField.h"

#include <QWidget>

class QLayout;

#include <map>

namespace veltmoor {

// A page holding numbers the user types or steps (`NumericField`). It passes on what the
// user does to them, each marked with its number, so that the window handles every number
// of every page alike.
class NumbersPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // What is being typed into the sizes' edits gives way to the number in use at the next
    // showing: after an arrow, a preset, Undo or another design.
    void stopTyping();

signals:
    void numberTyped(Number number, const QString& text, NumericField* field);
    void numberStepped(Number number, int position, NumericField* field);
    void numberLeftOutOfRange(Number number, const ValueOutOfRange& error, NumericField* field);

protected:
    // Watches the page's edit and up-down as `number`.
    NumericField* addNumber(Number number, QLineEdit* edit, UpDown* upDown);
    // Makes `number`'s edit (named `editName`) and up-down (the same name ending in "UpDown"
    // for "Edit") in one row after `caption`, and watches them. A percent's up-down writes
    // its edit.
    NumericField* addNumberRow(Number number, const QString& editName, const QString& caption,
                               const UpDownRange& range, int position, QLayout* layout,
                               QWidget* parent);
    void showNumber(Number number, int position, const QString& text = QString());

private:
    std::map<Number, NumericField*> fields_;
};

} // namespace veltmoor
