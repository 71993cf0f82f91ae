#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace veltmoor {

// The arguments without the options Qt's application objects take for themselves ("-style
// fusion", "-platform offscreen", ...), so that the program's own words can be read before
// the application object, which must know whether a window is wanted, exists.
QStringList withoutQtOptions(const QStringList& arguments);

// The platform the arguments or QT_QPA_PLATFORM ask Qt for; empty when Qt picks its own.
QString requestedPlatform(const QStringList& arguments, const QProcessEnvironment& environment);

// False when the window certainly has no display to show on with that platform.
bool hasDisplayFor(const QString& platform, const QProcessEnvironment& environment);

// The sentence the program says when it cannot open its window for want of a display.
QString noDisplayMessage();

} // namespace veltmoor
