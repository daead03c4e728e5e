#include "sim/InputHandlers.h"

#include "platform/Convert.h"
#include "platform/Numeric.h"
#include "sim/InputTable.h"

namespace otpor {

namespace {

// The material lists map indices 0 ... 9 to rows 1 ... 10.
constexpr int MappedListIndices = 10;

// The angles that only shape the tool: rebuild it and show it at once.
InputResponse RebuildToolAndRedraw(SimulationState& s)
{
    s.Scene.BuildToolOutline(s.Inputs.Angles());
    InputResponse r;
    r.RedrawScene = true;
    return r;
}

} // namespace

InputResponse SpinEdit1Change(SimulationState& s, std::string_view text, const FormatSettings& fmt)
{
    const int v = StrToInt(text);
    CuttingInputs& in = s.Inputs;
    SceneGeometry& g = s.Scene;
    InputResponse r;
    in.DepthOfCut = InUnit(Row(InputId::Depth), v);
    r.Edit1Text = FloatToStr(in.DepthOfCut, fmt.DecimalSeparator);
    in.DepthPx = in.DepthOfCut * DepthPxPerMm;
    g.TurnedRadius = g.StockRadius - in.DepthPx;
    g.ShoulderWidth = SceneGeometry::ShoulderWidthFor(in.ApproachAngle, in.DepthPx);
    g.PlaceShoulder();
    g.PlaceTool();
    g.SizeEndFace();
    g.BuildToolOutline(in.Angles());
    g.MeasureCuttingEdge(in.ApproachAngle, in.DepthPx);
    return r;
}

InputResponse SpinEdit2Change(SimulationState& s, std::string_view text)
{
    const int v = StrToInt(text);
    CuttingInputs& in = s.Inputs;
    SceneGeometry& g = s.Scene;
    in.ApproachAngle = v;
    g.ShoulderWidth = SceneGeometry::ShoulderWidthFor(in.ApproachAngle, in.DepthPx);
    g.PlaceShoulder();
    g.TiltEdge(in.ApproachAngle);
    g.PlaceTool();
    g.BuildToolOutline(in.Angles());
    g.MeasureCuttingEdge(in.ApproachAngle, in.DepthPx);
    in.ApproachRad = DegToRad(in.ApproachAngle);
    return {};
}

InputResponse SpinEdit3Change(SimulationState& s, std::string_view text)
{
    const int v = StrToInt(text);
    CuttingInputs& in = s.Inputs;
    in.RakeAngle = v;
    in.RakeRad = DegToRad(v);
    in.RakeFactor = RakeFactorFor(v);
    return RebuildToolAndRedraw(s);
}

InputResponse SpinEdit4Change(SimulationState& s, std::string_view text)
{
    const int v = StrToInt(text);
    CuttingInputs& in = s.Inputs;
    in.AuxApproachAngle = v;
    in.AuxApproachRad = DegToRad(in.AuxApproachAngle);
    return RebuildToolAndRedraw(s);
}

InputResponse SpinEdit5Change(SimulationState& s, std::string_view text)
{
    const int v = StrToInt(text);
    CuttingInputs& in = s.Inputs;
    in.InclinationAngle = v;
    in.InclinationRad = DegToRad(v);
    return RebuildToolAndRedraw(s);
}

InputResponse SpinEdit6Change(SimulationState& s, std::string_view text, const FormatSettings& fmt)
{
    const int v = StrToInt(text);
    s.Inputs.Feed = InUnit(Row(InputId::Feed), v);
    InputResponse r;
    r.Edit2Text = FloatToStr(s.Inputs.Feed, fmt.DecimalSeparator);
    return r;
}

InputResponse SpinEdit7Change(SimulationState& s, std::string_view text)
{
    s.Inputs.CuttingSpeed = StrToInt(text);
    return {};
}

InputResponse SpinEdit8Change(SimulationState&, std::string_view text)
{
    InputResponse r;
    r.LeftAxisMaximum = StrToInt(text);
    return r;
}

InputResponse SpinEdit9Change(SimulationState& s, std::string_view text)
{
    s.Inputs.DisplayScale = StrToInt(text);
    return {};
}

void ComboBox1Change(SimulationState& s, int itemIndex)
{
    if (itemIndex >= 0 && itemIndex < MappedListIndices)
        s.Inputs.WorkMaterial = itemIndex + 1;
}

void ComboBox2Change(SimulationState& s, int itemIndex)
{
    if (itemIndex >= 0 && itemIndex < MappedListIndices)
        s.Inputs.ToolMaterial = itemIndex + 1;
}

} // namespace otpor
