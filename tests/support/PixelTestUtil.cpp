#include "support/PixelTestUtil.h"

#include <ostream>

namespace veltmoor::test {

std::vector<std::string> inkPicture(const Bitmap& bitmap, TColor ink) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.width(); ++x) {
            row += bitmap.pixelColor(x, y) == ink ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<Point> inkPixels(const Bitmap& bitmap, TColor ink) {
    std::vector<Point> points;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.pixelColor(x, y) == ink) {
                points.push_back({x, y});
            }
        }
    }
    return points;
}

int countInk(const Bitmap& bitmap, TColor ink) {
    return static_cast<int>(inkPixels(bitmap, ink).size());
}

} // namespace veltmoor::test

namespace veltmoor {
void PrintTo(const Point& point, std::ostream* out) {
    *out << "(" << point.x << "," << point.y << ")";
}
} // namespace veltmoor
