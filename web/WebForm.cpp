#include "web/WebForm.h"

#include "chart/Oscillograph.h"
#include "scene/SceneDrawing.h"
#include "sim/InputHandlers.h"

namespace otpor::web {

const std::array<SpinLayout, SpinCount> SpinLayouts = {{
    {"SpinEdit1", "GroupBox2", 176, 24, 17, 2, 40, 1, 2},
    {"SpinEdit2", "GroupBox1", 160, 24, 41, 30, 90, 1, 45},
    {"SpinEdit3", "GroupBox1", 160, 48, 41, 0, 15, 1, 15},
    {"SpinEdit4", "GroupBox1", 160, 96, 41, 30, 60, 1, 45},
    {"SpinEdit5", "GroupBox1", 160, 72, 41, -5, 5, 1, 0},
    {"SpinEdit6", "GroupBox2", 176, 56, 17, 5, 50, 1, 17},
    {"SpinEdit7", "GroupBox2", 144, 88, 49, 10, 200, 1, 50},
    {"SpinEdit8", "Form1", 152, 504, 57, 0, 5000, 50, 1000},
    {"SpinEdit9", "Form1", 184, 408, 41, 1, 10, 1, 1},
}};

class WebForm::SeriesAdapter : public SeriesSink {
public:
    explicit SeriesAdapter(TChartSeries& series) : series_(series) {}
    void ClearValues() override { series_.ClearValues(); }
    void AddPoint(double x, double y, std::string_view label, TColor color) override
    {
        series_.AddPoint(x, y, label, color);
    }

private:
    TChartSeries& series_;
};

WebForm::WebForm(Host& host, const FormatSettings& format)
    : host_(host), format_(format), chart_(std::make_unique<TChart>()), picture_(PictureWidth, PictureHeight),
      chartPicture_(OscillographWidth, OscillographHeight)
{
    chart_->SetSeparators(format_);
    const OscillographSeries traces = ConfigureOscillograph(*chart_);
    series_[0] = std::make_unique<SeriesAdapter>(traces.Series1);
    series_[1] = std::make_unique<SeriesAdapter>(traces.Series2);
    series_[2] = std::make_unique<SeriesAdapter>(traces.Series3);
    chart_->SetOnInvalidate([this] { host_.InvalidateChart(); });

    // Limits first, then the start value, without change events.
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        const SpinLayout& s = SpinLayouts[i];
        SpinModel& spin = spins_[i];
        spin.SetDecimalSeparator(format_.DecimalSeparator);
        spin.BeginInit();
        spin.SetMinValue(s.Min);
        spin.SetMaxValue(s.Max);
        spin.SetIncrement(s.Increment);
        spin.SetValue(s.Value);
        spin.EndInit();
    }

    otpor::FormCreate(state_);
    DrawWorkpieceAndTool();
}

WebForm::~WebForm()
{
    chart_->SetOnInvalidate({});
}

SpinEffects WebForm::ApplySpin(int index, SpinEffects effects)
{
    if (effects.TextSet)
        host_.SetSpinText(index, effects.NewText);
    if (!effects.Changed)
        return effects;
    std::string failure;
    try {
        SpinEditChange(index);
        return effects;
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "Unknown error";
    }
    const SpinEffects failed = Spin(index).OnChangeFailed(std::move(failure));
    if (failed.StopTimer) {
        effects.StopTimer = true;
        effects.ArmTimer = 0;
    }
    effects.Error = failed.Error;
    return effects;
}

void WebForm::SpinEditChange(int index)
{
    const std::string text = Spin(index).Text();
    InputResponse r;
    switch (index) {
    case 0:
        r = SpinEdit1Change(state_, text, format_);
        break;
    case 1:
        r = SpinEdit2Change(state_, text);
        break;
    case 2:
        r = SpinEdit3Change(state_, text);
        break;
    case 3:
        r = SpinEdit4Change(state_, text);
        break;
    case 4:
        r = SpinEdit5Change(state_, text);
        break;
    case 5:
        r = SpinEdit6Change(state_, text, format_);
        break;
    case 6:
        r = SpinEdit7Change(state_, text);
        break;
    case 7:
        r = SpinEdit8Change(state_, text);
        break;
    default:
        r = SpinEdit9Change(state_, text);
        break;
    }
    if (r.Edit1Text)
        host_.SetEditText(1, *r.Edit1Text);
    if (r.Edit2Text)
        host_.SetEditText(2, *r.Edit2Text);
    if (r.RedrawScene)
        DrawWorkpieceAndTool();
    if (r.LeftAxisMaximum)
        SetLeftAxisMaximum(*r.LeftAxisMaximum);
}

void WebForm::SetLeftAxisMaximum(int maximum)
{
    // The axis may refuse the maximum (below a zoomed minimum); then the
    // minimum is not set either.
    chart_->LeftAxis.SetMaximum(maximum);
    chart_->LeftAxis.SetMinimum(0);
}

void WebForm::ComboBox1Change(int itemIndex)
{
    otpor::ComboBox1Change(state_, itemIndex);
}

void WebForm::ComboBox2Change(int itemIndex)
{
    otpor::ComboBox2Change(state_, itemIndex);
}

void WebForm::PaintChart()
{
    const int w = chartPicture_.Width();
    const int h = chartPicture_.Height();
    if (!chart_->Buffered() || chart_->BufferStale()) {
        chartPicture_.BeginPicture();
        chart_->Draw(chartPicture_, {0, 0, w, h});
        // The paint sequence drew the band of a drag in progress; take it off
        // so that the picture holds the chart alone.
        if (chart_->ZoomRecord().Active)
            chart_->DrawZoomRect(chartPicture_);
    }
    // During a drag the band is shown over the current picture without laying
    // the chart out anew: drawn in not-xor, shown, and drawn again to take it off.
    const bool band = chart_->ZoomRecord().Active;
    if (band)
        chart_->DrawZoomRect(chartPicture_);
    host_.ShowChart(chartPicture_);
    if (band)
        chart_->DrawZoomRect(chartPicture_);
}

SeriesSink& WebForm::Series1()
{
    return *series_[0];
}
SeriesSink& WebForm::Series2()
{
    return *series_[1];
}
SeriesSink& WebForm::Series3()
{
    return *series_[2];
}

void WebForm::DrawWorkpieceAndTool()
{
    otpor::DrawWorkpieceAndTool(picture_, state_.Scene);
    host_.InvalidatePicture();
}

void WebForm::DrawForces()
{
    otpor::DrawForces(picture_, state_.Scene, state_.Arrows());
    host_.InvalidatePicture();
}

void WebForm::SetTimerEnabled(bool enabled)
{
    if (enabled && warningOpen_ && !timerEnabled_) {
        timerWaitsForWarning_ = true;
        return;
    }
    timerWaitsForWarning_ = false;
    if (enabled == timerEnabled_)
        return;
    timerEnabled_ = enabled;
    host_.SetTimerEnabled(enabled);
}

void WebForm::Beep()
{
    host_.Beep();
}

void WebForm::ShowWarning(std::string_view text)
{
    warningOpen_ = true;
    host_.ShowWarning(text);
}

void WebForm::WarningClosed()
{
    warningOpen_ = false;
    if (timerWaitsForWarning_)
        SetTimerEnabled(true);
}

} // namespace otpor::web
