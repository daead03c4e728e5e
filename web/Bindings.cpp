// The module's interface to the page: one form, the page's glue as its Host,
// and every call from the page run inside the error report, so that a failure
// ends the handler with a box and never crosses into JavaScript.
#include "platform/Errors.h"
#include "sim/InputSettings.h"
#include "sim/Instructions.h"
#include "sim/LabReport.h"
#include "sim/OscillogramCsv.h"
#include "web/WebForm.h"

#include <emscripten.h>
#include <emscripten/bind.h>

#include <exception>
#include <memory>
#include <string>
#include <type_traits>

using emscripten::val;

EM_JS(void, otpor_host_timer, (int enabled), { Module.host.setTimer(!!enabled); });
EM_JS(void, otpor_host_beep, (), { Module.host.beep(); });
EM_JS(void, otpor_host_warning, (const char* text, int length),
      { Module.host.showWarning(UTF8ToString(text, length)); });
EM_JS(void, otpor_host_error, (const char* text, int length),
      { Module.host.showError(UTF8ToString(text, length)); });
EM_JS(void, otpor_host_edit, (int edit, const char* text, int length),
      { Module.host.setEditText(edit, UTF8ToString(text, length)); });
EM_JS(void, otpor_host_spin, (int spin, const char* text, int length),
      { Module.host.setSpinText(spin, UTF8ToString(text, length)); });
EM_JS(void, otpor_host_invalidate_picture, (), { Module.host.invalidatePicture(); });
EM_JS(void, otpor_host_invalidate_chart, (), { Module.host.invalidateChart(); });
EM_JS(void, otpor_host_show_chart, (const std::uint32_t* bits, int width, int height),
      { Module.host.showChart(HEAPU8, bits, width, height); });

namespace otpor::web {

namespace {

int Length(std::string_view s)
{
    return static_cast<int>(s.size());
}

class PageHost final : public Host {
public:
    void SetTimerEnabled(bool enabled) override { otpor_host_timer(enabled); }
    void Beep() override { otpor_host_beep(); }
    void ShowWarning(std::string_view text) override { otpor_host_warning(text.data(), Length(text)); }
    void SetEditText(int edit, std::string_view text) override
    {
        otpor_host_edit(edit, text.data(), Length(text));
    }
    void SetSpinText(int spin, std::string_view text) override
    {
        otpor_host_spin(spin, text.data(), Length(text));
    }
    void InvalidatePicture() override { otpor_host_invalidate_picture(); }
    void InvalidateChart() override { otpor_host_invalidate_chart(); }
    void ShowChart(const WebCanvas& picture) override
    {
        otpor_host_show_chart(picture.Bits(), picture.DeviceWidth(), picture.DeviceHeight());
    }
};

PageHost host;
std::unique_ptr<WebForm> form;

// The application's error report: the message in the error box; the page
// goes on.
void Report(std::exception_ptr error) noexcept
{
    const std::string message = ExceptionMessage(error);
    otpor_host_error(message.data(), Length(message));
}

template <class F> auto Guarded(F&& f) -> decltype(f())
{
    using Result = decltype(f());
    try {
        if (form)
            return f();
    } catch (...) {
        Report(std::current_exception());
    }
    if constexpr (std::is_same_v<Result, val>)
        return val::undefined();
    else if constexpr (!std::is_void_v<Result>)
        return Result{};
}

// What the page must still do after a spin field's event: its flags, the
// repeat timer, and whether each button is drawn pressed.
val SpinAnswer(int index, const SpinEffects& e)
{
    val a = val::object();
    a.set("passKey", e.PassKey);
    a.set("beep", e.Beep);
    a.set("selectAll", e.SelectAll);
    a.set("takeFocus", e.TakeFocus);
    a.set("armTimer", e.ArmTimer);
    a.set("stopTimer", e.StopTimer);
    a.set("error", e.Error);
    a.set("upDown", form->Spin(index).ButtonDown(SpinButton::Up));
    a.set("downDown", form->Spin(index).ButtonDown(SpinButton::Down));
    return a;
}

// One event of spin field `index`, as the model takes it.
template <class Event> val OnSpin(int index, Event&& event)
{
    return Guarded([&] {
        if (index < 0 || index >= SpinCount)
            return val::null();
        return SpinAnswer(index, form->ApplySpin(index, event(form->Spin(index))));
    });
}

SpinButton ButtonOf(bool up)
{
    return up ? SpinButton::Up : SpinButton::Down;
}

void Start(std::string decimalSeparator, std::string thousandSeparator)
{
    try {
        form.reset();
        form = std::make_unique<WebForm>(
            host, FormatSettings{std::move(decimalSeparator), std::move(thousandSeparator)});
    } catch (...) {
        Report(std::current_exception());
    }
}

val SpinInfo(int index)
{
    val info = val::object();
    if (index < 0 || index >= SpinCount)
        return info;
    const auto i = static_cast<std::size_t>(index);
    const SpinPlace& place = SpinPlaces[i];
    const InputRow& row = InputRows[i];
    info.set("name", std::string(row.Control));
    info.set("parent", std::string(place.Parent));
    info.set("left", place.Left);
    info.set("top", place.Top);
    info.set("width", place.Width);
    info.set("labels", std::string(place.Labels));
    info.set("label", LabelText(row));
    info.set("min", row.MinValue);
    info.set("max", row.MaxValue);
    info.set("increment", row.Increment);
    info.set("valueField", std::string(row.ValueField));
    info.set("valueFieldText", ValueFieldStartText(row));
    if (form)
        info.set("text", form->Spin(index).Text());
    return info;
}

val SpinTextEdited(int index, std::string text)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnTextEdited(text); });
}
val SpinArrowKey(int index, bool up)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnArrowKey(ButtonOf(up)); });
}
val SpinKeyChar(int index, std::string typed)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnKeyChar(typed); });
}
val SpinEnter(int index, bool byPressOnText)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnEnter(byPressOnText); });
}
val SpinLeave(int index)
{
    return OnSpin(index, [](SpinModel& s) { return s.OnLeave(); });
}
val SpinButtonPress(int index, bool up)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnButtonPress(ButtonOf(up)); });
}
val SpinButtonMove(int index, bool up, bool over)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnButtonMove(ButtonOf(up), over); });
}
val SpinButtonRelease(int index, bool up, bool over)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnButtonRelease(ButtonOf(up), over); });
}
val SpinRepeatTimer(int index, bool up)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnRepeatTimer(ButtonOf(up)); });
}
val SpinButtonCancel(int index, bool up)
{
    return OnSpin(index, [&](SpinModel& s) { return s.OnButtonCancel(ButtonOf(up)); });
}

