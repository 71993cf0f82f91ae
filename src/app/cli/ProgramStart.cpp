#include "app/cli/ProgramStart.h"

#include <algorithm>
#include <array>

namespace veltmoor {

namespace {

// The options Qt's application objects and their X11 platform read, as their documentation
// lists them. Those of the X11 platform are dropped too when another platform leaves them.
constexpr std::array kOptionsWithValue{
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-session",       "-style",  "-stylesheet",
    "-display",     "-geometry",           "-title",         "-name",   "-icon",
    "-visual"};
constexpr std::array kFlags{"-reverse", "-widgetcount", "-testability",
                            "-sync",    "-nograb",      "-dograb"};
constexpr std::array kJoinedForms{"-style=", "-stylesheet=", "-qmljsdebugger="};

// Qt accepts its options with one dash or two.
QString singleDashed(const QString& argument) {
    return argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
}

template <std::size_t Count>
bool isOneOf(const QString& option, const std::array<const char*, Count>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char* name) { return option == QLatin1String(name); });
}

bool isJoinedForm(const QString& option) {
    return std::any_of(kJoinedForms.begin(), kJoinedForms.end(),
                       [&](const char* form) { return option.startsWith(QLatin1String(form)); });
}

} // namespace

QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList own = arguments.mid(0, 1);
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString option = singleDashed(arguments.at(index));
        if (isOneOf(option, kOptionsWithValue)) {
            ++index;
        } else if (!isOneOf(option, kFlags) && !isJoinedForm(option)) {
            own << arguments.at(index);
        }
    }
    return own;
}

QString requestedPlatform(const QStringList& arguments, const QProcessEnvironment& environment) {
    QString platform = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    for (qsizetype index = 1; index + 1 < arguments.size(); ++index) {
        if (singleDashed(arguments.at(index)) == QLatin1String("-platform")) {
            platform = arguments.at(index + 1);
        }
    }
    return platform;
}

bool hasDisplayFor(const QString& platform, const QProcessEnvironment& environment) {
    const bool x11 = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (platform.isEmpty()) {
        // Qt's own choice is Wayland when a compositor is announced, else X11.
        return x11 || wayland;
    }
    // A list such as "wayland;xcb" is tried in turn; each name may carry ":options".
    const QStringList candidates = platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return std::any_of(candidates.begin(), candidates.end(), [&](const QString& candidate) {
        const QString name = candidate.section(QLatin1Char(':'), 0, 0);
        // Other platforms (offscreen, vnc, eglfs, ...) need no display server to start.
        return name != QLatin1String("xcb") || x11;
    });
}

QString noDisplayMessage() {
    return QStringLiteral("There is no display to open the window on: start the program in a "
                          "desktop session, or use a command such as render without one (see "
                          "--help).");
}

} // namespace veltmoor
