// A series drawn with a line between its points; this system's traces are
// its line-series kind. Each segment takes the colour of the point it ends
// at (LinePen's own colour is replaced at drawing time), a point coloured
// clNone breaks the line, and the line enters the plot at its left edge at
// the height it has there. Client px; X in mm, Y in N for the oscillograph.
#pragma once

#include "chart/TChartPen.h"
#include "chart/TChartSeries.h"

#include <vector>

namespace otpor {

class TCustomSeries : public TChartSeries {
public:
    // Pixels beyond this distance from the origin are not handed to the
    // canvas: a point that far out is skipped.
    static constexpr int MaxScreenCoordinate = 32766;

    explicit TCustomSeries(std::string name = {}) : TChartSeries(std::move(name)) {}

    TChartPen LinePen{this};

    // The visible points, clipped to the inside of the back wall's frame when
    // the chart clips; no heap allocation per point.
    void DrawSeries(Canvas& canvas) override;
    // The segment that ends at point index, from the previously drawn point
    // (or from the plot's edge for the first visible point).
    virtual void DrawValue(Canvas& canvas, int index);
    // A horizontal line in SeriesColor across the middle of rect.
    void DrawLegendSymbol(Canvas& canvas, const TRect& rect) override;
    // A drawn point, or a pixel within about one pixel of a drawn segment,
    // inside the part of the plot the series is clipped to.
    int Clicked(int x, int y) override;

    // The previously drawn point and its colour during DrawSeries.
    int LastX() const { return lastX_; }
    int LastY() const { return lastY_; }
    TColor LastColor() const { return lastColor_; }

private:
    static bool OnScreen(int p) { return p >= -MaxScreenCoordinate && p <= MaxScreenCoordinate; }
    // Where the line enters the plot on its way to the first visible point i
    // (i > 0): LastX, LastY at the edge, at the height interpolated between
    // points i - 1 and i.
    void EnterAtPlotEdge(int index);
    // The segment from (LastX, LastY) to (x, y) in colour, unless it has no
    // length or the colour is clNone. During DrawSeries it joins the run of
    // segments in hand when it continues it in the same colour.
    void DrawSegment(Canvas& canvas, int x, int y, TColor color);
    // Draws the run in hand as one call and empties it.
    void FlushRun(Canvas& canvas);
    // The rectangle the series' drawing is clipped to.
    TRect ClipBox() const;

    int lastX_ = 0;
    int lastY_ = 0;
    TColor lastColor_ = clNone;

    // Joined segments of one colour not yet drawn: their points in order.
    // The storage is kept from paint to paint.
    bool collecting_ = false;
    std::vector<TPoint> run_;
    TColor runColor_ = clNone;
};

} // namespace otpor
