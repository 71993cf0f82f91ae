#pragma once

#include <QString>

#include <stdexcept>

namespace veltmoor {

// An error meant for the person at the keyboard: its message is one finished sentence
// that names what was wrong (the file, the line, the value).
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace veltmoor
