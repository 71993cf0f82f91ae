#pragma once

#include "platform/Bitmap.h"
#include "platform/Errors.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace veltmoor::testing {

// Little-endian byte building for hand-made picture files.
inline void append16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}
inline void append32(QByteArray& out, std::uint32_t value) {
    append16(out, value & 0xFFFF);
    append16(out, value >> 16);
}
inline QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray out;
    for (const int value : values) {
        out.append(static_cast<char>(value));
    }
    return out;
}
inline std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    auto byte = [&](qsizetype i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]));
    };
    return byte(at) | (byte(at + 1) << 8) | (byte(at + 2) << 16) | (byte(at + 3) << 24);
}
inline std::uint32_t le16(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline std::ostream& operator<<(std::ostream& out, const Rgb& rgb) {
    return out << "(" << rgb.red << ", " << rgb.green << ", " << rgb.blue << ")";
}
inline Rgb rgbAt(const Bitmap& bitmap, int x, int y) {
    const Pixel p = bitmap.pixel(x, y);
    return {redOfPixel(p), greenOfPixel(p), blueOfPixel(p)};
}
inline ::testing::AssertionResult near(const Rgb& actual, const Rgb& expected, int tolerance) {
    if (std::abs(actual.red - expected.red) <= tolerance &&
        std::abs(actual.green - expected.green) <= tolerance &&
        std::abs(actual.blue - expected.blue) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "got (" << actual.red << ", " << actual.green << ", " << actual.blue
           << "), expected about (" << expected.red << ", " << expected.green << ", "
           << expected.blue << ") within " << tolerance;
}

// AddressSanitizer reserves terabytes of address space, so tests that run under an
// address-space limit cannot run in its build.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTMOOR_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(VELTMOOR_ADDRESS_SANITIZER)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// Runs `body` in a forked child under the limit `value` of `resource`; the body ends the
// child with _exit or an exec. Returns the child's exit status, or 128 + the signal that
// ended it.
template <typename Body> int exitStatusUnderLimit(int resource, rlim_t value, const Body& body) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{value, value};
        setrlimit(resource, &limit);
        body();
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        ADD_FAILURE() << "the child process could not be run";
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Under an address-space limit of `bytes`.
template <typename Body> int exitStatusUnderMemoryLimit(rlim_t bytes, const Body& body) {
    return exitStatusUnderLimit(RLIMIT_AS, bytes, body);
}

// With every new thread refused: each would take a 1 TiB stack, more than any memory.
template <typename Body> int exitStatusWithThreadsRefused(const Body& body) {
    return exitStatusUnderLimit(RLIMIT_STACK, rlim_t{1} << 40, body);
}

// A bitmap file that claims width x height 8-bit pixels in run-length form, with its full
// colour table and run data that ends at once: 1,080 bytes, however large the claim.
inline QByteArray claimingRunLengthBitmap(std::uint32_t width, std::uint32_t height) {
    QByteArray file("BM");
    // File size, reserved, pixel offset; header size, width, height, 1 plane of 8 bits,
    // run-length, data size, resolution, colours used and important.
    for (const std::uint32_t field :
         {1080u, 0u, 1078u, 40u, width, height, 0x80001u, 1u, 2u, 2835u, 2835u, 0u, 0u}) {
        append32(file, field);
    }
    return file + QByteArray(256 * 4, '\0') + bytesOf({0, 1}); // table, end of bitmap
}

// Runs `action`, which must throw a UserError whose sentence starts with `name`; returns
// the message for further checks.
template <typename Action> QString userErrorOf(const Action& action, const QString& name) {
    try {
        action();
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().startsWith(name)) << error.message().toStdString();
        EXPECT_TRUE(error.message().endsWith(QLatin1Char('.'))) << error.message().toStdString();
        return error.message();
    }
    ADD_FAILURE() << "no UserError for " << name.toStdString();
    return {};
}

} // namespace veltmoor::testing
