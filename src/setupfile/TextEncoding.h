#pragma once

#include <QByteArray>
#include <QString>

namespace veltmoor {

// Design files are Windows-1252 text, as the program has always written them; a design
// holding a character that code page lacks is written as UTF-8 instead.
bool fitsWindows1252(const QString& text);
QByteArray encodeWindows1252(const QString& text); // characters that do not fit become '?'
QString decodeWindows1252(const QByteArray& bytes);

// Windows-1252 when every character fits, else UTF-8 (without a byte-order mark).
QByteArray encodeDesignText(const QString& text);

// A byte-order mark or bytes that are valid UTF-8 mean UTF-8; anything else is read as
// Windows-1252, which every byte sequence is.
QString decodeDesignText(const QByteArray& bytes);

} // namespace veltmoor
