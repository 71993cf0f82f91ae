#pragma once

#include "platform/PictureFile.h"

#include <QDateTime>
#include <QSize>
#include <QString>

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

namespace veltmoor {

// Keeps decoded pictures while their files are unchanged (same path, size and modification
// time), so that a redraw or a sheet of nine tags decodes each photo once. A picture
// needed at a larger size than the one kept is decoded again at that size.
class PictureCache {
public:
    explicit PictureCache(std::int64_t pixelBudget = 48'000'000) : pixelBudget_(pixelBudget) {}

    // The picture at path, decoded at least neededWidth x neededHeight when the file
    // allows it (0 means full size). Throws UserError when the file cannot be read.
    std::shared_ptr<const DecodedPicture> picture(const QString& path, int neededWidth,
                                                  int neededHeight);

    struct Request {
        QString path;
        int neededWidth = 0;
        int neededHeight = 0;
    };
    // Decodes the pictures not yet kept, several at a time, so that a sheet of photos
    // uses every core. Files that cannot be read are left for picture() to report.
    void prefetch(const std::vector<Request>& requests);

    // The picture's own size (after its orientation is applied), from the cache or the
    // file's header; empty when the header cannot tell.
    QSize pictureSize(const QString& path);

    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }
    int decodeCount() const { return decodeCount_; }

private:
    struct Entry {
        QString path;
        qint64 fileSize = 0;
        QDateTime modified;
        bool fullSize = false;
        std::shared_ptr<const DecodedPicture> picture;
    };

    std::shared_ptr<const DecodedPicture> insert(const QString& path, qint64 fileSize,
                                                 const QDateTime& modified, DecodedPicture decoded);
    static bool coversNeed(const Entry& entry, int neededWidth, int neededHeight);
    void trimToBudget();

    std::int64_t pixelBudget_;
    std::list<Entry> entries_; // most recently used first
    int decodeCount_ = 0;
};

} // namespace veltmoor
