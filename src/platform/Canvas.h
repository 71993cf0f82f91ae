#pragma once

#include "platform/Bitmap.h"
#include "platform/TColor.h"

#include <QString>

#include <vector>

namespace veltmoor {

struct Pen {
    TColor color = clBlack;
    int width = 1;
};

enum class BrushStyle { Solid, Clear };

struct Brush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

struct Font {
    QString name = QStringLiteral("MS Sans Serif");
    int sizePoints = 8;
    FontStyle style;
    TColor color = clWindowText;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class FillMode {
    Border,  // fill every 4-connected pixel that is not of the given colour
    Surface, // fill every 4-connected pixel that is of the given colour
};

// One horizontal run of pixels [left, right) on row y.
struct Span {
    int y = 0;
    int left = 0;
    int right = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

// The 4-connected region a flood fill from the seed would paint, as spans. Empty when
// the seed lies outside the bitmap or (border mode) on the border colour, or (surface
// mode) on another colour. Kept apart from painting so that a region found on one
// bitmap (a mask) can be painted onto another.
std::vector<Span> floodRegion(const Bitmap& bitmap, Point seed, TColor color, FillMode mode);

// The runs of pixels of the given colour (compared as fills compare), row by row from the
// top, left to right.
std::vector<Span> pixelRuns(const Bitmap& bitmap, TColor color);

// Paints every span (clipped to the bitmap) with one pixel value.
void fillSpans(Bitmap& bitmap, const std::vector<Span>& spans, Pixel value);

// One pen call as a canvas received it, so that the same drawing can be replayed elsewhere
// (on another raster engine, to compare pixels).
struct PenCall {
    enum class Kind { MoveTo, LineTo, Arc };
    Kind kind = Kind::MoveTo;
    Point point; // MoveTo and LineTo
    Rect box;    // Arc
    Point start; // Arc
    Point end;   // Arc
    friend bool operator==(const PenCall&, const PenCall&) = default;
};

// Drawing on a bitmap with the raster rules tag outlines rely on: lines exclude their end
// point, ellipses are inscribed in their box with right and bottom exclusive, arcs run
// counter-clockwise on screen, fills are 4-connected. Everything is clipped to the bitmap.
class Canvas {
public:
    explicit Canvas(Bitmap& bitmap) : bitmap_(bitmap) {}

    Bitmap& bitmap() { return bitmap_; }
    Pen& pen() { return pen_; }
    Brush& brush() { return brush_; }
    Font& font() { return font_; }

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    Point penPosition() const { return position_; }

    // Part of the ellipse inscribed in box, counter-clockwise from the ray towards start
    // to the ray towards end; equal rays draw the whole ellipse.
    void arc(Rect box, Point start, Point end);

    void fillRect(Rect area); // with the brush colour
    TColor pixel(int x, int y) const { return bitmap_.pixelColor(x, y); }
    void setPixel(int x, int y, TColor color) { bitmap_.setPixelColor(x, y, color); }
    void floodFill(int x, int y, TColor color, FillMode mode); // with the brush colour

    // While set, every move, line and arc is appended to calls as it is drawn.
    void recordPenCalls(std::vector<PenCall>* calls) { penCalls_ = calls; }

    void draw(int x, int y, const Bitmap& source);
    // Smooth when shrinking (area averaging), so photographs do not alias.
    void stretchDraw(Rect destination, const Bitmap& source);
    // Nearest-pixel stretch that leaves the pixels of transparentColor out.
    void stretchDrawTransparent(Rect destination, const Bitmap& source, TColor transparentColor);

    // Text with its top-left corner at (x, y); only the glyphs are painted.
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

private:
    Bitmap& bitmap_;
    Pen pen_;
    Brush brush_;
    Font font_;
    Point position_;
    std::vector<PenCall>* penCalls_ = nullptr;
};

} // namespace veltmoor
