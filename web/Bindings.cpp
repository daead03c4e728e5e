// The module's interface to the page: one form, the page's glue as its Host,
// and every call from the page run inside the error report, so that a failure
// ends the handler with a box and never crosses into JavaScript.
#include "platform/Errors.h"
#include "platform/MessageBoxes.h"
#include "sim/ForcesText.h"
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
EM_JS(void, otpor_host_spin, (int input, const char* text, int length),
      { Module.host.setSpinText(input, UTF8ToString(text, length)); });
EM_JS(void, otpor_host_value, (int input, const char* text, int length),
      { Module.host.setValueText(input, UTF8ToString(text, length)); });
EM_JS(void, otpor_host_list_item, (int list, int item), { Module.host.showListItem(list, item); });
EM_JS(void, otpor_host_forces, (), { Module.host.forcesChanged(); });
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
    void SetSpinText(int input, std::string_view text) override
    {
        otpor_host_spin(input, text.data(), Length(text));
    }
    void SetValueText(int input, std::string_view text) override
    {
        otpor_host_value(input, text.data(), Length(text));
    }
    void ShowListItem(int list, int itemIndex) override { otpor_host_list_item(list, itemIndex); }
    void ForcesChanged() override { otpor_host_forces(); }
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

SpinModel& Spin(int index)
{
    return form->Core().Spin(static_cast<InputId>(index));
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
    a.set("upDown", Spin(index).ButtonDown(SpinButton::Up));
    a.set("downDown", Spin(index).ButtonDown(SpinButton::Down));
    return a;
}

