#include "form/FormLayout.h"

#include "chart/Oscillograph.h"
#include "platform/Numeric.h"
#include "scene/SceneDrawing.h"
#include "sim/InputSettings.h"
#include "sim/MaterialTables.h"

#include <algorithm>
#include <stdexcept>

namespace otpor {

namespace {

constexpr std::string_view Form1 = "Form1";
constexpr int ButtonHeight = 25;
constexpr int SpinHeight = 22;
constexpr int FieldHeight = 21; // value fields and lists
constexpr int ValueFieldWidth = 33;
constexpr int ListWidth = 201;

constexpr ControlLayout Button(std::string_view name, int left, int top, int width, std::string_view caption)
{
    return {.Name = name,
            .Kind = ControlKind::Button,
            .Parent = Form1,
            .Bounds = {left, top, width, ButtonHeight},
            .Caption = caption,
            .TabStop = true};
}

constexpr ControlLayout GroupBox(std::string_view name, LayoutRect bounds, std::string_view caption)
{
    return {.Name = name,
            .Kind = ControlKind::GroupBox,
            .Parent = "Panel1",
            .Bounds = bounds,
            .Caption = caption};
}

// The spin field and the value field take their names from the input's row.
constexpr ControlLayout Spin(InputId input, std::string_view parent, int left, int top, int width)
{
    return {.Name = Row(input).Control,
            .Kind = ControlKind::SpinEdit,
            .Parent = parent,
            .Bounds = {left, top, width, SpinHeight},
            .TabStop = true,
            .Input = input};
}

constexpr ControlLayout ValueField(InputId input, int left, int top)
{
    return {.Name = Row(input).ValueField,
            .Kind = ControlKind::Edit,
            .Parent = "GroupBox2",
            .Bounds = {left, top, ValueFieldWidth, FieldHeight},
            .TabStop = true,
            .Input = input};
}

constexpr ControlLayout List(std::string_view name, int top, MaterialList list)
{
    return {.Name = name,
            .Kind = ControlKind::ComboBox,
            .Parent = Form1,
            .Bounds = {16, top, ListWidth, FieldHeight},
            .TabStop = true,
            .List = list};
}

constexpr ControlLayout Label(std::string_view name, std::string_view parent, int left, int top,
                              InputId input, InputLabel shows = InputLabel::FirstLine)
{
    return {.Name = name,
            .Kind = ControlKind::Label,
            .Parent = parent,
            .Bounds = {left, top, 0, 0},
            .Input = input,
            .Shows = shows};
}

constexpr ControlLayout UnitMark(std::string_view name, int left, int top, InputId input)
{
    return Label(name, "GroupBox1", left, top, input, InputLabel::UnitMark);
}

} // namespace

constexpr WindowLayout MainWindow{
    "Form1", "Odredjivanje otpora rezanja pri struganju", {200, 146, 680, 574}, "Tahoma", 11};

constexpr std::array<ControlLayout, MainWindowControlCount> MainWindowControls{{
    {.Name = "Image1",
     .Kind = ControlKind::Picture,
     .Parent = Form1,
     .Bounds = {232, 8, PictureWidth, PictureHeight}},
    Button("Button1", 8, 512, 57, "Exit"),
    Button("Button2", 8, 448, 57, "Proces"),
    Button("Button3", 72, 448, 57, "Pauza"),
    {.Name = "Chart1",
     .Kind = ControlKind::Chart,
     .Parent = Form1,
     .Bounds = {OscillographLeft, OscillographTop, OscillographWidth, OscillographHeight}},
    {.Name = "Panel1", .Kind = ControlKind::Panel, .Parent = Form1, .Bounds = {6, 8, 222, 297}},
    GroupBox("GroupBox1", {6, 32, 206, 129}, "Geometrija alata"),
    Spin(InputId::Approach, "GroupBox1", 160, 24, 41),
    Spin(InputId::Rake, "GroupBox1", 160, 48, 41),
    Spin(InputId::Inclination, "GroupBox1", 160, 72, 41),
    Spin(InputId::AuxApproach, "GroupBox1", 160, 96, 41),
    GroupBox("GroupBox2", {6, 168, 206, 121}, "Režim rezanja"),
    Spin(InputId::Depth, "GroupBox2", 176, 24, 17),
    ValueField(InputId::Depth, 144, 24),
    ValueField(InputId::Feed, 144, 56),
    Spin(InputId::Feed, "GroupBox2", 176, 56, 17),
    Spin(InputId::Speed, "GroupBox2", 144, 88, 49),
    Button("Button4", 72, 512, 57, "Help"),
    Button("Button5", 8, 480, 121, "Polazno stanje"),
    List("ComboBox1", 368, MaterialList::Work),
    Spin(InputId::ForceMaximum, Form1, 152, 504, 57),
    List("ComboBox2", 328, MaterialList::Tool),
    Spin(InputId::DisplayScale, Form1, 184, 408, 41),
    {.Name = "Label1",
     .Kind = ControlKind::Label,
     .Parent = "Panel1",
     .Bounds = {56, 8, 0, 0},
     .Caption = "POLAZNI PODACI",
     .Bold = true},
    Label("Label2", "GroupBox1", 8, 32, InputId::Approach),
    UnitMark("Label9", 81, 28, InputId::Approach),
    Label("Label5", "GroupBox1", 8, 56, InputId::Rake),
    UnitMark("Label11", 72, 50, InputId::Rake),
    Label("Label7", "GroupBox1", 8, 80, InputId::Inclination),
    UnitMark("Label14", 106, 74, InputId::Inclination),
    Label("Label6", "GroupBox1", 8, 104, InputId::AuxApproach),
    UnitMark("Label15", 120, 98, InputId::AuxApproach),
    Label("Label3", "GroupBox2", 8, 32, InputId::Depth),
    Label("Label4", "GroupBox2", 8, 64, InputId::Feed),
    Label("Label8", "GroupBox2", 8, 96, InputId::Speed),
    Label("Label12", Form1, 16, 400, InputId::DisplayScale),
    Label("Label13", Form1, 16, 416, InputId::DisplayScale, InputLabel::SecondLine),
    Label("Label10", Form1, 136, 488, InputId::ForceMaximum),
}};

constexpr WindowLayout InstructionsWindow{"Form2", "Instrukcije", {192, 107, 416, 477}, "MS Sans Serif", 11};
constexpr ControlLayout InstructionsPage{
    .Name = "Image1", .Kind = ControlKind::Picture, .Parent = "Form2", .Bounds = {8, 8, 393, 433}};

namespace {

constexpr int IndexOf(std::string_view name)
{
    for (std::size_t i = 0; i < MainWindowControls.size(); ++i)
        if (MainWindowControls[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

// Each name once, each parent the window or a control before its children,
// and each input with one spin field.
static_assert([] {
    for (std::size_t i = 0; i < MainWindowControls.size(); ++i) {
        const ControlLayout& c = MainWindowControls[i];
        if (IndexOf(c.Name) != static_cast<int>(i))
            return false;
        if (c.Parent != Form1 && !(IndexOf(c.Parent) >= 0 && IndexOf(c.Parent) < static_cast<int>(i)))
            return false;
    }
    for (const InputRow& row : InputRows) {
        int spins = 0;
        for (const ControlLayout& c : MainWindowControls)
            spins += c.Kind == ControlKind::SpinEdit && c.Input == row.Id;
        if (spins != 1)
            return false;
    }
    return true;
}());

} // namespace

const ControlLayout& MainWindowControl(std::string_view name)
{
    const int i = IndexOf(name);
    if (i < 0)
        throw std::out_of_range("no control " + std::string(name));
    return MainWindowControls[static_cast<std::size_t>(i)];
}

const ControlLayout& SpinOf(InputId input)
{
    return MainWindowControl(Row(input).Control);
}

const ControlLayout* ValueFieldOf(InputId input)
{
    const std::string_view name = Row(input).ValueField;
    return name.empty() ? nullptr : &MainWindowControl(name);
}

std::vector<const ControlLayout*> LabelsOf(InputId input)
{
    std::vector<const ControlLayout*> labels;
    for (const ControlLayout& c : MainWindowControls)
        if (c.Kind == ControlKind::Label && c.Input == input)
            labels.push_back(&c);
    return labels;
}

std::string ControlText(const ControlLayout& c)
{
    if (!c.Caption.empty())
        return std::string(c.Caption);
    if (c.List)
        return std::string(ListPrompt(*c.List));
    if (!c.Input)
        return {};
    const InputRow& row = Row(*c.Input);
    switch (c.Kind) {
    case ControlKind::Edit:
        return ValueFieldStartText(row);
    case ControlKind::Label: {
        if (c.Shows == InputLabel::UnitMark)
            return std::string(row.Unit);
        const std::string text = LabelText(row);
        const std::size_t lineBreak = text.find('\n');
        if (c.Shows == InputLabel::FirstLine)
            return text.substr(0, lineBreak);
        return lineBreak == std::string::npos ? std::string() : text.substr(lineBreak + 1);
    }
    default:
        return {};
    }
}

std::vector<std::string_view> ListItems(MaterialList list)
{
    std::vector<std::string_view> items;
    for (int row = 1; row <= MaterialCount(list); ++row)
        items.push_back(MaterialName(list, row));
    return items;
}

std::string_view ListPrompt(MaterialList list)
{
    return list == MaterialList::Work ? WorkMaterialPrompt : ToolMaterialPrompt;
}

bool HidesItsNumber(const ControlLayout& spin)
{
    return spin.Input && ValueFieldOf(*spin.Input) != nullptr;
}

LayoutRect Zoomed(const LayoutRect& r, double zoom)
{
    const int left = Zoomed(r.Left, zoom);
    const int top = Zoomed(r.Top, zoom);
    return {left, top, Zoomed(r.Left + r.Width, zoom) - left, Zoomed(r.Top + r.Height, zoom) - top};
}

int Zoomed(int px, double zoom)
{
    return Round(px * zoom);
}

double FittingZoom(int width, int height)
{
    const double zoom = std::min({static_cast<double>(width) / MainClientWidth,
                                  static_cast<double>(height) / MainClientHeight, MaxZoom});
    return std::max(0.0, zoom);
}

} // namespace otpor
