#include "render/PictureCache.h"

#include "platform/Errors.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>

namespace veltmoor {

namespace {

std::int64_t pixelsOf(const DecodedPicture& picture) {
    return static_cast<std::int64_t>(picture.bitmap.width()) * picture.bitmap.height();
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
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QSize size = reader.size();
    if (size.isValid() && (reader.transformation() & QImageIOHandler::TransformationRotate90)) {
        size.transpose();
    }
    return size.isValid() ? size : QSize();
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
    struct Job {
        const Request* request = nullptr;
        qint64 fileSize = 0;
        QDateTime modified;
        std::optional<DecodedPicture> decoded;
    };
    std::vector<Job> jobs;
    for (const Request& request : requests) {
        const QFileInfo info(request.path);
        const bool kept = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) {
            return entry.path == request.path && entry.fileSize == info.size() &&
                   entry.modified == info.lastModified() &&
                   coversNeed(entry, request.neededWidth, request.neededHeight);
        });
        if (!kept && info.isFile()) {
            jobs.push_back({&request, info.size(), info.lastModified(), std::nullopt});
        }
    }
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t index = next++; index < jobs.size(); index = next++) {
            Job& job = jobs[index];
            PictureReadOptions options;
            options.neededWidth = std::max(0, job.request->neededWidth);
            options.neededHeight = std::max(0, job.request->neededHeight);
            try {
                job.decoded = readPicture(job.request->path, options);
            } catch (const UserError&) {
                // picture() decodes it again and reports the error to its caller.
            }
        }
    };
    const std::size_t workers =
        std::min<std::size_t>(jobs.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (std::size_t index = 1; index < workers; ++index) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (Job& job : jobs) {
        if (job.decoded) {
            insert(job.request->path, job.fileSize, job.modified, std::move(*job.decoded));
        }
    }
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

    PictureReadOptions options;
    options.neededWidth = std::max(0, neededWidth);
    options.neededHeight = std::max(0, neededHeight);
    return insert(path, fileSize, modified, readPicture(path, options));
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
