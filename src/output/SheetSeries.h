#pragma once

#include "platform/Bitmap.h"

#include <array>
#include <functional>

namespace veltmoor {

// The sheets of a job of many, each composed only when it is asked for, so that a job never
// holds more than the sheet being composed and the one being written.
struct SheetSeries {
    int count = 0;
    // Composes sheet index (0 to count - 1, in order) into `sheet`, an earlier sheet whose
    // memory is reused: a sheet is many megabytes, and taking them afresh from the system for
    // every sheet costs more than composing text-only tags.
    std::function<void(int index, Bitmap& sheet)> compose;
    std::function<void(int done, int count)> progress; // after each sheet is written; optional
};

// Hands each sheet of the series to `write` in order while the next one is composed on a
// second thread, so that composing and compressing keep both cores busy. The series'
// compose is never called twice at once. A failure of either stops the series once the
// other has finished, and reaches the caller.
void streamSheets(const SheetSeries& sheets,
                  const std::function<void(int index, const Bitmap& sheet)>& write);

} // namespace veltmoor
