#include "app/cli/TintCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/UsageError.h"
#include "images/TintPalettes.h"
#include "images/TintedCopy.h"

#include <optional>
#include <ostream>

namespace veltmoor {

namespace {

struct TintOptions {
    bool list = false;
    QString picturePath;
    QString outputPath;
    std::optional<int> type;
};

int parseType(const QString& text) {
    bool ok = false;
    const int type = text.toInt(&ok);
    if (!ok || !isTintType(type)) {
        throw UsageError{"--type takes a colouring from 0 to 19 (see tint --list)."};
    }
    return type;
}

TintOptions parseTintOptions(const QStringList& arguments) {
    TintOptions options;
    for (int index = 2; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (argument == QLatin1String("--list")) {
            options.list = true;
        } else if (argument == QLatin1String("--type")) {
            options.type = parseType(optionValue(arguments, index));
        } else if (argument == QLatin1String("-o")) {
            options.outputPath = optionValue(arguments, index);
        } else if (argument.startsWith(QLatin1Char('-')) || !options.picturePath.isEmpty()) {
            throw UsageError{"unexpected argument \"" + argument.toStdString() + "\"."};
        } else {
            options.picturePath = argument;
        }
    }
    if (options.list) {
        if (!options.picturePath.isEmpty() || options.type || !options.outputPath.isEmpty()) {
            throw UsageError{"tint --list takes no other arguments."};
        }
        return options;
    }
    if (options.picturePath.isEmpty() || !options.type || options.outputPath.isEmpty()) {
        throw UsageError{"tint needs a picture, --type N and -o OUT.bmp."};
    }
    if (!options.outputPath.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
        throw UsageError{"tint writes an 8-bit Windows bitmap; give -o a name ending in .bmp."};
    }
    return options;
}

} // namespace

int runTintCommand(const QStringList& arguments, std::ostream& out) {
    const TintOptions options = parseTintOptions(arguments);
    if (options.list) {
        for (int type = 0; type < kTintTypeCount; ++type) {
            out << type << "\t" << tintTypeText(type).toStdString() << "\n";
        }
        return kExitOk;
    }
    writeTintedCopy(options.picturePath, *options.type, options.outputPath);
    return kExitOk;
}

} // namespace veltmoor
