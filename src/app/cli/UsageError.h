#pragma once

#include <QStringList>

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

} // namespace veltmoor
