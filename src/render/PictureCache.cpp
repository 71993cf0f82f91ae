#include "render/PictureCache.h"

#include "platform/Errors.h"
#include "platform/OnAllCores.h"

#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <new>
#include <optional>

namespace veltmoor {

namespace {

std::int64_t pixelsOf(const DecodedPicture& picture) {
    return static_cast<std::int64_t>(picture.bitmap.width()) * picture.bitmap.height();
}

// A picture within the pixel limit that still does not fit in the memory left.
UserError tooLargeForMemory(const QString& path, const PictureHeader& header) {
    return UserError(QStringLiteral("%1 is too large for the memory available (%2 x %3 pixels).")
                         .arg(path)
                         .arg(header.decodedWidth)
                         .arg(header.decodedHeight));
}

} // namespace

QSize PictureCache::pictureSize(const QString& path) {
    const QFileInfo info(path);
    for (const Entry& entry : entries_) {
        if (entry.path == path && entry.fileSize == info.size() &&
            entry.modified == info.lastModified()) {
            return {entry.picture->width, entry.picture->height};
        }
    }
    try {
        const PictureHeader header = readPictureHeader(path);
        return header.width > 0 ? QSize(header.width, header.height) : QSize();
    } catch (const UserError&) {
        return {}; // picture() reports it when the picture is asked for
    }
}

bool PictureCache::coversNeed(const Entry& entry, int neededWidth, int neededHeight) {
    if (entry.fullSize) {
        return true;
    }
    if (neededWidth <= 0 && neededHeight <= 0) {
        return false;
    }
    const Bitmap& bitmap = entry.picture->bitmap;
    return bitmap.width() >= neededWidth && bitmap.height() >= neededHeight;
}

void PictureCache::prefetch(const std::vector<Request>& requests) {
    std::vector<Job> jobs = jobsFor(requests);
    if (jobs.empty()) {
        return;
    }
    DecodeQueue queue{jobs};
    runOnAllCores(jobs.size(), [&] { decodeQueued(queue); });
    if (queue.failure) {
        std::rethrow_exception(queue.failure);
    }
}

std::vector<PictureCache::Job> PictureCache::jobsFor(const std::vector<Request>& requests) const {
    std::vector<Job> jobs;
    for (const Request& request : requests) {
        const QFileInfo info(request.path);
        const bool kept = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) {
            return entry.path == request.path && entry.fileSize == info.size() &&
                   entry.modified == info.lastModified() &&
                   coversNeed(entry, request.neededWidth, request.neededHeight);
        });
        if (kept || !info.isFile()) {
            continue;
        }
        Job job{&request, info.size(), info.lastModified(), optionsFor(request), {}, 0};
        try {
            job.header = readPictureHeader(request.path, job.options);
        } catch (const UserError&) {
            continue; // picture() reports it to its caller
        }
        // A format whose header does not tell its size is decoded with nothing beside it.
        job.pixels = job.header.decodedPixels() > 0 ? job.header.decodedPixels() : pixelBudget_;
        jobs.push_back(job);
    }
    return jobs;
}

// Takes the pictures in order. One that would take the pixels being decoded past the budget
// waits until the others have finished; each picture decoded goes into the cache at once,
// where the budget bounds what is kept.
void PictureCache::decodeQueued(DecodeQueue& queue) {
    std::unique_lock lock(queue.mutex);
    while (queue.next < queue.jobs.size() && !queue.failure) {
        const Job& job = queue.jobs[queue.next];
        if (queue.inFlight > 0 && queue.inFlight + job.pixels > pixelBudget_) {
            queue.finished.wait(lock);
            continue;
        }
        ++queue.next;
        queue.inFlight += job.pixels;
        if (job.pixels > pixelBudget_) {
            // Larger than the budget: decoded alone, with no kept picture beside it.
            entries_.clear();
        }
        lock.unlock();
        std::optional<DecodedPicture> decoded;
        std::exception_ptr failure;
        try {
            decoded = readPicture(job.request->path, job.options);
        } catch (const UserError&) {
            // picture() decodes it again and reports the error to its caller.
        } catch (const std::bad_alloc&) {
            failure = std::make_exception_ptr(tooLargeForMemory(job.request->path, job.header));
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        queue.inFlight -= job.pixels;
        try {
            if (decoded) {
                insert(job.request->path, job.fileSize, job.modified, std::move(*decoded));
            }
        } catch (...) {
            failure = failure ? failure : std::current_exception();
        }
        if (failure && !queue.failure) {
            queue.failure = failure;
        }
        queue.finished.notify_all();
    }
}

PictureReadOptions PictureCache::optionsFor(const Request& request) {
    PictureReadOptions options;
    options.neededWidth = std::max(0, request.neededWidth);
    options.neededHeight = std::max(0, request.neededHeight);
    return options;
}

std::shared_ptr<const DecodedPicture> PictureCache::picture(const QString& path, int neededWidth,
                                                            int neededHeight) {
    const QFileInfo info(path);
    const qint64 fileSize = info.size();
    const QDateTime modified = info.lastModified();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != path) {
            continue;
        }
        if (it->fileSize == fileSize && it->modified == modified &&
            coversNeed(*it, neededWidth, neededHeight)) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().picture;
        }
        entries_.erase(it);
        break;
    }

    const PictureReadOptions options = optionsFor({path, neededWidth, neededHeight});
    std::optional<DecodedPicture> decoded;
    try {
        decoded = readPicture(path, options);
    } catch (const std::bad_alloc&) {
        // The kept pictures give their memory to this one; without them it fits or is
        // refused in a sentence.
        entries_.clear();
        try {
            decoded = readPicture(path, options);
        } catch (const std::bad_alloc&) {
            throw tooLargeForMemory(path, readPictureHeader(path, options));
        }
    }
    return insert(path, fileSize, modified, std::move(*decoded));
}

std::shared_ptr<const DecodedPicture> PictureCache::insert(const QString& path, qint64 fileSize,
                                                           const QDateTime& modified,
                                                           DecodedPicture decoded) {
    ++decodeCount_;
    entries_.remove_if([&](const Entry& entry) { return entry.path == path; });
    Entry entry;
    entry.path = path;
    entry.fileSize = fileSize;
    entry.modified = modified;
    entry.fullSize =
        decoded.bitmap.width() >= decoded.width && decoded.bitmap.height() >= decoded.height;
    entry.picture = std::make_shared<const DecodedPicture>(std::move(decoded));
    entries_.push_front(std::move(entry));
    trimToBudget();
    return entries_.front().picture;
}

void PictureCache::trimToBudget() {
    std::int64_t total = 0;
    for (auto it = entries_.begin(); it != entries_.end();) {
        total += pixelsOf(*it->picture);
        // The picture just asked for always stays, however large it is.
        if (total > pixelBudget_ && it != entries_.begin()) {
            total -= pixelsOf(*it->picture);
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace veltmoor
