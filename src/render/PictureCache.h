#pragma once

#include "platform/PictureFile.h"

#include <QDateTime>
#include <QSize>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <list>
#include <memory>
#include <mutex>
#include <vector>

namespace veltmoor {

// Keeps decoded pictures while their files are unchanged (same path, size and modification
// time), so that a redraw or a sheet of nine tags decodes each photo once. A picture
// needed at a larger size than the one kept is decoded again at that size.
class PictureCache {
public:
    explicit PictureCache(std::int64_t pixelBudget = 48'000'000) : pixelBudget_(pixelBudget) {}

    // The picture at path, decoded at least neededWidth x neededHeight when the file
    // allows it (0 means full size). Throws UserError when the file cannot be read, or
    // does not fit in memory even with no other picture kept.
    std::shared_ptr<const DecodedPicture> picture(const QString& path, int neededWidth,
                                                  int neededHeight);

    struct Request {
        QString path;
        int neededWidth = 0;
        int neededHeight = 0;
    };
    // Decodes the pictures not yet kept, several at a time, so that a sheet of photos
    // uses every core, while the pixels being decoded at once stay within the budget (a
    // picture that does not fit beside the others waits for them; one larger than the
    // budget is decoded alone, the kept pictures dropped first). Files that cannot be read
    // are left for picture() to report. A decode that runs out of memory reaches the caller
    // as a UserError naming the picture, once every decode has stopped.
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

    struct Job {
        const Request* request = nullptr;
        qint64 fileSize = 0;
        QDateTime modified;
        PictureReadOptions options;
        PictureHeader header;
        std::int64_t pixels = 0; // what the decode is counted as against the budget
    };
    struct DecodeQueue {
        explicit DecodeQueue(const std::vector<Job>& queued) : jobs(queued) {}
        const std::vector<Job>& jobs;
        std::mutex mutex;
        std::condition_variable finished;
        std::size_t next = 0;
        std::int64_t inFlight = 0;
        std::exception_ptr failure;
    };

    std::vector<Job> jobsFor(const std::vector<Request>& requests) const;
    void decodeQueued(DecodeQueue& queue);
    static PictureReadOptions optionsFor(const Request& request);
    std::shared_ptr<const DecodedPicture> insert(const QString& path, qint64 fileSize,
                                                 const QDateTime& modified, DecodedPicture decoded);
    static bool coversNeed(const Entry& entry, int neededWidth, int neededHeight);
    void trimToBudget();

    std::int64_t pixelBudget_;
    std::list<Entry> entries_; // most recently used first
    int decodeCount_ = 0;
};

} // namespace veltmoor
