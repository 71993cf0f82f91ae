#pragma once

#include <QString>

#include <cstdint>

// Shared by the picture codecs: the sentences the user sees, and the size guard that
// runs before any pixel memory is claimed.
namespace veltmoor::picture_errors {

[[noreturn]] void notReadable(const QString& name);
[[noreturn]] void damaged(const QString& name, const QString& what);
[[noreturn]] void unsupported(const QString& name, const QString& what);
[[noreturn]] void tooLarge(const QString& name, std::int64_t width, std::int64_t height);
[[noreturn]] void notAPictureFile(const QString& name, const QString& kind);
[[noreturn]] void fileTooLarge(const QString& name, std::int64_t bytes);
[[noreturn]] void cannotOpen(const QString& name, const QString& reason);
[[noreturn]] void cannotWrite(const QString& name, const QString& reason);

// Refuses a zero or negative size and one above maxPixels, naming the file.
void checkPictureSize(const QString& name, std::int64_t width, std::int64_t height,
                      std::int64_t maxPixels);

} // namespace veltmoor::picture_errors
