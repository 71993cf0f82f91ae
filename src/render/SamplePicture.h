#pragma once

#include "platform/Bitmap.h"

namespace veltmoor {

// The built-in picture of the sample tag on the welcome page, 350 x 350: a wrapped gift
// on a warm background, drawn here so the program needs no picture file of its own.
const Bitmap& SamplePicture();

constexpr int kSamplePictureSize = 350;

} // namespace veltmoor
