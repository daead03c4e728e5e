#include "chart/TChartLegend.h"

#include "platform/Errors.h"

namespace otpor {

namespace {
constexpr int MaxPercent = 100;
}

TChartLegend::TChartLegend(TChartChangeSink* owner)
    : TChartObject(owner), Frame(owner), DividingLines(owner), Font(owner)
{
}

void TChartLegend::SetColorWidth(int percent)
{
    if (percent < 0 || percent > MaxPercent)
        throw LegendException("Legend Color Width must be between 0 and 100 %");
    SetProperty(colorWidth_, percent);
}

void TChartLegend::SetTopPos(int percent)
{
    if (percent < 0 || percent > MaxPercent)
        throw LegendException("Top Legend Position must be between 0 and 100 %");
    SetProperty(topPos_, percent);
}

void TChartLegend::SetFirstValue(int index)
{
    if (index < 0)
        throw LegendException("First Legend Value must be > 0");
    SetProperty(firstValue_, index);
}

} // namespace otpor
