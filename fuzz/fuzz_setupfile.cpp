// Feeds arbitrary bytes to the design file reader: each input is read and checked or
// refused with a message, and a file that is read applies to a design without trouble.
#include "QtApplication.h"
#include "design/TagDesign.h"
#include "platform/Errors.h"
#include "setupfile/SetupFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    veltmoor::SetupFileContents contents;
    try {
        contents = veltmoor::parseSetupFileBytes(bytes, QStringLiteral("fuzz.vmg"));
    } catch (const veltmoor::UserError&) {
        return 0;
    }
    veltmoor::TagDesign design = veltmoor::TagDesign::atFirstActivation();
    veltmoor::applySetupFile(design, contents, {}, QStringLiteral("/nonexistent"));
    // Whatever was accepted must write out and read back.
    try {
        veltmoor::parseSetupFileBytes(veltmoor::setupFileBytes(design), QStringLiteral("again"));
    } catch (const veltmoor::UserError&) {
        __builtin_trap();
    }
    return 0;
}
