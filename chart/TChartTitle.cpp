#include "chart/TChartTitle.h"

namespace otpor {

namespace {
Font TitleFont()
{
    Font f = ComponentFont();
    f.Color = clBlue;
    return f;
}
} // namespace

TChartTitle::TChartTitle(TChartChangeSink* owner)
    : TChartObject(owner), Font(owner, TitleFont()), Frame(owner), Brush(owner, clNoOwnColor)
{
}

} // namespace otpor
