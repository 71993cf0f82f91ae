#include "app/cli/DesignDescription.h"

#include "setupfile/SetupFileFormat.h"

#include <QStringList>

namespace veltmoor {

namespace {

QString jsonString(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar character : text) {
        switch (character.unicode()) {
        case '"':
            quoted += QStringLiteral("\\\"");
            break;
        case '\\':
            quoted += QStringLiteral("\\\\");
            break;
        case '\n':
            quoted += QStringLiteral("\\n");
            break;
        case '\r':
            quoted += QStringLiteral("\\r");
            break;
        case '\t':
            quoted += QStringLiteral("\\t");
            break;
        default:
            if (character.unicode() < 0x20) {
                quoted += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                quoted += character;
            }
        }
    }
    return quoted + QLatin1Char('"');
}

// Colours as the design file writes them: system colours are negative.
QString colorNumber(TColor color) {
    return QString::number(static_cast<std::int32_t>(color));
}

QString slotObject(int slot, const img& record) {
    const QStringList fields = {
        QStringLiteral("\"slot\": %1").arg(slot),
        QStringLiteral("\"FileName\": %1").arg(jsonString(record.FileName)),
        QStringLiteral("\"PictureWidth\": %1").arg(record.PictureWidth),
        QStringLiteral("\"PictureHeight\": %1").arg(record.PictureHeight),
        QStringLiteral("\"AspectPermille\": %1").arg(record.AspectPermille),
        QStringLiteral("\"SourceFileName\": %1").arg(jsonString(record.SourceFileName)),
        QStringLiteral("\"ValueText\": %1").arg(jsonString(record.ValueText)),
        QStringLiteral("\"EdgeText\": %1").arg(jsonString(record.EdgeText)),
        QStringLiteral("\"TextBlockText\": %1").arg(jsonString(record.TextBlockText)),
        QStringLiteral("\"ValueColor\": %1").arg(colorNumber(record.ValueColor)),
        QStringLiteral("\"TextColor\": %1").arg(colorNumber(record.TextColor)),
        QStringLiteral("\"TextBlockColor\": %1").arg(colorNumber(record.TextBlockColor)),
        QStringLiteral("\"BackgroundColor\": %1").arg(colorNumber(record.BackgroundColor)),
        QStringLiteral("\"CutLineColor\": %1").arg(colorNumber(record.CutLineColor)),
        QStringLiteral("\"ImageSize\": %1").arg(record.ImageSize),
        QStringLiteral("\"ImageHorizontalOffset\": %1").arg(record.ImageHorizontalOffset),
        QStringLiteral("\"ImageVerticalOffset\": %1").arg(record.ImageVerticalOffset),
        QStringLiteral("\"ColoringType\": %1").arg(record.ColoringType),
        QStringLiteral("\"ColoringColor\": %1").arg(colorNumber(record.ColoringColor)),
        QStringLiteral("\"Barcode\": {\"symbology\": %1, \"data\": %2, \"placement\": %3, "
                       "\"moduleDots\": %4, \"height\": %5}")
            .arg(jsonString(symbologyName(record.barcode.symbology)),
                 jsonString(record.barcode.data),
                 jsonString(placementName(record.barcode.placement)))
            .arg(record.barcode.moduleDots)
            .arg(inchText(record.barcode.heightHundredths)),
    };
    return QStringLiteral("    {") + fields.join(QStringLiteral(", ")) + QLatin1Char('}');
}

// A setting line is its value, a blank and its key; names and styles are quoted.
QString settingMember(const QString& line) {
    const qsizetype blank = line.lastIndexOf(QLatin1Char(' '));
    const QString key = line.mid(blank + 1);
    const QString value = line.left(std::max<qsizetype>(blank, 0));
    QString json;
    bool isNumber = false;
    value.toLongLong(&isNumber);
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
        value.endsWith(QLatin1Char('"'))) {
        json = jsonString(value.mid(1, value.size() - 2));
    } else if (isNumber) {
        json = value;
    } else {
        json = jsonString(value);
    }
    return QStringLiteral("    %1: %2").arg(jsonString(key), json);
}

} // namespace

QString describeDesignAsJson(const TagDesign& design) {
    QStringList slotTexts;
    qsizetype slotLines = 0;
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        const img& record = design.slot(slot);
        slotTexts << slotObject(slot, record);
        slotLines += record.FileName.isEmpty() ? 0 : 1;
    }
    // The settings are every line after the slot lines: the 36 and the optional ones after.
    const QStringList lines = setupFileLines(design);
    QStringList settings;
    for (qsizetype index = slotLines; index < lines.size(); ++index) {
        // The codes are told with their slots above.
        if (!lines.at(index).endsWith(QLatin1String(" Barcode"))) {
            settings << settingMember(lines.at(index));
        }
    }
    return QStringLiteral("{\n  \"slots\": [\n") + slotTexts.join(QStringLiteral(",\n")) +
           QStringLiteral("\n  ],\n  \"settings\": {\n") + settings.join(QStringLiteral(",\n")) +
           QStringLiteral("\n  }\n}\n");
}

} // namespace veltmoor
