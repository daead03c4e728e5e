// The real drawing surface of both pictures: a Canvas on a QImage
// (Format_RGB32), the off-screen bitmap that the animation window and the
// oscillograph show. Coordinates are pixels of the bitmap, origin top-left.
//
// Shapes and lines are set pixel by pixel by the Rasterizer, so that the
// classic conventions hold exactly (end pixel of a line left out, right and
// bottom edges excluded, even-odd fill, an exact not-xor) and any int
// coordinate is safe; text goes through one QPainter that stays open on the
// image, with its font and colour changed only when the canvas's font changes.
// Text is not antialiased. Its cell (TextWidth x TextHeight) is filled with
// the background colour when the background mode is opaque and the brush is
// not clear: a clear brush means a transparent text background.
//
// Frames: nothing needs to be opened before drawing. EndFrame closes the
// painter once a picture is finished (it is reopened by the next text); a
// copy of Image() taken at any time is a snapshot, because the canvas
// detaches the image before it draws again.
#pragma once

#include "platform/Canvas.h"
#include "platform/Rasterizer.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <optional>

namespace otpor::qt {

class QImageCanvas final : public Canvas {
public:
    // A white bitmap of width x height pixels.
    QImageCanvas(int width, int height);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    const QImage& Image() const { return image_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // Replaces the bitmap by a white one of the new size (a resized control
    // draws into a new picture); the drawing state stays, the clip is removed.
    void SetSize(int width, int height);
    // Closes the text painter; the next text opens it again.
    void EndFrame();

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const TRect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polygon(std::span<const TPoint> points) override;
    void Polyline(std::span<const TPoint> points) override;
    // The lines of LineTo with the pen looked up once for the run.
    void PolylineTo(std::span<const TPoint> points) override;
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
    // The rasterizer on an image that nobody else shares.
    Rasterizer& Pixels();
    // The painter on the image, with the canvas's clip and font.
    QPainter* TextPainter();
    void ClosePainter();
    // The QFont and metrics of the canvas's current font.
    const QFont& CurrentQFont();
    const QFontMetrics& Metrics();
    bool PenVisible() const;
    LineStyle CurrentLineStyle() const;
    RasterOp CurrentOp() const;
    // The top-left of the text cell of a text of the size anchored at (x, y)
    // by the current alignment.
    void CellOrigin(std::int64_t x, std::int64_t y, int width, int height, std::int64_t& left,
                    std::int64_t& top) const;
    void DrawTextLine(QPainter& painter, int left, int top, const QString& text);

    QImage image_;
    Rasterizer raster_;
    QPainter painter_;
    bool clipped_ = false;
    TRect clip_;

    // Font cache: rebuilt when the canvas font differs from fontKey_.
    std::optional<otpor::Font> fontKey_;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
    // What the open painter was last given.
    bool painterFontCurrent_ = false;
    std::optional<TColor> painterColor_;
};

} // namespace otpor::qt
