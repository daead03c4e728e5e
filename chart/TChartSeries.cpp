#include "chart/TChartSeries.h"

#include "chart/TCustomAxisPanel.h"

namespace otpor {

namespace {
const std::string NoLabel;
}

TChartSeries::TChartSeries(std::string name) : name_(std::move(name)) {}

void TChartSeries::SetName(std::string name)
{
    SetProperty(name_, std::move(name));
}
void TChartSeries::SetActive(bool a)
{
    SetProperty(active_, a);
}
void TChartSeries::SetTitle(std::string title)
{
    SetProperty(title_, std::move(title));
}
void TChartSeries::SetSeriesColor(TColor c)
{
    SetProperty(seriesColor_, c);
}
void TChartSeries::SetColorEachPoint(bool c)
{
    SetProperty(colorEachPoint_, c);
}
void TChartSeries::SetShowInLegend(bool s)
{
    SetProperty(showInLegend_, s);
}
void TChartSeries::SetHorizAxis(THorizAxis a)
{
    SetProperty(horizAxis_, a);
}
void TChartSeries::SetVertAxis(TVertAxis a)
{
    SetProperty(vertAxis_, a);
}

void TChartSeries::Changed()
{
    if (parentChart_ != nullptr)
        parentChart_->Invalidate();
}

TColor TChartSeries::PointColor(int index) const
{
    if (index < 0 || index >= static_cast<int>(colors_.size()))
        return seriesColor_;
    const TColor c = colors_[static_cast<std::size_t>(index)];
    return c == clNoOwnColor ? seriesColor_ : c;
}

const std::string& TChartSeries::PointLabel(int index) const
{
    if (index < 0 || index >= static_cast<int>(labels_.size()))
        return NoLabel;
    return labels_[static_cast<std::size_t>(index)];
}

int TChartSeries::AddPoint(double x, double y, std::string_view label, TColor color)
{
    const int i = xValues_.AddValue(x);
    yValues_.InsertValue(i, y);
    const TColor own = color == clDefaultPointColor ? clNoOwnColor : color;
    const auto at = static_cast<std::size_t>(i);
    if (at == colors_.size()) {
        colors_.push_back(own);
        labels_.emplace_back(label);
    } else {
        colors_.insert(colors_.begin() + i, own);
        labels_.emplace(labels_.begin() + i, label);
    }
    if (active_)
        Changed();
    return i;
}

void TChartSeries::ClearValues()
{
    xValues_.Clear();
    yValues_.Clear();
    colors_.clear();
    labels_.clear();
    Changed();
}

int TChartSeries::XScreenPos(int index) const
{
    const TChartAxis* axis = GetHorizAxis();
    return axis != nullptr ? axis->HorizontalValueToPixel(XValue(index)) : 0;
}

int TChartSeries::YScreenPos(int index) const
{
    const TChartAxis* axis = GetVertAxis();
    return axis != nullptr ? axis->VerticalValueToPixel(YValue(index)) : 0;
}

TChartAxis* TChartSeries::GetHorizAxis() const
{
    return parentChart_ != nullptr ? &parentChart_->Axis(horizAxis_) : nullptr;
}

TChartAxis* TChartSeries::GetVertAxis() const
{
    return parentChart_ != nullptr ? &parentChart_->Axis(vertAxis_) : nullptr;
}

void TChartSeries::CalcVisibleRange()
{
    firstVisibleIndex_ = -1;
    lastVisibleIndex_ = -1;
    const int count = Count();
    if (count == 0)
        return;
    const int last = count - 1;
    const TChartAxis* axis = GetHorizAxis();
    if (xValues_.Order() == loNone || axis == nullptr) {
        firstVisibleIndex_ = 0;
        lastVisibleIndex_ = last;
        return;
    }
    const TScaleMap& map = axis->Scale();
    const double low = map.PixelToValue(map.MinPixel());
    const double high = map.PixelToValue(map.MaxPixel());

    int first = 0;
    while (first < count && XValue(first) < low)
        ++first;
    if (first == count)
        return;
    firstVisibleIndex_ = first;
    if (!(XValue(last) > high)) {
        lastVisibleIndex_ = last;
        return;
    }
    int i = first;
    while (i < last && XValue(i) < high)
        ++i;
    lastVisibleIndex_ = i;
}

void TChartSeries::DrawSeries(Canvas&) {}

void TChartSeries::DrawLegendSymbol(Canvas&, const TRect&) {}

int TChartSeries::Clicked(int, int)
{
    return -1;
}

void TChartSeries::CalcHorizMargins(int& left, int& right) const
{
    left = 0;
    right = 0;
}

void TChartSeries::CalcVerticalMargins(int& top, int& bottom) const
{
    top = 0;
    bottom = 0;
}

} // namespace otpor