// One event of spin field `index`, as the model takes it.
template <class Event> val OnSpin(int index, Event&& event)
{
    return Guarded([&] {
        if (index < 0 || index >= InputCount)
            return val::null();
        return SpinAnswer(index, form->ApplySpin(static_cast<InputId>(index), event(Spin(index))));
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

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Picture:
        return "picture";
    case ControlKind::Button:
        return "button";
    case ControlKind::Chart:
        return "chart";
    case ControlKind::Panel:
        return "panel";
    case ControlKind::GroupBox:
        return "groupbox";
    case ControlKind::SpinEdit:
        return "spinedit";
    case ControlKind::Edit:
        return "edit";
    case ControlKind::ComboBox:
        return "combobox";
    case ControlKind::Label:
        return "label";
    }
    return "";
}

void SetRect(val& object, const LayoutRect& r, double zoom)
{
    const LayoutRect z = Zoomed(r, zoom);
    object.set("left", z.Left);
    object.set("top", z.Top);
    object.set("width", z.Width);
    object.set("height", z.Height);
}

val WindowInfo(const WindowLayout& w, double zoom)
{
    val info = val::object();
    info.set("name", std::string(w.Name));
    info.set("caption", std::string(w.Caption));
    SetRect(info, w.Frame, zoom);
    info.set("font", std::string(w.FontName));
    info.set("fontPixels", Zoomed(w.FontPixels, zoom));
    return info;
}

// One control of the layout as the page builds it, placed at zoom.
val ControlInfo(const ControlLayout& c, double zoom)
{
    val info = val::object();
    info.set("name", std::string(c.Name));
    info.set("kind", std::string(KindName(c.Kind)));
    info.set("parent", std::string(c.Parent));
    SetRect(info, c.Bounds, zoom);
    info.set("text", ControlText(c));
    info.set("bold", c.Bold);
    info.set("tabStop", c.TabStop);
    info.set("input", c.Input ? static_cast<int>(*c.Input) : -1);
    info.set("unitMark", c.Shows == InputLabel::UnitMark);
    if (c.List) {
        info.set("list", *c.List == MaterialList::Work ? 1 : 2);
        val items = val::array();
        for (std::string_view item : ListItems(*c.List))
            items.call<void>("push", std::string(item));
        info.set("items", items);
    }
    if (c.Kind == ControlKind::Picture || c.Kind == ControlKind::Chart) {
        // The bitmap the module draws: layout px, whatever the zoom.
        info.set("bitmapWidth", c.Bounds.Width);
        info.set("bitmapHeight", c.Bounds.Height);
    }
    if (c.Kind == ControlKind::SpinEdit) {
        const InputRow& row = Row(*c.Input);
        info.set("min", row.MinValue);
        info.set("max", row.MaxValue);
        info.set("hidesNumber", HidesItsNumber(c));
        info.set("valueField", std::string(row.ValueField));
    }
    return info;
}

// The main window: its frame, client area, font and the lists' row height.
val MainWindowInfo(double zoom)
{
    val info = WindowInfo(MainWindow, zoom);
    info.set("clientWidth", Zoomed(MainClientWidth, zoom));
    info.set("clientHeight", Zoomed(MainClientHeight, zoom));
    info.set("listItemHeight", Zoomed(ListItemHeight, zoom));
    info.set("maxZoom", MaxZoom);
    return info;
}

val Controls(double zoom)
{
    val list = val::array();
    for (const ControlLayout& c : MainWindowControls)
        list.call<void>("push", ControlInfo(c, zoom));
    return list;
}

// The instructions window, with its page as "page".
val InstructionsInfo(double zoom)
{
    val info = WindowInfo(InstructionsWindow, zoom);
    info.set("page", ControlInfo(InstructionsPage, zoom));
    return info;
}

// The message boxes' captions and button.
val Boxes()
{
    val info = val::object();
    info.set("warningCaption", std::string(WarningCaption));
    info.set("errorCaption", std::string(ProgramName));
    info.set("button", std::string(BoxButtonText));
    return info;
}

// The text a spin field's model holds.
std::string SpinText(int index)
{
    return Guarded([&] { return index >= 0 && index < InputCount ? Spin(index).Text() : std::string(); });
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
    Guarded([] { form->Core().Button2Click(); });
}
void Button3Click()
{
    Guarded([] { form->Core().Button3Click(); });
}
void Button5Click()
{
    Guarded([] { form->Core().Button5Click(); });
}
void Timer1Timer()
{
    Guarded([] { form->Core().Timer1Timer(); });
}
bool TimerEnabled()
{
    return Guarded([] { return form->Timer1Enabled(); });
}
void ComboBoxChange(int list, int itemIndex)
{
    Guarded(
        [&] { form->Core().ListChanged(list == 1 ? MaterialList::Work : MaterialList::Tool, itemIndex); });
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
    Guarded([&] {
        form->Core().Chart().MouseDown(MouseButtonOf(button), static_cast<TShiftState>(shift), x, y);
    });
}
void ChartMouseMove(int shift, int x, int y)
{
    Guarded([&] { form->Core().Chart().MouseMove(static_cast<TShiftState>(shift), x, y); });
}
void ChartMouseUp(int button, int shift, int x, int y)
{
    Guarded(
        [&] { form->Core().Chart().MouseUp(MouseButtonOf(button), static_cast<TShiftState>(shift), x, y); });
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

// The forces of the last tick as a screen reader hears them, with the
// separator the page was started with.
std::string ForcesTextForPage()
{
    return Guarded([] {
        const FormCore& core = form->Core();
        const ForceResults& f = core.State().Forces;
        return ForcesText(f.F1, f.F2, f.F3, core.Format().DecimalSeparator);
    });
}

// The three forces of the last tick, N.
val Forces()
{
    val f = val::object();
    if (form) {
        f.set("F1", form->Core().State().Forces.F1);
        f.set("F2", form->Core().State().Forces.F2);
        f.set("F3", form->Core().State().Forces.F3);
    }
    return f;
}

// The ranges of the chart's left and bottom axes.
val Axes()
{
    val a = val::object();
    if (form) {
        TChart& c = form->Core().Chart();
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
    return Guarded([] { return OscillogramCsv(form->Core().State()); });
}

// The query of the link that opens the page with the current inputs.
std::string InputLinkForPage()
{
    return Guarded([] {
        FormCore& core = form->Core();
        std::array<int, InputCount> values{};
        for (const InputRow& row : InputRows)
            values[static_cast<std::size_t>(row.Id)] = core.Spin(row.Id).Value();
        return FormatInputLink(values, core.State().Inputs.WorkMaterial, core.State().Inputs.ToolMaterial);
    });
}

// A link's settings (the page's query: ?approach=60&work=C4130…), applied as
// if the user had set each control and chosen each list item; answers the
// page's one message about what it refused, or "".
std::string ApplyLink(std::string query)
{
    return Guarded([&] {
        const InputLink link = ParseInputLink(query);
        FormCore& core = form->Core();
        for (const InputRow& row : InputRows)
            if (const std::optional<int>& value = link.ControlValues[static_cast<std::size_t>(row.Id)])
                core.SetInputText(row.Id, std::to_string(*value));
        if (link.WorkMaterial)
            core.ListChanged(MaterialList::Work, *link.WorkMaterial - 1);
        if (link.ToolMaterial)
            core.ListChanged(MaterialList::Tool, *link.ToolMaterial - 1);
        return LinkRefusalMessage(link.Refusals);
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
    t.set("animationMenu", PictureMenuTitle(AnimationName));
    t.set("chartMenu", PictureMenuTitle(OscillographName));
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
    function("mainWindow", &MainWindowInfo);
    function("controls", &Controls);
    function("instructionsWindow", &InstructionsInfo);
    function("boxes", &Boxes);
    function(
        "tickInterval", +[] { return FormCore::TickInterval; });
    function(
        "descriptionInterval", +[] { return FormCore::DescriptionInterval; });
    function("spinText", &SpinText);
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
    function("forcesText", &ForcesTextForPage);
    function("axes", &Axes);
    function("instructionsHtml", &InstructionsHtmlForPage);
    function("oscillogramCsv", &OscillogramCsvForPage);
    function("inputLink", &InputLinkForPage);
    function("applyLink", &ApplyLink);
    function("labReportTexts", &LabReportTexts);
}

} // namespace otpor::web