void Button2Click()
{
    Guarded([] { form->Button2Click(); });
}
void Button3Click()
{
    Guarded([] { form->Button3Click(); });
}
void Button5Click()
{
    Guarded([] { form->Button5Click(); });
}
void Timer1Timer()
{
    Guarded([] { form->Timer1Timer(); });
}
bool TimerEnabled()
{
    return Guarded([] { return form->Timer1Enabled(); });
}
void ComboBoxChange(int list, int itemIndex)
{
    Guarded([&] { list == 1 ? form->ComboBox1Change(itemIndex) : form->ComboBox2Change(itemIndex); });
}
void WarningClosed()
{
    Guarded([] { form->WarningClosed(); });
}

TMouseButton MouseButtonOf(int button)
{
    return button == 2 ? mbRight : button == 1 ? mbMiddle : mbLeft;
}

void ChartMouseDown(int button, int shift, int x, int y)
{
    Guarded([&] { form->Chart().MouseDown(MouseButtonOf(button), static_cast<TShiftState>(shift), x, y); });
}
void ChartMouseMove(int shift, int x, int y)
{
    Guarded([&] { form->Chart().MouseMove(static_cast<TShiftState>(shift), x, y); });
}
void ChartMouseUp(int button, int shift, int x, int y)
{
    Guarded([&] { form->Chart().MouseUp(MouseButtonOf(button), static_cast<TShiftState>(shift), x, y); });
}

void PaintChart()
{
    Guarded([] { form->PaintChart(); });
}

// The animation picture's RGBA bytes in the module's memory.
std::uintptr_t PictureBits()
{
    return Guarded([] { return reinterpret_cast<std::uintptr_t>(form->Picture().Bits()); });
}
std::uintptr_t ChartBits()
{
    return Guarded([] { return reinterpret_cast<std::uintptr_t>(form->ChartPicture().Bits()); });
}

// Both pictures at the page's devicePixelRatio; their bitmaps' sizes as
// {picture: [w, h], chart: [w, h]}.
val SetScale(double scale)
{
    Guarded([&] { form->SetScale(scale); });
    val sizes = val::object();
    if (form) {
        const auto size = [](const WebCanvas& c) {
            val wh = val::array();
            wh.call<void>("push", c.DeviceWidth(), c.DeviceHeight());
            return wh;
        };
        sizes.set("picture", size(form->Picture()));
        sizes.set("chart", size(form->ChartPicture()));
    }
    return sizes;
}

