#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace veltmoor::test {

// Runs a program to its end; its standard output, or nothing when it fails.
std::optional<QString> runTool(const QString& program, const QStringList& arguments);

} // namespace veltmoor::test
