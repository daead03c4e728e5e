// The drawing surface of both pictures (the animation and the oscillograph).
// It follows the classic raster conventions the pictures are specified in:
// a line does not set its end pixel, rectangles exclude their right and bottom
// edge, polygons fill even-odd and are outlined with the pen, and the not-xor
// pen mode inverts. Pen, brush, font and text settings carry over from one
// call to the next, as the drawing sequences rely on it.
//
// The state lives here; the primitives are implemented by the raster canvas
// (platform/RasterCanvas.h), and by the recording canvases of the tests.
#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace otpor {

enum class PenStyle { Solid, Dot, Clear };
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear };
enum class BackgroundMode { Transparent, Opaque };
enum class HorizontalAlign { Left, Center, Right };
enum class VerticalAlign { Top, Bottom };

struct Pen {
    TColor Color = clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    TColor Color = clWhite;
    BrushStyle Style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// A font as the forms name it. Height is the character height in pixels
// (8 points at 96 dpi = 11 px); the face falls back to what is installed.
struct Font {
    std::string Name = "Arial";
    int Height = 13; // 10 points
    TColor Color = clBlack;
    bool Bold = false;
    bool Italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct TextAlign {
    HorizontalAlign Horizontal = HorizontalAlign::Left;
    VerticalAlign Vertical = VerticalAlign::Top;
    friend bool operator==(const TextAlign&, const TextAlign&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- drawing state -----------------------------------------------------
    const otpor::Pen& Pen() const { return pen_; }
    void SetPen(const otpor::Pen& pen) { pen_ = pen; }
    void SetPenColor(TColor c) { pen_.Color = c; }
    void SetPenWidth(int w) { pen_.Width = w; }
    void SetPenStyle(PenStyle s) { pen_.Style = s; }
    void SetPenMode(PenMode m) { pen_.Mode = m; }

    const otpor::Brush& Brush() const { return brush_; }
    // Setting a colour while the brush is clear makes it solid again.
    void SetBrushColor(TColor c)
    {
        brush_.Color = c;
        brush_.Style = BrushStyle::Solid;
    }
    void SetBrushStyle(BrushStyle s) { brush_.Style = s; }

    const otpor::Font& Font() const { return font_; }
    void SetFont(const otpor::Font& f) { font_ = f; }

    BackgroundMode Background() const { return backgroundMode_; }
    void SetBackgroundMode(BackgroundMode m) { backgroundMode_ = m; }
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor c) { backgroundColor_ = c; }

    const otpor::TextAlign& TextAlign() const { return textAlign_; }
    void SetTextAlign(const otpor::TextAlign& a) { textAlign_ = a; }

    TPoint PenPos() const { return penPos_; }

    // Pen black, width 1, solid, copy; brush white, solid; font black 10 pt;
    // text background opaque white; alignment top-left.
    void Reset()
    {
        pen_ = {};
        brush_ = {};
        otpor::Font f;
        f.Name = font_.Name;
        font_ = f;
        backgroundMode_ = BackgroundMode::Opaque;
        backgroundColor_ = clWhite;
        textAlign_ = {};
    }

    // --- primitives ----------------------------------------------------------
    // Fills (x1..x2-1, y1..y2-1) with the brush and outlines it with the pen.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Fills with the brush, no outline.
    virtual void FillRect(const TRect& r) = 0;
    // The ellipse inscribed in the box (x2, y2 exclusive), filled and outlined.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Closed path, filled even-odd with the brush, outlined with the pen.
    virtual void Polygon(std::span<const TPoint> points) = 0;
    // Open path, pen only; the last point is not set.
    virtual void Polyline(std::span<const TPoint> points) = 0;
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    // Pen line from the pen position to (x, y), end pixel not set; the pen
    // position moves to (x, y).
    void LineTo(int x, int y)
    {
        DrawLine(penPos_, {x, y});
        penPos_ = {x, y};
    }
    // Pen lines from the pen position through the points in turn: the same
    // pixels as LineTo to each of them, and the pen position ends on the
    // last. A canvas may draw them in one go.
    virtual void PolylineTo(std::span<const TPoint> points)
    {
        for (const TPoint p : points)
            LineTo(p.X, p.Y);
    }

    // Text at (x, y) anchored by the current alignment, in the current font;
    // the background mode decides whether the text cell is filled.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // Text turned by angle degrees counter-clockwise about its anchor,
    // transparent background.
    virtual void RotatedTextOut(int x, int y, std::string_view text, int angleDegrees) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;

    // A solid fill of w x h pixels from (x, y); a negative h fills the rows
    // above y (y excluded), a negative w the columns left of x.
    virtual void BandFill(int x, int y, int w, int h, TColor color) = 0;
    // The 3D frame: 1-pixel lines, top and left in the first colour, bottom and
    // right in the second, repeated inward width times.
    virtual void Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width) = 0;

    virtual void ClipRect(const TRect& r) = 0;
    virtual void RemoveClip() = 0;

protected:
    // The line of LineTo, from one point to the other, end pixel not set.
    virtual void DrawLine(TPoint from, TPoint to) = 0;

private:
    otpor::Pen pen_;
    otpor::Brush brush_;
    otpor::Font font_;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    TColor backgroundColor_ = clWhite;
    otpor::TextAlign textAlign_;
    TPoint penPos_;
};

} // namespace otpor
