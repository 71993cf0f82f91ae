#pragma once

#include <QByteArray>
#include <QString>

namespace veltmoor {

// Replaces the file with the bytes, or leaves it as it was. Throws UserError naming the file
// and the reason.
void saveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace veltmoor
