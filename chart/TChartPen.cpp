#include "chart/TChartPen.h"

namespace otpor {

TChartPen::TChartPen(TChartChangeSink* owner, TColor color, int width, PenStyle style, bool visible)
    : TChartObject(owner), color_(color), width_(width), style_(style), visible_(visible)
{
}

void TChartPen::Assign(const TChartPen& other)
{
    SetColor(other.color_);
    SetWidth(other.width_);
    SetStyle(other.style_);
    SetMode(other.mode_);
    SetVisible(other.visible_);
}

void TChartPen::AssignTo(Canvas& canvas) const
{
    AssignTo(canvas, color_);
}

void TChartPen::AssignTo(Canvas& canvas, TColor color) const
{
    if (!visible_) {
        canvas.SetPenStyle(PenStyle::Clear);
        return;
    }
    canvas.SetPen({IsSystemColor(color) ? ColorToRGB(color) : color, width_, style_, mode_});
}

} // namespace otpor