val Rects(const std::vector<TRect>& rects)
{
    val list = val::array();
    for (const TRect& r : rects) {
        val item = val::array();
        item.call<void>("push", r.Left, r.Top, r.Right, r.Bottom);
        list.call<void>("push", item);
    }
    return list;
}

// The text cells of the last chart picture: [left, top, right, bottom] each.
val ChartTextCells()
{
    return form ? Rects(form->ChartPicture().TextCells()) : val::array();
}

// The three forces of the last tick, N.
val Forces()
{
    val f = val::object();
    if (form) {
        f.set("F1", form->State().Forces.F1);
        f.set("F2", form->State().Forces.F2);
        f.set("F3", form->State().Forces.F3);
    }
    return f;
}

// The ranges of the chart's left and bottom axes.
val Axes()
{
    val a = val::object();
    if (form) {
        TChart& c = form->Chart();
        a.set("leftMin", c.LeftAxis.Minimum());
        a.set("leftMax", c.LeftAxis.Maximum());
        a.set("leftAutomatic", c.LeftAxis.Automatic());
        a.set("bottomMin", c.BottomAxis.Minimum());
        a.set("bottomMax", c.BottomAxis.Maximum());
        a.set("bottomAutomatic", c.BottomAxis.Automatic());
    }
    return a;
}

// The instructions' paragraphs, as the desktop's page holds them.
std::string InstructionsHtmlForPage()
{
    return InstructionsHtml();
}

// The oscillogram as the desktop saves it, for a lab report.
std::string OscillogramCsvForPage()
{
    return Guarded([] { return OscillogramCsv(form->State()); });
}

// The query of the link that opens the page with the current inputs.
std::string InputLinkForPage()
{
    return Guarded([] {
        std::array<int, InputCount> values{};
        for (int i = 0; i < SpinCount; ++i)
            values[static_cast<std::size_t>(i)] = form->Spin(i).Value();
        return FormatInputLink(values, form->State().Inputs.WorkMaterial, form->State().Inputs.ToolMaterial);
    });
}

// The pictures' menu items and the files they propose.
val LabReportTexts()
{
    val t = val::object();
    t.set("copyPicture", std::string(CopyPictureItem));
    t.set("savePicture", std::string(SavePictureItem));
    t.set("saveData", std::string(SaveDataItem));
    t.set("copyLink", std::string(CopyLinkItem));
    t.set("pictureFile", std::string(PictureFileName));
    t.set("chartFile", std::string(ChartFileName));
    t.set("dataFile", std::string(DataFileName));
    return t;
}

} // namespace

EMSCRIPTEN_BINDINGS(otpor)
{
    using namespace emscripten;
    function("start", &Start);
    function(
        "spinCount", +[] { return SpinCount; });
    function("spinInfo", &SpinInfo);
    function("spinTextEdited", &SpinTextEdited);
    function("spinArrowKey", &SpinArrowKey);
    function("spinKeyChar", &SpinKeyChar);
    function("spinEnter", &SpinEnter);
    function("spinLeave", &SpinLeave);
    function("spinButtonPress", &SpinButtonPress);
    function("spinButtonMove", &SpinButtonMove);
    function("spinButtonRelease", &SpinButtonRelease);
    function("spinRepeatTimer", &SpinRepeatTimer);
    function("spinButtonCancel", &SpinButtonCancel);
    function("button2Click", &Button2Click);
    function("button3Click", &Button3Click);
    function("button5Click", &Button5Click);
    function("timer1Timer", &Timer1Timer);
    function("timerEnabled", &TimerEnabled);
    function("comboBoxChange", &ComboBoxChange);
    function("warningClosed", &WarningClosed);
    function("chartMouseDown", &ChartMouseDown);
    function("chartMouseMove", &ChartMouseMove);
    function("chartMouseUp", &ChartMouseUp);
    function("paintChart", &PaintChart);
    function("pictureBits", &PictureBits);
    function("chartBits", &ChartBits);
    function("setScale", &SetScale);
    function("chartTextCells", &ChartTextCells);
    function("forces", &Forces);
    function("axes", &Axes);
    function("instructionsHtml", &InstructionsHtmlForPage);
    function("oscillogramCsv", &OscillogramCsvForPage);
    function("inputLink", &InputLinkForPage);
    function("labReportTexts", &LabReportTexts);
}

} // namespace otpor::web
