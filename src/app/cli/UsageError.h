#pragma once

#include <string>

namespace veltmoor {

// A usage mistake on the command line: reported with the usage text and exit status 2.
struct UsageError {
    std::string message;
};

} // namespace veltmoor
