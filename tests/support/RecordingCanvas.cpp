#include "support/RecordingCanvas.h"

namespace otpor::test {

int CodePoints(std::string_view utf8)
{
    int n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

CanvasCall RecordingCanvas::Make(CallKind kind) const
{
    CanvasCall call;
    call.Kind = kind;
    call.Pen = Pen();
    call.Brush = Brush();
    call.Font = Font();
    call.Align = TextAlign();
    call.Background = Background();
    return call;
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    auto c = Make(CallKind::Rectangle);
    c.Box = {x1, y1, x2, y2};
    Calls.push_back(std::move(c));
}

void RecordingCanvas::FillRect(const TRect& r)
{
    auto c = Make(CallKind::FillRect);
    c.Box = r;
    Calls.push_back(std::move(c));
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    auto c = Make(CallKind::Ellipse);
    c.Box = {x1, y1, x2, y2};
    Calls.push_back(std::move(c));
}

void RecordingCanvas::Polygon(std::span<const TPoint> points)
{
    auto c = Make(CallKind::Polygon);
    c.Points.assign(points.begin(), points.end());
    Calls.push_back(std::move(c));
}

void RecordingCanvas::Polyline(std::span<const TPoint> points)
{
    auto c = Make(CallKind::Polyline);
    c.Points.assign(points.begin(), points.end());
    Calls.push_back(std::move(c));
}

void RecordingCanvas::PolylineTo(std::span<const TPoint> points)
{
    ++PolylineRuns;
    Canvas::PolylineTo(points);
}

void RecordingCanvas::DrawLine(TPoint from, TPoint to)
{
    auto c = Make(CallKind::Line);
    c.Points = {from, to};
    Calls.push_back(std::move(c));
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text)
{
    auto c = Make(CallKind::TextOut);
    c.Points = {{x, y}};
    c.Text = text;
    Calls.push_back(std::move(c));
}

void RecordingCanvas::RotatedTextOut(int x, int y, std::string_view text, int angleDegrees)
{
    auto c = Make(CallKind::RotatedTextOut);
    c.Points = {{x, y}};
    c.Text = text;
    c.Angle = angleDegrees;
    Calls.push_back(std::move(c));
}

int RecordingCanvas::TextWidth(std::string_view text)
{
    return metrics_.CharWidth * CodePoints(text);
}

int RecordingCanvas::TextHeight(std::string_view)
{
    return metrics_.TextHeight;
}

void RecordingCanvas::BandFill(int x, int y, int w, int h, TColor color)
{
    auto c = Make(CallKind::BandFill);
    c.Box = {x, y, x + w, y + h};
    c.Color = color;
    Calls.push_back(std::move(c));
}

void RecordingCanvas::Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width)
{
    auto c = Make(CallKind::Bevel);
    c.Box = r;
    c.Color = topLeft;
    c.Color2 = bottomRight;
    c.BevelWidth = width;
    Calls.push_back(std::move(c));
}

void RecordingCanvas::ClipRect(const TRect& r)
{
    auto c = Make(CallKind::ClipRect);
    c.Box = r;
    Calls.push_back(std::move(c));
}

void RecordingCanvas::RemoveClip()
{
    Calls.push_back(Make(CallKind::RemoveClip));
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CallKind kind) const
{
    std::vector<CanvasCall> out;
    for (const auto& c : Calls)
        if (c.Kind == kind)
            out.push_back(c);
    return out;
}

} // namespace otpor::test
