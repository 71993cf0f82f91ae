#pragma once

#include <QByteArray>
#include <QString>

namespace veltmoor {

// Replaces the file with the bytes, or leaves it as it was: a failed save never destroys the
// previous file. Throws UserError as cannotWriteFile does.
void writeWholeFile(const QString& path, const QByteArray& bytes);

// The one sentence for a file that could not be written, naming it and the reason.
[[noreturn]] void cannotWriteFile(const QString& path, const QString& reason);

} // namespace veltmoor
