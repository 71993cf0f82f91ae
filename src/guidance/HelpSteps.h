#pragma once

#include <QString>

#include <optional>

namespace veltmoor {

// The steps a first-time user is led through, in order. The last one is where the guide
// ends: it is never ticked.
constexpr int kHelpStepCount = 16;
constexpr int kLastHelpStep = kHelpStepCount - 1;

// The text of a step in the step list.
QString helpStepText(int step);

// What the explanation memo shows while the step is current. The first step leaves the
// memo as it is (the loading line stays until the user has moved on), as does no step.
std::optional<QString> helpStepExplanation(int step);

} // namespace veltmoor
