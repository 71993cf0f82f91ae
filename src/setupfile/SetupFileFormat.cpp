#include "setupfile/SetupFileFormat.h"

#include "design/NumericFields.h"
#include "design/PicturePaths.h"
#include "platform/Errors.h"
#include "render/BarcodeDrawing.h"

#include <climits>
#include <cstdint>

namespace veltmoor {

namespace {

// A text that would break its line (a line break) or end its field early (a double quote
// followed by a comma) is written as a marked field: an asterisk before the opening quote,
// and '%', '"' and the control characters as %XX. Every other text is written as it is,
// so files without such texts read exactly as they always have.
const QString kMarkedFieldStart = QStringLiteral("*\"");

bool needsMarkedField(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1String("\","));
}

QString markedFieldContent(const QString& text) {
    QString encoded;
    encoded.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code < 0x20 || code == u'%' || code == u'"') {
            encoded += QStringLiteral("%%1")
                           .arg(static_cast<int>(code), 2, 16, QLatin1Char('0'))
                           .toUpper();
        } else {
            encoded.append(character);
        }
    }
    return encoded;
}

QString textField(const QString& text) {
    if (needsMarkedField(text)) {
        return kMarkedFieldStart + markedFieldContent(text) + QLatin1Char('"');
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString colorNumber(TColor color) {
    return QString::number(static_cast<std::int32_t>(color));
}

QString styleValue(const FontStyle& style) {
    const bool decorated = style.underline || style.strikeOut;
    if (!decorated && style.bold && !style.italic) {
        return QStringLiteral("Bold ");
    }
    if (!decorated && !style.bold && style.italic) {
        return QStringLiteral("Italic ");
    }
    if (!decorated && style.bold && style.italic) {
        return QStringLiteral("BoldItalic ");
    }
    return QString();
}

QString onOff(bool checked) {
    return checked ? QStringLiteral("on") : QStringLiteral("off");
}

constexpr const char* kCuttingMarksKey = "CuttingMarks";
constexpr const char* kBarcodeKey = "Barcode";
constexpr const char* kPaperKey = "PrinterPaper";
constexpr const char* kPriceListKey = "PriceList";

QString settingLine(const QString& value, const char* key) {
    return value + QLatin1Char(' ') + QLatin1String(key);
}

QString quotedSettingLine(const QString& value, const char* key) {
    return QLatin1Char('"') + value + QStringLiteral("\" ") + QLatin1String(key);
}

void appendFontLines(QStringList& lines, const Font& font, const char* nameKey, const char* sizeKey,
                     const char* colorKey, const char* styleKey) {
    lines << quotedSettingLine(font.name, nameKey)
          << settingLine(QString::number(font.sizePoints), sizeKey)
          << settingLine(colorNumber(font.color), colorKey)
          << quotedSettingLine(styleValue(font.style), styleKey);
}

// ----- reading ------------------------------------------------------------------------

class LineError {
public:
    LineError(const QString& fileName, int lineNumber)
        : fileName_(fileName), lineNumber_(lineNumber) {}

    [[noreturn]] void fail(const QString& what) const {
        throw UserError(
            QStringLiteral("%1, line %2: %3").arg(fileName_).arg(lineNumber_).arg(what));
    }

private:
    QString fileName_;
    int lineNumber_;
};

bool parseInteger(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
}

// Reads one tag line from the left, field by field.
class SlotLineReader {
public:
    SlotLineReader(const QString& line, const LineError& error) : line_(line), error_(error) {}

    void skip(qsizetype count) { position_ += count; }

    QString text(const char* what) {
        if (line_.mid(position_).startsWith(kMarkedFieldStart)) {
            const qsizetype start = position_ + kMarkedFieldStart.size();
            const qsizetype end = line_.indexOf(QLatin1Char('"'), start);
            if (end < 0) {
                endsEarly(what);
            }
            const QString content = line_.mid(start, end - start);
            position_ = end + 1;
            expectComma(what);
            return decodeMarked(content, what);
        }
        if (position_ >= line_.size() || line_.at(position_) != QLatin1Char('"')) {
            error_.fail(QStringLiteral("the %1 does not begin with a double quote.")
                            .arg(QLatin1String(what)));
        }
        const qsizetype start = position_ + 1;
        const qsizetype end = line_.indexOf(QLatin1String("\","), start);
        if (end < 0) {
            endsEarly(what);
        }
        position_ = end + 2;
        return line_.mid(start, end - start);
    }

    int number(const char* what) {
        const qsizetype end = line_.indexOf(QLatin1Char(','), position_);
        if (end < 0) {
            endsEarly(what);
        }
        const QString field = line_.mid(position_, end - position_);
        position_ = end + 1;
        return checkedNumber(field, what);
    }

    int lastNumber(const char* what) { return checkedNumber(line_.mid(position_), what); }

private:
    [[noreturn]] void endsEarly(const char* what) const {
        error_.fail(QStringLiteral("the tag line ends at its %1, before all 18 fields.")
                        .arg(QLatin1String(what)));
    }

    void expectComma(const char* what) {
        if (position_ >= line_.size() || line_.at(position_) != QLatin1Char(',')) {
            endsEarly(what);
        }
        ++position_;
    }

    int checkedNumber(const QString& field, const char* what) const {
        int value = 0;
        if (!parseInteger(field, value)) {
            error_.fail(
                QStringLiteral("the %1 \"%2\" is not a number.").arg(QLatin1String(what), field));
        }
        return value;
    }

    QString decodeMarked(const QString& content, const char* what) const {
        QString text;
        text.reserve(content.size());
        for (qsizetype index = 0; index < content.size(); ++index) {
            if (content.at(index) != QLatin1Char('%')) {
                text.append(content.at(index));
                continue;
            }
            bool ok = false;
            const int code = content.mid(index + 1, 2).toInt(&ok, 16);
            if (!ok || index + 2 >= content.size()) {
                error_.fail(
                    QStringLiteral("the %1 has a damaged %-escape.").arg(QLatin1String(what)));
            }
            text.append(QChar(static_cast<char16_t>(code)));
            index += 2;
        }
        return text;
    }

    const QString& line_;
    const LineError& error_;
    qsizetype position_ = 0;
};

void requireRange(const LineError& error, int value, int min, int max, const char* what) {
    if (value < min || value > max) {
        error.fail(QStringLiteral("the %1 %2 is out of range (%3 to %4).")
                       .arg(QLatin1String(what))
                       .arg(value)
                       .arg(min)
                       .arg(max));
    }
}

SetupFileSlot parseSlotLine(const QString& line, const LineError& error) {
    SetupFileSlot result;
    const QChar digit = line.size() > 3 ? line.at(3) : QChar();
    if (digit < QLatin1Char('1') || digit > QLatin1Char('9')) {
        error.fail(
            QStringLiteral("\"%1\" names no tag; tag lines are Tag1 to Tag9.").arg(line.left(4)));
    }
    result.slot = digit.unicode() - u'0';
    if (line.size() < 5 || line.at(4) != QLatin1Char(',')) {
        error.fail(QStringLiteral("a comma must follow \"%1\".").arg(line.left(4)));
    }
    SlotLineReader reader(line, error);
    reader.skip(5);
    img& values = result.values;
    values.FileName = reader.text("picture file");
    values.PictureWidth = reader.number("picture width");
    values.PictureHeight = reader.number("picture height");
    values.AspectPermille = reader.number("picture aspect");
    values.SourceFileName = reader.text("original picture file");
    values.ValueText = reader.text("corner text");
    values.EdgeText = reader.text("edge text");
    values.TextBlockText = reader.text("text block");
    values.ValueColor = static_cast<TColor>(reader.number("corner text colour"));
    values.TextColor = static_cast<TColor>(reader.number("edge text colour"));
    values.TextBlockColor = static_cast<TColor>(reader.number("text block colour"));
    values.BackgroundColor = static_cast<TColor>(reader.number("background colour"));
    values.CutLineColor = static_cast<TColor>(reader.number("cut line colour"));
    values.ImageSize = reader.number("picture size");
    values.ImageHorizontalOffset = reader.number("horizontal picture offset");
    values.ImageVerticalOffset = reader.number("vertical picture offset");
    values.ColoringType = reader.number("colouring");
    values.ColoringColor = static_cast<TColor>(reader.lastNumber("colouring colour"));

    requireRange(error, values.PictureWidth, 0, INT_MAX, "picture width");
    requireRange(error, values.PictureHeight, 0, INT_MAX, "picture height");
    requireRange(error, values.AspectPermille, 0, INT_MAX, "picture aspect");
    requireRange(error, values.ImageSize, kImageSizeRange.min, kImageSizeRange.max, "picture size");
    requireRange(error, values.ImageHorizontalOffset, kImageOffsetRange.min, kImageOffsetRange.max,
                 "horizontal picture offset");
    requireRange(error, values.ImageVerticalOffset, kImageOffsetRange.min, kImageOffsetRange.max,
                 "vertical picture offset");
    if (values.ColoringType != kNotTinted) {
        requireRange(error, values.ColoringType, 0, 19, "colouring");
    }
    return result;
}

// The setting lines, each taken by its position; the key words are only for people.
class SettingLines {
public:
    SettingLines(const QStringList& lines, qsizetype first, const QString& fileName)
        : lines_(lines), first_(first), fileName_(fileName) {}

    LineError error(int settingNumber) const {
        return LineError(fileName_, static_cast<int>(first_) + settingNumber);
    }

    const QString& line(int settingNumber) const { return lines_.at(first_ + settingNumber - 1); }

    // The text before the line's first blank.
    QString value(int settingNumber) const {
        const QString& text = line(settingNumber);
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        return blank < 0 ? text : text.left(blank);
    }

    int number(int settingNumber, const char* what) const {
        int result = 0;
        if (!parseInteger(value(settingNumber), result)) {
            error(settingNumber)
                .fail(QStringLiteral("the %1 \"%2\" is not a number.")
                          .arg(QLatin1String(what), value(settingNumber)));
        }
        return result;
    }

    int index(int settingNumber, int count, const char* what) const {
        const int result = number(settingNumber, what);
        requireRange(error(settingNumber), result, 0, count - 1, what);
        return result;
    }

    // The text between the line's first two double quotes.
    QString quoted(int settingNumber, const char* what) const {
        const QString& text = line(settingNumber);
        const qsizetype open = text.indexOf(QLatin1Char('"'));
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('"'), open + 1);
        if (close < 0) {
            error(settingNumber)
                .fail(QStringLiteral("the %1 is not in double quotes.").arg(QLatin1String(what)));
        }
        return text.mid(open + 1, close - open - 1);
    }

    bool onOff(int settingNumber, const char* what) const {
        const QString text = value(settingNumber);
        if (text == QLatin1String("on")) {
            return true;
        }
        if (text == QLatin1String("off")) {
            return false;
        }
        error(settingNumber)
            .fail(QStringLiteral("the %1 value \"%2\" is neither on nor off.")
                      .arg(QLatin1String(what), text));
    }

    // An inch text such as "4.00" or ".12" in hundredths, limited to the field's range as
    // the field itself limits a value set into it.
    int hundredths(int settingNumber, const UpDownRange& range, const char* what) const {
        const QString text = value(settingNumber);
        bool hasDigit = false;
        int points = 0;
        for (const QChar character : text) {
            if (character >= QLatin1Char('0') && character <= QLatin1Char('9')) {
                hasDigit = true;
            } else if (character == QLatin1Char('.')) {
                ++points;
            } else {
                points = 2;
            }
        }
        if (!hasDigit || points > 1) {
            error(settingNumber)
                .fail(QStringLiteral("the %1 \"%2\" is not a size in inches.")
                          .arg(QLatin1String(what), text));
        }
        try {
            return range.limit(ParseHundredths(text, 0, INT_MAX));
        } catch (const UserError&) {
            error(settingNumber)
                .fail(QStringLiteral("the %1 \"%2\" is too large.").arg(QLatin1String(what), text));
        }
    }

    Font font(int nameLine, const char* what) const {
        Font result;
        result.name = quoted(nameLine, what);
        result.sizePoints = number(nameLine + 1, "font size");
        requireRange(error(nameLine + 1), result.sizePoints, 1, 1638, "font size");
        result.color = static_cast<TColor>(number(nameLine + 2, "font colour"));
        const QString style = quoted(nameLine + 3, "font style");
        result.style = FontStyle{};
        if (style == QLatin1String("Bold ")) {
            result.style.bold = true;
        } else if (style == QLatin1String("Italic ")) {
            result.style.italic = true;
        } else if (style == QLatin1String("BoldItalic ")) {
            result.style.bold = true;
            result.style.italic = true;
        }
        return result;
    }

private:
    const QStringList& lines_;
    qsizetype first_;
    QString fileName_;
};

} // namespace

