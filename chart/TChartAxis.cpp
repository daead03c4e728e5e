#include "chart/TChartAxis.h"

#include "chart/FormatFloat.h"
#include "chart/TCustomAxisPanel.h"
#include "platform/Errors.h"
#include "platform/Numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace otpor {

namespace {

// A range narrower than this is widened to it.
constexpr double MinRangeWidth = 1e-10;
// The label walk draws nothing beyond these many steps, or when the top of
// the range lies this many steps from zero.
constexpr double MaxLabelSteps = 10000;
constexpr double MaxLabelIndex = 2147483647.0;
constexpr double PercentFactor = 0.01;
constexpr int LeftAxisTitleAngle = 90;
constexpr int RightAxisTitleAngle = 270;
constexpr int StraightAngle = 180;

int ClampToInt(std::int64_t v)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

TChartAxis::TChartAxis(TCustomAxisPanel& chart, bool horizontal, bool otherSide)
    : TChartObject(&chart), LabelsFont(&chart), Ticks(&chart), TicksInner(&chart), MinorTicks(&chart),
      Grid(&chart), Axis(&chart),
      Title(&chart, horizontal ? 0 : (otherSide ? RightAxisTitleAngle : LeftAxisTitleAngle)), chart_(chart),
      horizontal_(horizontal), otherSide_(otherSide)
{
}

bool TChartAxis::IsBoundTo(const TChartSeries& series) const
{
    if (horizontal_)
        return series.HorizAxis() == (otherSide_ ? aTopAxis : aBottomAxis);
    return series.VertAxis() == (otherSide_ ? aRightAxis : aLeftAxis);
}

// --- range ---------------------------------------------------------------

void TChartAxis::SetAutomatic(bool a)
{
    if (a != automatic_ || a != automaticMinimum_ || a != automaticMaximum_) {
        automatic_ = automaticMinimum_ = automaticMaximum_ = a;
        Changed();
    }
}

void TChartAxis::SetAutomaticMaximum(bool a)
{
    if (a != automaticMaximum_ || (!a && automatic_)) {
        automaticMaximum_ = a;
        if (!a)
            automatic_ = false;
        Changed();
    }
}

void TChartAxis::SetAutomaticMinimum(bool a)
{
    if (a != automaticMinimum_ || (!a && automatic_)) {
        automaticMinimum_ = a;
        if (!a)
            automatic_ = false;
        Changed();
    }
}

void TChartAxis::SetMaximum(double v)
{
    if (!(v >= minimum_))
        throw AxisException("Axis Maximum Value must be >= Minimum");
    SetProperty(maximum_, v);
}

void TChartAxis::SetMinimum(double v)
{
    if (!(v <= maximum_))
        throw AxisException("Axis Minimum Value must be <= Maximum");
    SetProperty(minimum_, v);
}

void TChartAxis::SetRange(double min, double max)
{
    if (automatic_ || automaticMinimum_ || automaticMaximum_) {
        automatic_ = automaticMinimum_ = automaticMaximum_ = false;
        Changed();
    }
    if (min > max) {
        SetProperty(minimum_, max);
        SetProperty(maximum_, min);
    } else {
        SetProperty(minimum_, min);
        SetProperty(maximum_, max);
    }
    if (maximum_ - minimum_ < MinRangeWidth) {
        SetProperty(minimum_, min);
        SetProperty(maximum_, max + MinRangeWidth);
    }
}

void TChartAxis::CalcRange()
{
    const bool automaticMax = automatic_ || automaticMaximum_;
    const bool automaticMin = automatic_ || automaticMinimum_;
    if (automaticMax || automaticMin) {
        bool any = false;
        double lo = 0;
        double hi = 0;
        for (int i = 0; i < chart_.SeriesCount(); ++i) {
            const TChartSeries& s = chart_.Series(i);
            if (!s.Active() || s.Count() == 0 || !IsBoundTo(s))
                continue;
            const double sMin = horizontal_ ? s.MinXValue() : s.MinYValue();
            const double sMax = horizontal_ ? s.MaxXValue() : s.MaxYValue();
            if (!any || sMin < lo)
                lo = sMin;
            if (!any || sMax > hi)
                hi = sMax;
            any = true;
        }
        // Written directly: the data decides, no checks and no repaint.
        if (automaticMax)
            maximum_ = hi;
        if (automaticMin)
            minimum_ = lo;
    }
    rangeMax_ = maximum_;
    rangeMin_ = minimum_;
    rangeSize_ = rangeMax_ - rangeMin_;
    UpdateScale();
}

// --- properties ----------------------------------------------------------

void TChartAxis::SetInverted(bool i)
{
    SetProperty(inverted_, i);
    UpdateScale();
}

void TChartAxis::SetIncrement(double v)
{
    if (!(v >= 0))
        throw AxisException("Axis increment must be >= 0");
    SetProperty(increment_, v);
}

void TChartAxis::SetLabelsSeparation(int percent)
{
    if (percent < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    SetProperty(labelsSeparation_, percent);
}

// --- mapping -------------------------------------------------------------

void TChartAxis::SetPlotRect(const TRect& plot)
{
    scale_ = {horizontal_, plot, rangeMin_, rangeMax_, inverted_};
}

void TChartAxis::UpdateScale()
{
    SetPlotRect(scale_.Plot());
}

int TChartAxis::HorizontalValueToPixel(double v) const
{
    if (horizontal_)
        return scale_.ValueToPixel(v);
    return TScaleMap(true, scale_.Plot(), rangeMin_, rangeMax_, inverted_).ValueToPixel(v);
}

int TChartAxis::VerticalValueToPixel(double v) const
{
    if (!horizontal_)
        return scale_.ValueToPixel(v);
    return TScaleMap(false, scale_.Plot(), rangeMin_, rangeMax_, inverted_).ValueToPixel(v);
}

// --- labels --------------------------------------------------------------

bool TChartAxis::IsVerticalAngle(int angle) const
{
    return angle != 0 && angle != StraightAngle;
}

double TChartAxis::CalcLabelStep(Canvas& canvas) const
{
    canvas.SetFont(LabelsFont.Value());
    const bool straight = !IsVerticalAngle(labelsAngle_);
    int size = 0;
    if (horizontal_ == straight)
        size = std::max(canvas.TextWidth(Label(rangeMax_)), canvas.TextWidth(Label(rangeMin_)));
    else
        size = FontHeight(canvas);
    if (labelsSeparation_ > 0)
        size += Round(labelsSeparation_ * PercentFactor * size);
    const int count = size <= 0 ? 1 : Round(double(scale_.Length()) / size);
    return count > 0 ? StepForLabelCount(count) : MinStep;
}

double TChartAxis::StepForLabelCount(int n) const
{
    double step = increment_;
    if (!(step > 0))
        step = std::fabs(rangeSize_) >= 1 ? 1 : MinStep;
    if (n > 0 && labelsSeparation_ > 0) {
        std::int64_t count = std::int64_t{n} + 1;
        while (count > n && std::isfinite(step)) {
            const double q = rangeSize_ / step;
            if (std::fabs(q) < MaxLabelIndex) {
                count = Round(q);
                if (count > n)
                    step = NextStep(step);
            } else {
                step = NextStep(step);
            }
        }
    }
    return std::max(step, MinStep);
}

double TChartAxis::NextStep(double s)
{
    // A step that is not a positive finite number has no successor.
    if (!(s > 0) || !std::isfinite(s))
        return s > 0 ? s : MinStep;
    int decadesUp = 0;
    int decadesDown = 0;
    while (s >= 10) {
        s = s / 10;
        ++decadesUp;
    }
    while (s < 1) {
        s = s * 10;
        ++decadesDown;
    }
    double next = s < 2 ? 2 : (s < 5 ? 5 : 10);
    // Scaled back in the same order as the decades were taken off.
    for (; decadesUp > 0; --decadesUp)
        next = 10 * next;
    for (; decadesDown > 0; --decadesDown)
        next = 0.1 * next;
    return next;
}

const std::string& TChartAxis::Label(double v) const
{
    const FormatSettings& separators = chart_.Separators();
    if (labelFormat_ != axisValuesFormat_ ||
        labelSeparators_.DecimalSeparator != separators.DecimalSeparator ||
        labelSeparators_.ThousandSeparator != separators.ThousandSeparator) {
        labelFormat_ = axisValuesFormat_;
        labelSeparators_ = separators;
        for (LabelEntry& e : labelTexts_)
            e.Used = 0;
    }
    LabelEntry* oldest = &labelTexts_[0];
    for (LabelEntry& e : labelTexts_) {
        if (e.Used != 0 && e.Value == v) {
            e.Used = ++labelClock_;
            return e.Text;
        }
        if (e.Used < oldest->Used)
            oldest = &e;
    }
    oldest->Value = v;
    oldest->Text = FormatFloat(axisValuesFormat_, v, separators);
    oldest->Used = ++labelClock_;
    return oldest->Text;
}

int TChartAxis::MaxLabelWidth(Canvas& canvas) const
{
    double lo = rangeMin_;
    double hi = rangeMax_;
    if (roundFirstLabel_) {
        const double step = CalcLabelStep(canvas);
        lo = step * std::trunc(rangeMin_ / step);
        hi = step * std::trunc(rangeMax_ / step);
    }
    return std::max(canvas.TextWidth(Label(hi)), canvas.TextWidth(Label(lo))) +
           canvas.TextWidth(" ");
}

// --- layout --------------------------------------------------------------

void TChartAxis::ReserveSpace(Canvas& canvas, TRect& rect)
{
    // Takes size px off the axis' side of rect and returns the new edge.
    const auto take = [&](int size) {
        if (horizontal_) {
            if (otherSide_)
                return rect.Top += size;
            return rect.Bottom -= size;
        }
        if (otherSide_)
            return rect.Right -= size;
        return rect.Left += size;
    };

    if (!Title.Caption().empty()) {
        int size = titleSize_;
        if (size == 0) {
            canvas.SetFont(Title.Font.Value());
            const bool across = horizontal_ != IsVerticalAngle(Title.Angle());
            size = across ? FontHeight(canvas) : canvas.TextWidth(Title.Caption());
        }
        titlePos_ = take(size);
    }
    if (labels_) {
        int size = labelsSize_;
        if (size == 0) {
            canvas.SetFont(LabelsFont.Value());
            const bool across = horizontal_ != IsVerticalAngle(labelsAngle_);
            size = across ? FontHeight(canvas) : MaxLabelWidth(canvas);
        }
        labelsPos_ = take(size);
    }
    int size = Axis.Visible() ? Axis.Width() : 0;
    if (Ticks.Visible())
        size += tickLength_;
    if (MinorTicks.Visible())
        size = std::max(size, minorTickLength_);
    if (size > 0)
        take(size);
}

void TChartAxis::WidenForMargins(const TRect& margins)
{
    const int before = horizontal_ ? margins.Left : margins.Top;
    const int after = horizontal_ ? margins.Right : margins.Bottom;
    if (before == 0 && after == 0)
        return;
    // The mapping on the plot shrunk by the margins, read at the plot's edges.
    const TScaleMap shrunk = scale_.Shrunk(before, after);
    if (shrunk.Length() <= 0)
        return;
    const TRect& r = scale_.Plot();
    double lo = shrunk.PixelToValue(horizontal_ ? r.Left : r.Top);
    double hi = shrunk.PixelToValue(horizontal_ ? r.Right : r.Bottom);
    if (lo > hi)
        std::swap(lo, hi);
    rangeMin_ = lo;
    rangeMax_ = hi;
    rangeSize_ = rangeMax_ - rangeMin_;
    UpdateScale();
}

// --- drawing -------------------------------------------------------------

void TChartAxis::DrawAxis(Canvas& canvas)
{
    canvas.SetFont(LabelsFont.Value());
    const double step = CalcLabelStep(canvas);
    const TRect& r = scale_.Plot();
    if (horizontal_)
        axisPos_ = otherSide_ ? r.Top : r.Bottom;
    else
        axisPos_ = otherSide_ ? r.Right : r.Left;

    if (!Title.Caption().empty())
        DrawTitle(canvas);
    if (step > 0 && rangeMax_ >= rangeMin_) {
        lastTickPos_ = -1;
        DrawLabels(canvas, step);
    }
    if (Axis.Visible()) {
        Axis.AssignTo(canvas);
        if (horizontal_) {
            canvas.MoveTo(r.Left, axisPos_);
            canvas.LineTo(r.Right, axisPos_);
        } else {
            canvas.MoveTo(axisPos_, r.Top);
            canvas.LineTo(axisPos_, r.Bottom);
        }
    }
    canvas.SetTextAlign({});
}

void TChartAxis::DrawTitle(Canvas& canvas)
{
    canvas.SetFont(Title.Font.Value());
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    if (horizontal_) {
        // Centred on the plot, against the plot's side of the title strip.
        canvas.SetTextAlign(
            {HorizontalAlign::Center, otherSide_ ? VerticalAlign::Bottom : VerticalAlign::Top});
        if (Title.Angle() == 0)
            canvas.TextOut(scale_.Centre(), titlePos_, Title.Caption());
        else
            canvas.RotatedTextOut(scale_.Centre(), titlePos_, Title.Caption(), Title.Angle());
        return;
    }
    // Turned text, centred on the plot, its foot on the strip's plot side.
    canvas.SetTextAlign({HorizontalAlign::Center, VerticalAlign::Bottom});
    canvas.RotatedTextOut(titlePos_, scale_.Centre(), Title.Caption(), Title.Angle());
}

void TChartAxis::DrawLabels(Canvas& canvas, double step)
{
    if (std::fabs(rangeMax_ / step) >= MaxLabelIndex || std::fabs(rangeSize_ / step) >= MaxLabelSteps)
        return;
    canvas.SetFont(LabelsFont.Value());
    labelFontHeight_ = FontHeight(canvas);

    double v = rangeMax_;
    if (rangeMin_ != rangeMax_ && roundFirstLabel_)
        v = step * std::trunc(rangeMax_ / step);
    if (labelsOnAxis_) {
        while (v > rangeMax_)
            v -= step;
        while (v >= rangeMin_) {
            PlaceLabel(canvas, v);
            v -= step;
        }
    } else {
        while (v >= rangeMax_)
            v -= step;
        while (v > rangeMin_) {
            PlaceLabel(canvas, v);
            v -= step;
        }
    }
}

void TChartAxis::PlaceLabel(Canvas& canvas, double v)
{
    const int p = ValueToPixel(v);
    if (!tickOnLabelsOnly_)
        DrawTicksAndGrid(canvas, p, v);
    if (labels_) {
        const std::string& text = Label(v);
        if (tickOnLabelsOnly_)
            DrawTicksAndGrid(canvas, p, v);
        DrawLabelText(canvas, p, text);
    }
}

void TChartAxis::DrawTicksAndGrid(Canvas& canvas, int p, double v)
{
    if (Ticks.Visible()) {
        Ticks.AssignTo(canvas);
        DrawTick(canvas, p, tickLength_, false);
    }
    // No grid line over the frame at either end of the range.
    if (Grid.Visible() && v != rangeMax_ && v != rangeMin_) {
        if (!gridCentered_)
            DrawGridLine(canvas, p);
        else if (lastTickPos_ >= 0)
            DrawGridLine(canvas, Round((double(lastTickPos_) + p) / 2));
    }
    if (TicksInner.Visible()) {
        TicksInner.AssignTo(canvas);
        DrawTick(canvas, p, tickInnerLength_, true);
    }
    if (MinorTicks.Visible() && lastTickPos_ >= 0 && minorTickCount_ > 0) {
        MinorTicks.AssignTo(canvas);
        const double gap = (double(p) - lastTickPos_) / (minorTickCount_ + 1);
        for (int i = 1; i <= minorTickCount_; ++i)
            DrawTick(canvas, ClampToInt(std::int64_t{p} - Round(i * gap)), minorTickLength_, false);
    }
    lastTickPos_ = p;
}

void TChartAxis::DrawTick(Canvas& canvas, int p, int length, bool inner)
{
    if (length == 0)
        return;
    // Outwards is down for the bottom axis, up for the top one, left for the
    // left axis and right for the right one; a tick starts 1 px off the line.
    const int outwards = (horizontal_ != otherSide_) ? 1 : -1;
    const int dir = inner ? -outwards : outwards;
    const int start = axisPos_ + dir;
    const int end = start + dir * length;
    if (horizontal_) {
        canvas.MoveTo(p, start);
        canvas.LineTo(p, end);
    } else {
        canvas.MoveTo(start, p);
        canvas.LineTo(end, p);
    }
}

void TChartAxis::DrawGridLine(Canvas& canvas, int p)
{
    Grid.AssignTo(canvas, Grid.Color() == clNoOwnColor ? clGray : Grid.Color());
    canvas.SetBrushStyle(BrushStyle::Clear);
    // The gaps of the dotted line show what lies beneath.
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    const TRect& r = scale_.Plot();
    const int inwards = (horizontal_ != otherSide_) ? -1 : 1;
    if (horizontal_) {
        canvas.MoveTo(p, axisPos_ + inwards);
        canvas.LineTo(p, otherSide_ ? r.Bottom : r.Top);
    } else {
        canvas.MoveTo(axisPos_ + inwards, p);
        canvas.LineTo(otherSide_ ? r.Left : r.Right, p);
    }
    canvas.SetBackgroundMode(BackgroundMode::Opaque);
}

void TChartAxis::DrawLabelText(Canvas& canvas, int p, const std::string& text)
{
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    int x = p;
    int y = labelsPos_;
    if (horizontal_) {
        canvas.SetTextAlign(
            {HorizontalAlign::Center, otherSide_ ? VerticalAlign::Bottom : VerticalAlign::Top});
    } else {
        canvas.SetTextAlign(
            {otherSide_ ? HorizontalAlign::Left : HorizontalAlign::Right, VerticalAlign::Top});
        x = labelsPos_;
        y = p - labelFontHeight_ / 2;
    }
    if (labelsAngle_ == 0)
        canvas.TextOut(x, y, text);
    else
        canvas.RotatedTextOut(x, y, text, labelsAngle_);
}

} // namespace otpor
