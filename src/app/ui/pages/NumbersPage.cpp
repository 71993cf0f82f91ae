#include "app/ui/pages/NumbersPage.h"

#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"

#include <QLayout>
#include <QLineEdit>

namespace veltmoor {

NumericField* NumbersPage::addNumber(Number number, QLineEdit* edit, UpDown* upDown) {
    const TypedNumber unit = std::holds_alternative<PercentField>(number) ? TypedNumber::Percent
                                                                          : TypedNumber::Hundredths;
    auto* field = new NumericField(edit, upDown, unit, this);
    fields_[number] = field;
    connect(field, &NumericField::typed, this,
            [this, number, field](const QString& text) { emit numberTyped(number, text, field); });
    connect(field, &NumericField::stepped, this,
            [this, number, field](int position) { emit numberStepped(number, position, field); });
    connect(field, &NumericField::leftOutOfRange, this,
            [this, number, field](const ValueOutOfRange& error) {
                emit numberLeftOutOfRange(number, error, field);
            });
    return field;
}

NumericField* NumbersPage::addNumberRow(Number number, const QString& editName,
                                        const QString& caption, const UpDownRange& range,
                                        int position, QLayout* layout, QWidget* parent) {
    QLineEdit* edit = window::makeEdit(editName, parent);
    QString upDownName = editName;
    upDownName.replace(QStringLiteral("Edit"), QStringLiteral("UpDown"));
    UpDown* upDown = window::makeUpDown(upDownName, range, position, parent);
    if (std::holds_alternative<PercentField>(number)) {
        upDown->setAssociate(edit);
    }
    layout->addWidget(window::fieldRow(caption, edit, upDown, parent));
    return addNumber(number, edit, upDown);
}

void NumbersPage::showNumber(Number number, int position, const QString& text) {
    fields_.at(number)->show(position, text);
}

void NumbersPage::stopTyping() {
    for (const auto& [number, field] : fields_) {
        field->stopTyping();
    }
}

} // namespace veltmoor
