// A canvas for tests: it keeps every primitive call with its arguments and
// the drawing state at that moment, and measures text with fixed metrics so
// that layout tests do not depend on the installed fonts.
#pragma once

#include "platform/Canvas.h"

#include <string>
#include <vector>

namespace otpor::test {

enum class CallKind {
    Rectangle,
    FillRect,
    Ellipse,
    Polygon,
    Polyline,
    Line,
    TextOut,
    RotatedTextOut,
    BandFill,
    Bevel,
    ClipRect,
    RemoveClip,
};

struct CanvasCall {
    CallKind Kind{};
    // Rectangle, FillRect, Ellipse, Bevel, ClipRect, BandFill: the box
    // (BandFill as given: x, y, x + w, y + h).
    TRect Box;
    // Polygon, Polyline: the points; Line: from and to; TextOut: the anchor.
    std::vector<TPoint> Points;
    std::string Text;
    int Angle = 0;
    TColor Color = 0;  // BandFill colour; Bevel top-left colour
    TColor Color2 = 0; // Bevel bottom-right colour
    int BevelWidth = 0;
    // The state the call was made in.
    otpor::Pen Pen;
    otpor::Brush Brush;
    otpor::Font Font;
    otpor::TextAlign Align;
    BackgroundMode Background = BackgroundMode::Opaque;
};

struct FixedMetrics {
    int CharWidth = 6;   // every character, whatever the font
    int TextHeight = 14; // every text, whatever the font
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(FixedMetrics metrics = {}) : metrics_(metrics) {}

    std::vector<CanvasCall> Calls;

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const TRect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polygon(std::span<const TPoint> points) override;
    void Polyline(std::span<const TPoint> points) override;
    // Recorded as its lines, one call each, like the LineTo calls it stands
    // for; PolylineRuns counts the runs.
    void PolylineTo(std::span<const TPoint> points) override;
    int PolylineRuns = 0;
    void TextOut(int x, int y, std::string_view text) override;
    void RotatedTextOut(int x, int y, std::string_view text, int angleDegrees) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void BandFill(int x, int y, int w, int h, TColor color) override;
    void Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width) override;
    void ClipRect(const TRect& r) override;
    void RemoveClip() override;

    // The calls of one kind, in order.
    std::vector<CanvasCall> CallsOf(CallKind kind) const;

protected:
    void DrawLine(TPoint from, TPoint to) override;

private:
    CanvasCall Make(CallKind kind) const;
    FixedMetrics metrics_;
};

// Number of code points of a UTF-8 text.
int CodePoints(std::string_view utf8);

} // namespace otpor::test
