#include "chart/TCustomAxisPanel.h"

#include <algorithm>

namespace otpor {

TCustomAxisPanel::TCustomAxisPanel()
    : TopAxis(*this, true, true), BottomAxis(*this, true, false), LeftAxis(*this, false, false),
      RightAxis(*this, false, true)
{
    MapAxesOnPlot();
}

void TCustomAxisPanel::MapAxesOnPlot()
{
    for (TChartAxis* axis : {&TopAxis, &BottomAxis, &LeftAxis, &RightAxis})
        axis->SetPlotRect(PlotRect());
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    BeginDestroy();
}

TChartSeries& TCustomAxisPanel::AddSeries(std::unique_ptr<TChartSeries> series)
{
    TChartSeries& s = *series;
    s.SetParentChart(this);
    series_.push_back(std::move(series));
    Invalidate();
    return s;
}

std::unique_ptr<TChartSeries> TCustomAxisPanel::RemoveSeries(TChartSeries& series)
{
    const auto it = std::find_if(series_.begin(), series_.end(),
                                 [&](const std::unique_ptr<TChartSeries>& s) { return s.get() == &series; });
    if (it == series_.end())
        return nullptr;
    std::unique_ptr<TChartSeries> out = std::move(*it);
    series_.erase(it);
    out->SetParentChart(nullptr);
    Invalidate();
    return out;
}

int TCustomAxisPanel::ActiveSeriesCount() const
{
    return static_cast<int>(std::count_if(
        series_.begin(), series_.end(), [](const std::unique_ptr<TChartSeries>& s) { return s->Active(); }));
}

std::string TCustomAxisPanel::LegendText(int n) const
{
    int item = 0;
    for (const auto& s : series_) {
        if (!s->Active() || !s->ShowInLegend())
            continue;
        if (item == n) {
            if (!s->Title().empty())
                return s->Title();
            if (!s->Name().empty())
                return s->Name();
            return "Series " + std::to_string(n);
        }
        ++item;
    }
    return {};
}

bool TCustomAxisPanel::IsAxisShown(const TChartAxis& axis) const
{
    if (!axisVisible_ || !axis.Visible())
        return false;
    return std::any_of(series_.begin(), series_.end(), [&](const std::unique_ptr<TChartSeries>& s) {
        return s->Active() && axis.IsBoundTo(*s);
    });
}

void TCustomAxisPanel::SetSeparators(const FormatSettings& s)
{
    if (s.DecimalSeparator != separators_.DecimalSeparator ||
        s.ThousandSeparator != separators_.ThousandSeparator) {
        separators_ = s;
        Invalidate();
    }
}

void TCustomAxisPanel::CalcAxisSpace(Canvas& canvas)
{
    LeftAxis.CalcRange();
    RightAxis.CalcRange();
    TopAxis.CalcRange();
    BottomAxis.CalcRange();
    NormalizePlotRect();
    // The label step of the strips is found on the plot as it stands before
    // any axis has taken its part.
    MapAxesOnPlot();
    for (TChartAxis* axis : {&LeftAxis, &RightAxis, &TopAxis, &BottomAxis})
        if (IsAxisShown(*axis))
            ReserveAxisSpace(canvas, *axis);
    NormalizePlotRect();
}

void TCustomAxisPanel::ReserveAxisSpace(Canvas& canvas, TChartAxis& axis)
{
    TRect rest = PlotRect();
    axis.ReserveSpace(canvas, rest);
    // An axis that would leave no plot takes nothing.
    const TRect kept = Intersect(PlotRect(), rest);
    if (!kept.IsEmpty())
        ChangePlotRect(kept);
}

TRect TCustomAxisPanel::SeriesMargins(const TChartAxis& axis) const
{
    TRect margins;
    for (const auto& s : series_) {
        if (!s->Active() || !axis.IsBoundTo(*s))
            continue;
        int a = 0;
        int b = 0;
        if (axis.IsHorizontal()) {
            s->CalcHorizMargins(a, b);
            margins.Left = std::max(margins.Left, a);
            margins.Right = std::max(margins.Right, b);
        } else {
            s->CalcVerticalMargins(a, b);
            margins.Top = std::max(margins.Top, a);
            margins.Bottom = std::max(margins.Bottom, b);
        }
    }
    return margins;
}

void TCustomAxisPanel::WidenAxesForMargins()
{
    MapAxesOnPlot();
    for (TChartAxis* axis : {&TopAxis, &LeftAxis, &RightAxis, &BottomAxis})
        axis->WidenForMargins(SeriesMargins(*axis));
}

} // namespace otpor
