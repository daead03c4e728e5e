// The picture canvas of a screen whose device pixel ratio is not 1: a Canvas
// on a QImage of the picture's size times the ratio, at device resolution.
// Coordinates stay layout pixels (origin top-left), and every shape covers
// the area that its pixels cover at a ratio of 1: pixel (x, y) is the square
// from (x, y) to (x + 1, y + 1), a thin line covers its pixels from the first
// up to, not including, the last, a polygon the squares whose top-left corner
// lies inside it (even-odd), a rectangle its columns left..right-1 and rows
// top..bottom-1. At a whole ratio (2, 3, 4) fills and thin solid lines are set
// by the Rasterizer on the device's pixels, by the same rules; everything else
// (and every shape at ratios such as 1.5) goes through QPainter, without
// antialiasing, so the not-xor band is its own inverse. Text is measured as at
// a ratio of 1, so that the layouts that depend on text extents stay the same,
// and drawn with the platform's smooth glyphs at the device's size.
//
// Geometry is clipped to a little beyond the picture before it is drawn, so
// any int coordinate is safe.
#pragma once

#include "platform/Canvas.h"
#include "platform/Rasterizer.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <optional>
#include <vector>

namespace otpor::qt {

class QPainterCanvas final : public Canvas {
public:
    // A white picture of width x height layout pixels at the device pixel ratio.
    QPainterCanvas(int width, int height, double ratio);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    // Device pixels; its devicePixelRatio() is the canvas's ratio.
    const QImage& Image() const { return image_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    double Ratio() const { return ratio_; }
    // A white picture of the new layout size; the drawing state stays, the clip is removed.
    void SetSize(int width, int height);
    // Closes the painter; the next drawing opens it again.
    void EndFrame();

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const TRect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polygon(std::span<const TPoint> points) override;
    void Polyline(std::span<const TPoint> points) override;
    void TextOut(int x, int y, std::string_view text) override;
    void RotatedTextOut(int x, int y, std::string_view text, int angleDegrees) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void BandFill(int x, int y, int w, int h, TColor color) override;
    void Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width) override;
    void ClipRect(const TRect& r) override;
    void RemoveClip() override;

protected:
    void DrawLine(TPoint from, TPoint to) override;

private:
    // The painter on a picture that nobody else shares, with the clip set.
    QPainter& Painter();
    void ClosePainter();
    void SetOp(bool notXor);
    // The clip within the picture, in layout pixels.
    QRect ClipBox() const;
    // Fills the layout rectangle (any int64 values) with a colour.
    void Fill(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb colour);
    // One segment of the current pen between pixel centres; a thin pen leaves
    // out the last pixel, a wide one keeps both ends.
    void Segment(TPoint from, TPoint to);
    // The outline through the points with the current pen.
    void Outline(std::span<const TPoint> points, bool closed);
    // Polygon vertices moved by shift and clipped to the guard box.
    const std::vector<QPointF>& Clipped(std::span<const TPoint> points, double shift);
    // The pixels, for shapes at a whole ratio, clipped like the painter.
    Rasterizer& Pixels();
    bool PenVisible() const { return Pen().Style != PenStyle::Clear; }
    int PenWidth() const;
    const QFont& CurrentFont();
    const QFontMetrics& Metrics();

    int width_ = 0;
    int height_ = 0;
    double ratio_ = 1;
    QImage image_;
    QPainter painter_;
    bool clipped_ = false;
    TRect clip_;
    bool notXor_ = false;
    // A whole ratio, or 0 when shapes go through QPainter.
    int scale_ = 0;
    Rasterizer raster_;
    std::optional<TRect> rasterClip_;
    std::vector<TPoint> devicePoints_;
    std::vector<QPointF> clipIn_;
    std::vector<QPointF> clipOut_;

    std::optional<otpor::Font> fontKey_;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    bool painterFontCurrent_ = false;
};

} // namespace otpor::qt
