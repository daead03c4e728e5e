// A wall of the chart; in two dimensions only the back wall is drawn, as the
// framed rectangle behind the traces (black in the oscillograph).
#pragma once

#include "chart/TChartBrush.h"
#include "chart/TChartObject.h"
#include "chart/TChartPen.h"

namespace otpor {

class TChartWall : public TChartObject {
public:
    TChartWall(TChartChangeSink* owner, BrushStyle brushStyle)
        : TChartObject(owner), Brush(owner, clWhite, brushStyle), Pen(owner)
    {
    }

    // clNoOwnColor: the wall takes the brush as it is (clear when solid).
    TColor Color() const { return color_; }
    void SetColor(TColor c) { SetProperty(color_, c); }
    // Depth in three dimensions, px; not drawn in two.
    int Size() const { return size_; }
    void SetSize(int px) { SetProperty(size_, px); }

    TChartBrush Brush;
    TChartPen Pen;

private:
    TColor color_ = clNoOwnColor;
    int size_ = 0;
};

} // namespace otpor
