#pragma once

#include "output/RegistrationMarks.h"

#include <QStringList>

#include <functional>
#include <string>

namespace veltmoor {

// A usage mistake on the command line: reported with the usage text and exit status 2.
struct UsageError {
    std::string message;
};

// The value that follows the option at index; moves index onto it.
inline QString optionValue(const QStringList& arguments, int& index) {
    if (index + 1 >= arguments.size()) {
        throw UsageError{arguments.at(index).toStdString() + " needs a value."};
    }
    return arguments.at(++index);
}

// The marks named by the value of --marks at index; moves index onto it.
inline CuttingMarks marksOptionValue(const QStringList& arguments, int& index) {
    const std::optional<CuttingMarks> marks = cuttingMarksFromName(optionValue(arguments, index));
    if (!marks) {
        throw UsageError{"--marks takes none, 3 or 4."};
    }
    return *marks;
}

// Walks the words after the verb: each option goes to takeOption, which reads its value with
// optionValue and returns false for an option it does not know. Returns the one word that is
// no option, the design file. Throws UsageError for an unknown option, a second design file or
// none.
inline QString
designFileAmong(const QStringList& arguments,
                const std::function<bool(const QString& option, int& index)>& takeOption) {
    QString designPath;
    for (int index = 2; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (argument.startsWith(QLatin1Char('-'))) {
            if (!takeOption(argument, index)) {
                throw UsageError{"unexpected argument \"" + argument.toStdString() + "\"."};
            }
        } else if (designPath.isEmpty()) {
            designPath = argument;
        } else {
            throw UsageError{"unexpected argument \"" + argument.toStdString() + "\"."};
        }
    }
    if (designPath.isEmpty()) {
        throw UsageError{arguments.value(1).toStdString() + " needs a design file."};
    }
    return designPath;
}

} // namespace veltmoor