namespace {

QString slotLine(int slot, const img& record, const QString& fileName,
                 const QString& sourceFileName) {
    QStringList fields;
    fields << QStringLiteral("Tag%1").arg(slot) << textField(fileName)
           << QString::number(record.PictureWidth) << QString::number(record.PictureHeight)
           << QString::number(record.AspectPermille) << textField(sourceFileName)
           << textField(record.ValueText) << textField(record.EdgeText)
           << textField(record.TextBlockText) << colorNumber(record.ValueColor)
           << colorNumber(record.TextColor) << colorNumber(record.TextBlockColor)
           << colorNumber(record.BackgroundColor) << colorNumber(record.CutLineColor)
           << QString::number(record.ImageSize) << QString::number(record.ImageHorizontalOffset)
           << QString::number(record.ImageVerticalOffset) << QString::number(record.ColoringType)
           << colorNumber(record.ColoringColor);
    return fields.join(QLatin1Char(','));
}

} // namespace

QString setupFileSlotLine(int slot, const img& record) {
    return slotLine(slot, record, record.FileName, record.SourceFileName);
}

QStringList setupFileLines(const TagDesign& design, const QString& designFolder) {
    QStringList lines;
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        const img& record = design.slot(index);
        const WrittenSlotPaths& written = design.writtenPicturePaths(index);
        if (!record.FileName.isEmpty()) {
            lines << slotLine(
                slot, record, picturePathToWrite(record.FileName, written.fileName, designFolder),
                picturePathToWrite(record.SourceFileName, written.sourceFileName, designFolder));
        }
    }
    const TagSettings& settings = design.settings();
    lines << settingLine(QString::number(settings.cutLineType), "CutLine")
          << settingLine(QString::number(settings.shapeIndex), "TagType");
    appendFontLines(lines, settings.valueFont, "ValueFontName", "ValueFontSize", "ValueFontColor",
                    "ValueFontStyle");
    lines << settingLine(QString::number(settings.valuePlace), "ValuePlace");
    appendFontLines(lines, settings.textFont, "TextFontName", "TextFontSize", "TextFontColor",
                    "TextFontStyle");
    lines << settingLine(QString::number(settings.edgePlace), "TextPlace");
    appendFontLines(lines, settings.textBlockFont, "TextBlockFontName", "TextBlockFontSize",
                    "TextBlockFontColor", "TextBlockFontStyle");
    // "TestBlockAlignment" is spelled as existing files spell it.
    lines << settingLine(QString::number(settings.textBlockWidthOffset), "TextBlockWOffset")
          << settingLine(QString::number(settings.textBlockHeightOffset), "TextBlockHOffset")
          << settingLine(QString::number(settings.textBlockAlignment), "TestBlockAlignment")
          << settingLine(QString::number(design.printer().copies), "Copies")
          << settingLine(QString::number(design.printer().index), "Printer")
          << settingLine(design.printer().landscape ? QStringLiteral("Landscape")
                                                    : QStringLiteral("Portrait"),
                         "PrinterOrientation")
          << settingLine(onOff(settings.hole.noHole), "NoHole")
          << settingLine(onOff(settings.blankSheet), "BlankSheet")
          << settingLine(onOff(design.floatingTag()), "FloatingTag")
          << settingLine(onOff(design.addressLabels()), "AddressLabels")
          // The sizes in use, not what may have been typed: a typed "2.5" would come back
          // as 25 hundredths.
          << settingLine(tagSizeInchText(design.tagSize().heightHundredths), "Height")
          << settingLine(tagSizeInchText(design.tagSize().widthHundredths), "Width")
          << settingLine(holeSizeInchText(settings.hole.width), "HoleWidth")
          << settingLine(holeSizeInchText(settings.hole.height), "HoleHeight")
          << settingLine(QString::number(settings.hole.widthOffset), "HoleWidthOffset")
          << settingLine(QString::number(settings.hole.heightOffset), "HoleHeightOffset")
          << settingLine(QString::number(design.percentPosition(PercentField::ImageSize)),
                         "ImageSize")
          << settingLine(
                 QString::number(design.percentPosition(PercentField::ImageHorizontalOffset)),
                 "ImageHorizontalOffset")
          << settingLine(QString::number(design.percentPosition(PercentField::ImageVerticalOffset)),
                         "ImageVerticalOffset")
          << settingLine(QString::number(design.printImageAdjust()), "PrintImageAdjust");
    if (design.cuttingMarks() != CuttingMarks::None) {
        lines << settingLine(cuttingMarksName(design.cuttingMarks()), kCuttingMarksKey);
    }
    if (!design.printer().paper.isEmpty()) {
        lines << quotedSettingLine(design.printer().paper, kPaperKey);
    }
    if (!design.priceListPath().isEmpty()) {
        lines << settingLine(
            textField(picturePathToWrite(design.priceListPath(), design.writtenPriceListPath(),
                                         designFolder)),
            kPriceListKey);
    }
    // A tag's code goes with its tag line: slot, symbology, placement, module width, height
    // and the data, last, since it may hold anything.
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        const img& record = design.slot(slot);
        const TagBarcode& barcode = record.barcode;
        if (!record.FileName.isEmpty() && barcode.isSet()) {
            const QStringList fields{QString::number(slot),
                                     symbologyName(barcode.symbology),
                                     placementName(barcode.placement),
                                     QString::number(barcode.moduleDots),
                                     inchText(barcode.heightHundredths),
                                     textField(barcode.data)};
            lines << settingLine(fields.join(QLatin1Char(',')), kBarcodeKey);
        }
    }
    return lines;
}

