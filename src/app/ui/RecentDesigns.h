#pragma once

#include <QString>
#include <QStringList>

namespace veltmoor {

// The designs opened or saved last, newest first, as the user's settings keep them. Two
// entries never name the same file: a file is known by its canonical path, so a link or a
// path with ".." to a file already listed moves that entry to the front.

// The list with the design first, cut to the given length. Entries whose file has vanished
// keep their place until the list is next cleaned.
QStringList withRecentDesign(const QStringList& recent, const QString& path, int length);

// The entries whose file is still there, one per file.
QStringList existingRecentDesigns(const QStringList& recent);

// The menu texts: each file's name, followed by its folder where another entry has a name
// alike (case aside), so that two "mydesign.vmg" can be told apart.
QStringList recentDesignLabels(const QStringList& recent);

} // namespace veltmoor
