#include "render/ShapeKeySizes.h"

#include <algorithm>

namespace veltmoor {

int standardCornerSize(int W, int H) {
    return std::min(W * 15 / 100, H);
}

CornerRadii roundedCornerRadii(int W, int H) {
    return {W / 10, H / 10};
}

int southwestStepSize(int W, int H) {
    return std::min(W / 5, H / 5);
}

TaperedEdge taperedNarrowEdge(int W) {
    return {W / 3, (W + W) / 3};
}

CurvedEndSizes curvedEndSizes(int W, int H) {
    return {W * 207 / 1000, H * 147 / 1000};
}

ScallopSizes scallopSizes(int W, int H) {
    const int c = W / 6;
    int v = c;
    if (H / 3 < 3 * c) {
        v = H / 9;
    }
    return {c, v};
}

KeyholeSizes keyholeSizes(int W, int H, int bitmapWidth, int bitmapHeight) {
    KeyholeSizes sizes;
    sizes.s = std::min(bitmapWidth, bitmapHeight) / 2;
    sizes.q = sizes.s * 707 / 1000;
    sizes.bx = W / 2 - sizes.s / 2;
    sizes.yq = (sizes.s - sizes.q) / 2 + sizes.q;
    sizes.yf = H - ((sizes.s - sizes.q) / 2 + sizes.q);
    return sizes;
}

int ticketNotchRadius(int W, int H) {
    return std::min(W / 8, H / 8);
}

} // namespace veltmoor
