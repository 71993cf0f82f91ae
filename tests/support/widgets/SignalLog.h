#pragma once

#include <QObject>
#include <QVariant>

#include <memory>
#include <vector>

namespace veltmoor::testing {

// Every emission of a signal with at most one argument, in order (an invalid QVariant
// for a signal without arguments).
template <class Sender, class Signal> auto record(Sender* sender, Signal signal) {
    auto values = std::make_shared<std::vector<QVariant>>();
    QObject::connect(sender, signal, [values](auto... arguments) {
        if constexpr (sizeof...(arguments) == 0) {
            values->push_back(QVariant());
        } else {
            (values->push_back(QVariant::fromValue(arguments)), ...);
        }
    });
    return values;
}

} // namespace veltmoor::testing