QStringList setupFileTextLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast(); // the line end of the last line
    }
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    return lines;
}

namespace {

bool hasKey(const SettingLines& setting, int settingNumber, const char* key) {
    return setting.line(settingNumber).endsWith(QLatin1Char(' ') + QLatin1String(key));
}

// The lines after the 36 name their keys, so that whatever else may follow the settings is
// passed over as before.
CuttingMarks cuttingMarksSetting(const SettingLines& setting, int settingNumber) {
    const std::optional<CuttingMarks> marks = cuttingMarksFromName(setting.value(settingNumber));
    if (!marks) {
        setting.error(settingNumber)
            .fail(QStringLiteral("the marks for the cutting machine \"%1\" are not none, 3 or 4.")
                      .arg(setting.value(settingNumber)));
    }
    return *marks;
}

// A text field that ends its line, read as a tag line's field as if another field followed.
QString textAfter(const QString& field, const LineError& error, const char* what) {
    const QString line = field + QLatin1Char(',');
    SlotLineReader reader(line, error);
    return reader.text(what);
}

// "3,ean13,bottom,3,0.50,"400638133393" Barcode": the code of the tag on line Tag3.
std::pair<int, TagBarcode> barcodeSetting(const SettingLines& setting, int settingNumber) {
    const QString& line = setting.line(settingNumber);
    const LineError error = setting.error(settingNumber);
    const QString body = line.left(line.size() - 1 - static_cast<qsizetype>(qstrlen(kBarcodeKey)));
    qsizetype dataStart = body.indexOf(QLatin1Char('"'));
    if (dataStart > 0 && body.at(dataStart - 1) == QLatin1Char('*')) {
        --dataStart; // a marked field
    }
    const QStringList fields = body.left(std::max<qsizetype>(dataStart, 0)).split(QLatin1Char(','));
    std::pair<int, TagBarcode> result;
    TagBarcode& barcode = result.second;
    const std::optional<Symbology> symbology = symbologyFromName(fields.value(1));
    const std::optional<BarcodePlacement> placement = placementFromName(fields.value(2));
    bool numbers = dataStart > 0 && fields.size() == 6 && fields.at(5).isEmpty() &&
                   parseInteger(fields.at(0), result.first) &&
                   parseInteger(fields.at(3), barcode.moduleDots);
    if (!numbers || !symbology || !placement) {
        error.fail(QStringLiteral("the barcode line is not slot, symbology (ean13, upca, ean8, "
                                  "code128 or qr), placement (bottom, top or textblock), module "
                                  "width, height and the data in double quotes."));
    }
    barcode.symbology = *symbology;
    barcode.placement = *placement;
    requireRange(error, barcode.moduleDots, kMinBarcodeModuleDots, kMaxBarcodeModuleDots,
                 "barcode's module width");
    try {
        barcode.heightHundredths =
            ParseHundredths(fields.at(4), kMinBarcodeHeight, kMaxBarcodeHeight);
    } catch (const UserError&) {
        error.fail(
            QStringLiteral("the barcode's height \"%1\" is not between %2 and %3 inches.")
                .arg(fields.at(4), inchText(kMinBarcodeHeight), inchText(kMaxBarcodeHeight)));
    }
    barcode.data = textAfter(body.mid(dataStart), error, "barcode's data");
    return result;
}

// ""prices.csv" PriceList": the table, in a text field as a tag line writes it, since a path
// may hold double quotes.
QString priceListSetting(const SettingLines& setting, int settingNumber) {
    const QString& line = setting.line(settingNumber);
    const QString body =
        line.left(line.size() - 1 - static_cast<qsizetype>(qstrlen(kPriceListKey)));
    const LineError error = setting.error(settingNumber);
    try {
        return textAfter(body, error, "price list");
    } catch (const UserError&) {
        error.fail(QStringLiteral("the price list is not a path in double quotes."));
    }
}

} // namespace

