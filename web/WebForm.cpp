#include "web/WebForm.h"

#include "chart/Oscillograph.h"
#include "scene/SceneDrawing.h"
#include "sim/InputHandlers.h"

namespace otpor::web {

const std::array<SpinPlace, SpinCount> SpinPlaces = {{
    {"GroupBox1", 160, 24, 41, "Label2"},       // approach angle
    {"GroupBox1", 160, 48, 41, "Label5"},       // rake angle
    {"GroupBox1", 160, 72, 41, "Label7"},       // inclination angle
    {"GroupBox1", 160, 96, 41, "Label6"},       // auxiliary approach angle
    {"GroupBox2", 176, 24, 17, "Label3"},       // depth of cut
    {"GroupBox2", 176, 56, 17, "Label4"},       // feed
    {"GroupBox2", 144, 88, 49, "Label8"},       // cutting speed
    {"Form1", 152, 504, 57, "Label10"},         // force maximum
    {"Form1", 184, 408, 41, "Label12 Label13"}, // display scale
}};

WebForm::WebForm(Host& host, const FormatSettings& format)
    : host_(host), format_(format), chart_(std::make_unique<TChart>()), picture_(PictureWidth, PictureHeight),
      chartPicture_(OscillographWidth, OscillographHeight)
{
    chart_->SetSeparators(format_);
    const OscillographSeries traces = ConfigureOscillograph(*chart_);
    series_[0] = std::make_unique<TraceFeed>(traces.Series1);
    series_[1] = std::make_unique<TraceFeed>(traces.Series2);
    series_[2] = std::make_unique<TraceFeed>(traces.Series3);
    chart_->SetOnInvalidate([this] { host_.InvalidateChart(); });

    // Limits first, then the start value, without change events.
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        const InputRow& row = InputRows[i];
        SpinModel& spin = spins_[i];
        spin.SetDecimalSeparator(format_.DecimalSeparator);
        spin.BeginInit();
        spin.SetMinValue(row.MinValue);
        spin.SetMaxValue(row.MaxValue);
        spin.SetIncrement(row.Increment);
        spin.SetValue(row.Value);
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
    const InputResponse r = InputRows.at(static_cast<std::size_t>(index)).Change(state_, text, format_);
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
    forcesShown_ = false;
    host_.InvalidatePicture();
}

void WebForm::DrawForces()
{
    otpor::DrawForces(picture_, state_.Scene, state_.Arrows());
    forcesShown_ = true;
    host_.InvalidatePicture();
}

void WebForm::SetScale(double scale)
{
    if (picture_.SetScale(scale)) {
        const bool forces = forcesShown_;
        DrawWorkpieceAndTool();
        if (forces)
            DrawForces();
    }
    if (chartPicture_.SetScale(scale))
        chart_->Invalidate();
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
