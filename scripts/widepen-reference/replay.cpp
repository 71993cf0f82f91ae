// Replays recorded pen calls through the Windows GDI (run under Wine) and saves what the
// platform drew, so our raster canvas can be compared with it pixel for pixel.
//
// Usage: replay.exe JOBS
// Every line of JOBS is "CALLS PEN OUT.bmp": the calls file to replay, the pen width in
// dots and the 1-bit BMP to write (ink 1, paper 0). A calls file starts with
// "size WIDTH HEIGHT" and holds one call a line: "moveto X Y", "lineto X Y" or
// "arc LEFT TOP RIGHT BOTTOM XS YS XE YE".
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr std::uint32_t kPaper = 0x00FFFFFF;

struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
};

bool createSurface(Surface& surface, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, like our bitmaps
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface.dc = CreateCompatibleDC(nullptr);
    surface.bitmap = CreateDIBSection(surface.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!surface.dc || !surface.bitmap) {
        return false;
    }
    SelectObject(surface.dc, surface.bitmap);
    surface.bits = static_cast<std::uint32_t*>(bits);
    surface.width = width;
    surface.height = height;
    for (int i = 0; i < width * height; ++i) {
        surface.bits[i] = kPaper;
    }
    return true;
}

void destroySurface(Surface& surface) {
    DeleteDC(surface.dc);
    DeleteObject(surface.bitmap);
}

bool replay(HDC dc, std::istream& calls) {
    std::string line;
    while (std::getline(calls, line)) {
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        if (verb == "moveto" || verb == "lineto") {
            int x = 0;
            int y = 0;
            words >> x >> y;
            if (verb == "moveto") {
                MoveToEx(dc, x, y, nullptr);
            } else {
                LineTo(dc, x, y);
            }
        } else if (verb == "arc") {
            int v[8] = {};
            for (int& value : v) {
                words >> value;
            }
            Arc(dc, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
        } else if (!verb.empty()) {
            std::fprintf(stderr, "unknown call: %s\n", line.c_str());
            return false;
        }
    }
    return true;
}

void put16(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A bottom-up 1-bit BMP: palette entry 0 white (paper), 1 black (ink).
bool writeInkBmp(const Surface& surface, const char* path) {
    const int stride = ((surface.width + 31) / 32) * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * surface.height);
    const std::uint32_t offset = 14 + 40 + 8;
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(surface.width));
    put32(out, static_cast<std::uint32_t>(surface.height));
    put16(out, 1);
    put16(out, 1);
    put32(out, 0);
    put32(out, imageSize);
    put32(out, 7874); // 200 dots per inch
    put32(out, 7874);
    put32(out, 2);
    put32(out, 2);
    put32(out, 0x00FFFFFF);
    put32(out, 0x00000000);
    for (int y = surface.height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < surface.width; ++x) {
            if ((surface.bits[y * surface.width + x] & 0x00FFFFFF) == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    FILE* file = std::fopen(path, "wb");
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

bool runJob(const std::string& callsPath, int penWidth, const std::string& outPath) {
    std::ifstream calls(callsPath);
    std::string verb;
    int width = 0;
    int height = 0;
    if (!(calls >> verb >> width >> height) || verb != "size" || width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s does not start with \"size WIDTH HEIGHT\"\n", callsPath.c_str());
        return false;
    }
    Surface surface;
    if (!createSurface(surface, width, height)) {
        std::fprintf(stderr, "no DIB section for %s\n", callsPath.c_str());
        return false;
    }
    // CreatePen gives a geometric pen with round ends and round joins for widths above one.
    HPEN pen = CreatePen(PS_SOLID, penWidth, kInk);
    HGDIOBJ previous = SelectObject(surface.dc, pen);
    bool ok = replay(surface.dc, calls);
    GdiFlush();
    SelectObject(surface.dc, previous);
    DeleteObject(pen);
    ok = ok && writeInkBmp(surface, outPath.c_str());
    if (!ok) {
        std::fprintf(stderr, "could not replay %s into %s\n", callsPath.c_str(), outPath.c_str());
    }
    destroySurface(surface);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: replay.exe JOBS\n");
        return 2;
    }
    std::ifstream jobs(argv[1]);
    if (!jobs) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::string calls;
    int pen = 0;
    std::string out;
    int failures = 0;
    while (jobs >> calls >> pen >> out) {
        if (!runJob(calls, pen, out)) {
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
