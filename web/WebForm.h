// The main window on the page: the page's view of the form core
// (form/FormCore.h). It holds the two pictures' canvases, carries out what
// the core asks through the page's glue (the Host), and is the page's side of
// the nine spin models: the effects of a spin field's event that are the
// form's (the text shown, the change handler) are carried out here.
// What the browser does differently: a warning box does not block, so a timer
// started by the handler that showed it waits until the box is closed, while
// a timer that was already running goes on behind it.
#pragma once

#include "form/FormCore.h"
#include "form/FormView.h"
#include "platform/FormatSettings.h"
#include "web/WebCanvas.h"
#include "widgets/model/SpinModel.h"

#include <string_view>

namespace otpor::web {

// What the form asks of the page.
class Host {
public:
    virtual ~Host() = default;
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void Beep() = 0;
    virtual void ShowWarning(std::string_view text) = 0;
    // The spin field, and the value field, of an input (its row, 0 ... 8).
    virtual void SetSpinText(int input, std::string_view text) = 0;
    virtual void SetValueText(int input, std::string_view text) = 0;
    // A material list (1, 2) shows its item.
    virtual void ShowListItem(int list, int itemIndex) = 0;
    virtual void ForcesChanged() = 0;
    virtual void InvalidatePicture() = 0;
    virtual void InvalidateChart() = 0;
    // The chart's picture, to be shown now (the bitmap changes after the call).
    virtual void ShowChart(const WebCanvas& picture) = 0;
};

class WebForm final : private FormView {
public:
    WebForm(Host& host, const FormatSettings& format);
    ~WebForm() override;

    FormCore& Core() { return core_; }
    // Carries out the effects of a spin field's event that are the form's
    // (the text shown, the change handler, whose failure ends a held
    // button's repeats) and answers the rest for the page.
    SpinEffects ApplySpin(InputId input, SpinEffects effects);
    // The warning box was closed: a timer started behind it starts now.
    void WarningClosed();

    // Lays the chart out and draws it when stale, and shows it, with the
    // zoom band of a drag in progress over it.
    void PaintChart();
    // Both pictures drawn anew at the scale (the page's devicePixelRatio).
    void SetScale(double scale);
    WebCanvas& Picture() { return picture_; }
    WebCanvas& ChartPicture() { return chartPicture_; }
    bool Timer1Enabled() const { return timerEnabled_; }

private:
    // FormView
    Canvas& PictureCanvas() override { return picture_; }
    void PictureDrawn() override { host_.InvalidatePicture(); }
    void ShowSpinText(InputId input, std::string_view text) override;
    void ShowValueText(InputId input, std::string_view text) override;
    void ShowListItem(MaterialList list, int itemIndex) override;
    bool TimerEnabled() const override { return timerEnabled_; }
    void SetTimerEnabled(bool enabled) override;
    void Beep() override { host_.Beep(); }
    void ShowWarning(std::string_view text) override;
    void ForcesChanged() override { host_.ForcesChanged(); }

    Host& host_;
    WebCanvas picture_;
    WebCanvas chartPicture_;
    bool timerEnabled_ = false;
    bool warningOpen_ = false;
    bool timerWaitsForWarning_ = false;
    FormCore core_;
};

} // namespace otpor::web
