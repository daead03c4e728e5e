#include "chart/TCustomSeries.h"

#include "chart/TCustomAxisPanel.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace otpor {

namespace {

// Whether (x, y) lies within about one pixel of the segment from a to b and
// inside the segment's bounding box: the cross product of (p - a) and
// (b - a), which is the distance times the length, stays below the larger
// of the segment's extents.
bool NearSegment(TPoint a, TPoint b, int x, int y)
{
    if (x < std::min(a.X, b.X) || x > std::max(a.X, b.X) || y < std::min(a.Y, b.Y) || y > std::max(a.Y, b.Y))
        return false;
    const std::int64_t dx = std::int64_t{b.X} - a.X;
    const std::int64_t dy = std::int64_t{b.Y} - a.Y;
    const std::int64_t d = std::max(std::llabs(dx), std::llabs(dy));
    const std::int64_t cross = (std::int64_t{x} - a.X) * dy - (std::int64_t{y} - a.Y) * dx;
    return std::llabs(cross) < d;
}

} // namespace

TRect TCustomSeries::ClipBox() const
{
    // Inside the back wall's frame: its left column and top and bottom rows
    // stay free; its right column lies on PlotRect.Right, already outside.
    const TRect& r = ParentChart()->PlotRect();
    return {r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1};
}

void TCustomSeries::DrawSeries(Canvas& canvas)
{
    TCustomAxisPanel* chart = ParentChart();
    if (chart == nullptr)
        return;
    CalcVisibleRange();
    if (FirstVisibleIndex() < 0)
        return;
    if (BeforeDrawValues)
        BeforeDrawValues();
    const bool clip = chart->ClipPoints();
    if (clip)
        canvas.ClipRect(ClipBox());
    // Nothing of the previous paint carries over: a first point that is
    // skipped must not draw from where the last paint ended.
    lastX_ = 0;
    lastY_ = 0;
    lastColor_ = clNone;
    // A run of segments of one colour, each starting where the last ended, is
    // drawn in one call: the same lines, without a pen change between them.
    collecting_ = true;
    run_.clear();
    for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i)
        DrawValue(canvas, i);
    FlushRun(canvas);
    collecting_ = false;
    if (clip)
        canvas.RemoveClip();
    if (AfterDrawValues)
        AfterDrawValues();
}

void TCustomSeries::DrawValue(Canvas& canvas, int index)
{
    const int x = XScreenPos(index);
    const int y = YScreenPos(index);
    if (!OnScreen(x) || !OnScreen(y))
        return;
    const TColor color = PointColor(index);
    if (lastColor_ == clNone) {
        lastX_ = x;
        lastY_ = y;
    }
    if (index == FirstVisibleIndex()) {
        if (index > 0) {
            EnterAtPlotEdge(index);
            // An entry height as far out as a skipped point is not drawn either.
            if (PointColor(index - 1) != clNone && OnScreen(lastY_))
                DrawSegment(canvas, x, y, color);
        }
    } else {
        DrawSegment(canvas, x, y, color);
    }
    lastX_ = x;
    lastY_ = y;
    lastColor_ = color;
}

void TCustomSeries::EnterAtPlotEdge(int index)
{
    const TScaleMap& horizontal = GetHorizAxis()->Scale();
    lastX_ = horizontal.MinPixel();
    // PixelToValue gives 0 on a plot without width.
    const double xv = horizontal.PixelToValue(lastX_);
    const double x0 = XValue(index - 1);
    const double x1 = XValue(index);
    if (x1 == x0) {
        lastY_ = YScreenPos(index - 1);
        return;
    }
    const double y0 = YValue(index - 1);
    const double y1 = YValue(index);
    lastY_ = GetVertAxis()->VerticalValueToPixel(y0 + (y1 - y0) * (xv - x0) / (x1 - x0));
}

void TCustomSeries::DrawSegment(Canvas& canvas, int x, int y, TColor color)
{
    if ((x == lastX_ && y == lastY_) || color == clNone)
        return;
    if (collecting_) {
        const bool continues = !run_.empty() && color == runColor_ && run_.back() == TPoint{lastX_, lastY_};
        if (!continues) {
            FlushRun(canvas);
            run_.push_back({lastX_, lastY_});
            runColor_ = color;
        }
        run_.push_back({x, y});
        return;
    }
    LinePen.AssignTo(canvas, color);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.MoveTo(lastX_, lastY_);
    canvas.LineTo(x, y);
}

void TCustomSeries::FlushRun(Canvas& canvas)
{
    if (run_.size() >= 2) {
        LinePen.AssignTo(canvas, runColor_);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.MoveTo(run_.front().X, run_.front().Y);
        canvas.PolylineTo(std::span<const TPoint>(run_).subspan(1));
    }
    run_.clear();
}

void TCustomSeries::DrawLegendSymbol(Canvas& canvas, const TRect& rect)
{
    if (ColorEachPoint() || SeriesColor() == clNone)
        return;
    LinePen.AssignTo(canvas, SeriesColor());
    canvas.SetBrushStyle(BrushStyle::Clear);
    const int middle = (rect.Top + rect.Bottom) / 2;
    canvas.MoveTo(rect.Left, middle);
    canvas.LineTo(rect.Right, middle);
}

int TCustomSeries::Clicked(int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    if (chart == nullptr)
        return -1;
    // Only what can be seen is hit: a line cut off by the clip passes under
    // the title and the legend without taking their presses.
    if (chart->ClipPoints() && !ClipBox().Contains(x, y))
        return -1;
    // The points may have been replaced since the last paint.
    CalcVisibleRange();
    if (FirstVisibleIndex() < 0)
        return -1;
    bool joined = false;
    TPoint previous;
    for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
        const TPoint p{XScreenPos(i), YScreenPos(i)};
        if (!OnScreen(p.X) || !OnScreen(p.Y))
            continue;
        if (PointColor(i) == clNone) {
            joined = false;
            continue;
        }
        if (p.X == x && p.Y == y)
            return i;
        if (joined && NearSegment(previous, p, x, y))
            return i;
        previous = p;
        joined = true;
    }
    return -1;
}

} // namespace otpor
