#include "app/ui/RecentDesigns.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace veltmoor {

namespace {

// A missing file has no canonical path; its cleaned absolute path stands in.
QString fileKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The entries in order, each file once, by its key.
QStringList oncePerFile(const QStringList& paths) {
    QStringList keys;
    for (const QString& path : paths) {
        const QString key = fileKey(path);
        if (!keys.contains(key)) {
            keys << key;
        }
    }
    return keys;
}

} // namespace

QStringList withRecentDesign(const QStringList& recent, const QString& path, int length) {
    QStringList list = oncePerFile(QStringList{path} + recent);
    while (list.size() > length) {
        list.removeLast();
    }
    return list;
}

QStringList existingRecentDesigns(const QStringList& recent) {
    QStringList existing;
    for (const QString& path : recent) {
        if (QFileInfo::exists(path)) {
            existing << path;
        }
    }
    return oncePerFile(existing);
}

QStringList recentDesignLabels(const QStringList& recent) {
    QStringList names;
    for (const QString& path : recent) {
        names << QFileInfo(path).fileName();
    }
    QStringList labels;
    for (qsizetype index = 0; index < recent.size(); ++index) {
        QString label = names.at(index);
        const auto alike = [&label](const QString& name) {
            return name.compare(label, Qt::CaseInsensitive) == 0;
        };
        if (std::count_if(names.cbegin(), names.cend(), alike) > 1) {
            label += QStringLiteral("  (%1)").arg(
                QDir::toNativeSeparators(QFileInfo(recent.at(index)).absolutePath()));
        }
        // A "&" in a name is shown, not taken for the item's shortcut letter.
        labels << label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    }
    return labels;
}

} // namespace veltmoor
