#pragma once

#include "design/TagDesign.h"

#include <QString>

namespace veltmoor {

// The design as JSON: every sheet slot 1 to 9 with its fields under their record names, and
// every setting under its design-file key with the value the file would carry.
QString describeDesignAsJson(const TagDesign& design);

} // namespace veltmoor
