#pragma once

#include <QStringList>

#include <iosfwd>

namespace veltmoor {

// "tint PICTURE --type N -o OUT.bmp" writes the picture tinted with colouring N as an
// 8-bit bitmap; "tint --list" prints the colourings. Throws UsageError or UserError.
int runTintCommand(const QStringList& arguments, std::ostream& out);

} // namespace veltmoor
