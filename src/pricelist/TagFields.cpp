#include "pricelist/TagFields.h"

namespace veltmoor {

namespace {

const QString kFieldOpen = QStringLiteral("${");
const QChar kFieldClose = QLatin1Char('}');

// Calls field(name, start, end) for each field of the text; [start, end) is the whole field.
void forEachField(const QString& text,
                  const std::function<void(const QString&, qsizetype, qsizetype)>& field) {
    qsizetype from = 0;
    while (true) {
        const qsizetype start = text.indexOf(kFieldOpen, from);
        if (start < 0) {
            return;
        }
        const qsizetype close = text.indexOf(kFieldClose, start + kFieldOpen.size());
        if (close < 0) {
            return;
        }
        field(text.mid(start + kFieldOpen.size(), close - start - kFieldOpen.size()), start,
              close + 1);
        from = close + 1;
    }
}

} // namespace

QStringList fieldNamesIn(const QString& text) {
    QStringList names;
    forEachField(text, [&](const QString& name, qsizetype, qsizetype) {
        if (!names.contains(name)) {
            names << name;
        }
    });
    return names;
}

QStringList fieldNamesOf(const img& slot) {
    QStringList names;
    for (const QString* text : fieldTexts(slot)) {
        for (const QString& name : fieldNamesIn(*text)) {
            if (!names.contains(name)) {
                names << name;
            }
        }
    }
    return names;
}

QString substituteFields(const QString& text, const std::function<QString(const QString&)>& value) {
    QString filled;
    qsizetype copied = 0;
    forEachField(text, [&](const QString& name, qsizetype start, qsizetype end) {
        filled += QStringView(text).mid(copied, start - copied);
        filled += value(name);
        copied = end;
    });
    filled += QStringView(text).mid(copied);
    return filled;
}

void substituteFields(img& slot, const std::function<QString(const QString&)>& value) {
    for (QString* text : fieldTexts(slot)) {
        *text = substituteFields(*text, value);
    }
}

} // namespace veltmoor
