#pragma once

#include "render/SlotRecord.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace veltmoor {

// A price list fills a slot's texts from a table: `${column}` stands for the row's cell in
// that column, `${n}` for the tag's running number.
inline const QString kRunningNumberField = QStringLiteral("n");

// The texts of a slot that take fields. Another text that should take them is added here.
template <typename Slot> auto fieldTexts(Slot& slot) {
    return std::array{&slot.ValueText, &slot.EdgeText, &slot.TextBlockText, &slot.barcode.data};
}

// The names of the fields in the text, in order, each once. A `${` without its `}` is text.
QStringList fieldNamesIn(const QString& text);

// The names of the fields in every text of the slot that takes them, each once.
QStringList fieldNamesOf(const img& slot);

// The text with each field replaced by value(name).
QString substituteFields(const QString& text, const std::function<QString(const QString&)>& value);

// Every text of the slot that takes fields, with its fields replaced by value(name).
void substituteFields(img& slot, const std::function<QString(const QString&)>& value);

} // namespace veltmoor
