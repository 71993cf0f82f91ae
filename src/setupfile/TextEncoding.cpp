#include "setupfile/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace veltmoor {

namespace {

// Bytes 0x80..0x9F; the five bytes the code page leaves undefined stand for the control
// characters of the same number, as Windows itself converts them.
constexpr std::array<char16_t, 32> kHighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when the code page has none.
int windows1252Byte(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return character;
    }
    for (std::size_t index = 0; index < kHighControlRange.size(); ++index) {
        if (kHighControlRange[index] == character) {
            return 0x80 + static_cast<int>(index);
        }
    }
    return -1;
}

} // namespace

bool fitsWindows1252(const QString& text) {
    for (const QChar character : text) {
        if (windows1252Byte(character.unicode()) < 0) {
            return false;
        }
    }
    return true;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const int byte = windows1252Byte(character.unicode());
        bytes.append(static_cast<char>(byte < 0 ? '?' : byte));
    }
    return bytes;
}

QString decodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char raw : bytes) {
        const auto byte = static_cast<unsigned char>(raw);
        if (byte >= 0x80 && byte < 0xA0) {
            text.append(QChar(kHighControlRange[byte - 0x80]));
        } else {
            text.append(QChar(static_cast<char16_t>(byte)));
        }
    }
    return text;
}

QByteArray encodeDesignText(const QString& text) {
    if (fitsWindows1252(text)) {
        return encodeWindows1252(text);
    }
    return text.toUtf8();
}

QString decodeDesignText(const QByteArray& bytes) {
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    if (bytes.startsWith(byteOrderMark)) {
        return QString::fromUtf8(bytes.mid(byteOrderMark.size()));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return decodeWindows1252(bytes);
}

} // namespace veltmoor
