#include "web/WebForm.h"

#include "chart/Oscillograph.h"
#include "scene/SceneDrawing.h"

namespace otpor::web {

WebForm::WebForm(Host& host, const FormatSettings& format)
    : host_(host), picture_(PictureWidth, PictureHeight),
      chartPicture_(OscillographWidth, OscillographHeight), core_(*this, format)
{
    core_.Chart().SetOnInvalidate([this] { host_.InvalidateChart(); });
    core_.FormCreate();
}

WebForm::~WebForm()
{
    core_.Chart().SetOnInvalidate({});
}

SpinEffects WebForm::ApplySpin(InputId input, SpinEffects effects)
{
    if (effects.TextSet)
        ShowSpinText(input, effects.NewText);
    if (!effects.Changed)
        return effects;
    std::string failure;
    try {
        core_.InputChanged(input);
        return effects;
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "Unknown error";
    }
    const SpinEffects failed = core_.Spin(input).OnChangeFailed(std::move(failure));
    if (failed.StopTimer) {
        effects.StopTimer = true;
        effects.ArmTimer = 0;
    }
    effects.Error = failed.Error;
    return effects;
}

void WebForm::PaintChart()
{
    TChart& chart = core_.Chart();
    if (chart.PictureStale()) {
        chartPicture_.BeginPicture();
        chart.DrawPicture(chartPicture_, {0, 0, chartPicture_.Width(), chartPicture_.Height()});
    }
    chart.ShowPicture(chartPicture_, [this] { host_.ShowChart(chartPicture_); });
}

void WebForm::ShowSpinText(InputId input, std::string_view text)
{
    host_.SetSpinText(static_cast<int>(input), text);
}

void WebForm::ShowValueText(InputId input, std::string_view text)
{
    host_.SetValueText(static_cast<int>(input), text);
}

void WebForm::ShowListItem(MaterialList list, int itemIndex)
{
    host_.ShowListItem(list == MaterialList::Work ? 1 : 2, itemIndex);
}

void WebForm::SetScale(double scale)
{
    if (picture_.SetScale(scale)) {
        core_.RedrawPicture();
        host_.InvalidatePicture();
    }
    if (chartPicture_.SetScale(scale))
        core_.Chart().Invalidate();
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