SetupFileContents parseSetupFileLines(const QStringList& lines, const QString& fileName) {
    SetupFileContents contents;
    qsizetype next = 0;
    while (next < lines.size() && lines.at(next).startsWith(QLatin1String("Tag"))) {
        contents.tagLines.push_back(
            parseSlotLine(lines.at(next), LineError(fileName, static_cast<int>(next) + 1)));
        ++next;
    }
    const qsizetype settingCount = lines.size() - next;
    if (settingCount < kSettingLineCount) {
        LineError(fileName, static_cast<int>(lines.size()) + 1)
            .fail(QStringLiteral("the file ends after %1 of the %2 setting lines of a tag "
                                 "setup file.")
                      .arg(settingCount)
                      .arg(kSettingLineCount));
    }

    const SettingLines setting(lines, next, fileName);
    SetupFileSettings& s = contents.settings;
    s.cutLineType = setting.index(1, 2, "cut line");
    s.shapeIndex = setting.index(2, kShapeCount, "tag shape");
    s.valueFont = setting.font(3, "corner text font name");
    s.valuePlace = setting.index(7, 4, "corner text place");
    s.textFont = setting.font(8, "edge text font name");
    s.edgePlace = setting.index(12, 4, "edge text place");
    s.textBlockFont = setting.font(13, "text block font name");
    s.textBlockWidthOffset =
        kTextBlockOffsetRange.limit(setting.number(17, "text block width offset"));
    s.textBlockHeightOffset =
        kTextBlockOffsetRange.limit(setting.number(18, "text block height offset"));
    s.textBlockAlignment = setting.index(19, 3, "text block alignment");
    s.copies = kCopiesRange.limit(setting.number(20, "number of copies"));
    s.printerIndex = setting.number(21, "printer number");
    // Anywhere on the line, as other writers of the file may quote the word or put it last.
    s.landscape = setting.line(22).contains(QLatin1String("Landscape"));
    s.noHole = setting.onOff(23, "NoHole");
    s.blankSheet = setting.onOff(24, "BlankSheet");
    s.floatingTag = setting.onOff(25, "FloatingTag");
    s.addressLabels = setting.onOff(26, "AddressLabels");
    s.heightText = setting.value(27);
    s.heightHundredths = setting.hundredths(27, kTagSizeRange, "tag height");
    s.widthText = setting.value(28);
    s.widthHundredths = setting.hundredths(28, kTagSizeRange, "tag width");
    s.holeWidth = setting.hundredths(29, kHoleSizeRange, "hole width");
    s.holeHeight = setting.hundredths(30, kHoleSizeRange, "hole height");
    s.holeWidthOffset = kHoleWidthOffsetRange.limit(setting.number(31, "hole width offset"));
    s.holeHeightOffset = kHoleHeightOffsetRange.limit(setting.number(32, "hole height offset"));
    s.imageSize = kImageSizeRange.limit(setting.number(33, "picture size"));
    s.imageHorizontalOffset =
        kImageOffsetRange.limit(setting.number(34, "horizontal picture offset"));
    s.imageVerticalOffset = kImageOffsetRange.limit(setting.number(35, "vertical picture offset"));
    s.printImageAdjust = kPrintImageAdjustRange.limit(setting.number(36, "print image adjust"));
    for (int number = kSettingLineCount + 1; number <= settingCount; ++number) {
        if (hasKey(setting, number, kCuttingMarksKey)) {
            s.cuttingMarks = cuttingMarksSetting(setting, number);
        } else if (hasKey(setting, number, kPaperKey)) {
            s.paper = setting.quoted(number, "paper");
        } else if (hasKey(setting, number, kPriceListKey)) {
            s.priceList = priceListSetting(setting, number);
        } else if (hasKey(setting, number, kBarcodeKey)) {
            const auto [slot, barcode] = barcodeSetting(setting, number);
            // A code whose tag has no line has no tag to go on.
            for (SetupFileSlot& tagLine : contents.tagLines) {
                if (tagLine.slot == slot) {
                    tagLine.values.barcode = barcode;
                }
            }
        }
    }
    return contents;
}

} // namespace veltmoor
