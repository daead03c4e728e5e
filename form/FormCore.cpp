#include "form/FormCore.h"

#include "scene/SceneDrawing.h"
#include "sim/InputHandlers.h"
#include "sim/InputTable.h"

namespace otpor {

namespace {

std::unique_ptr<TChart> MakeChart(const FormatSettings& format)
{
    auto chart = std::make_unique<TChart>();
    chart->SetSeparators(format);
    return chart;
}

std::array<TraceFeed, 3> FeedsOf(TChart& chart)
{
    const OscillographSeries traces = ConfigureOscillograph(chart);
    return {TraceFeed(traces.Series1), TraceFeed(traces.Series2), TraceFeed(traces.Series3)};
}

} // namespace

FormCore::FormCore(FormView& view, const FormatSettings& format)
    : view_(view), format_(format), chart_(MakeChart(format)), feeds_(FeedsOf(*chart_))
{
    // Limits first, then the start value, without change events.
    for (const InputRow& row : InputRows) {
        SpinModel& spin = Spin(row.Id);
        spin.SetDecimalSeparator(format_.DecimalSeparator);
        spin.BeginInit();
        spin.SetMinValue(row.MinValue);
        spin.SetMaxValue(row.MaxValue);
        spin.SetIncrement(row.Increment);
        spin.SetValue(row.Value);
        spin.EndInit();
    }
}

FormCore::~FormCore() = default;

void FormCore::FormCreate()
{
    otpor::FormCreate(state_);
    DrawWorkpieceAndTool();
}

void FormCore::Button5Click()
{
    ResetProcess(state_, *this);
    view_.ForcesChanged();
}

void FormCore::Timer1Timer()
{
    ProcessTick(state_, *this);
    view_.ForcesChanged();
}

void FormCore::InputChanged(InputId input)
{
    Apply(Row(input).Change(state_, Spin(input).Text(), format_));
}

void FormCore::SetInputText(InputId input, std::string_view text)
{
    const SpinEffects effects = Spin(input).OnTextEdited(text);
    view_.ShowSpinText(input, Spin(input).Text());
    if (effects.Changed)
        InputChanged(input);
}

void FormCore::ListChanged(MaterialList list, int itemIndex)
{
    if (list == MaterialList::Work)
        ComboBox1Change(state_, itemIndex);
    else
        ComboBox2Change(state_, itemIndex);
    if (itemIndex >= 0)
        view_.ShowListItem(list, itemIndex);
}

void FormCore::Apply(const InputResponse& r)
{
    if (r.Edit1Text)
        view_.ShowValueText(InputId::Depth, *r.Edit1Text);
    if (r.Edit2Text)
        view_.ShowValueText(InputId::Feed, *r.Edit2Text);
    if (r.RedrawScene)
        DrawWorkpieceAndTool();
    if (r.LeftAxisMaximum)
        SetLeftAxisMaximum(*r.LeftAxisMaximum);
}

void FormCore::SetLeftAxisMaximum(int maximum)
{
    // The axis may refuse the maximum (below a zoomed minimum); then the
    // minimum is not set either.
    chart_->LeftAxis.SetMaximum(maximum);
    chart_->LeftAxis.SetMinimum(0);
}

void FormCore::DrawWorkpieceAndTool()
{
    otpor::DrawWorkpieceAndTool(view_.PictureCanvas(), state_.Scene);
    forcesShown_ = false;
    view_.PictureDrawn();
}

void FormCore::DrawForces()
{
    otpor::DrawForces(view_.PictureCanvas(), state_.Scene, state_.Arrows());
    forcesShown_ = true;
    view_.PictureDrawn();
}

void FormCore::RedrawPicture()
{
    otpor::DrawWorkpieceAndTool(view_.PictureCanvas(), state_.Scene);
    if (forcesShown_)
        otpor::DrawForces(view_.PictureCanvas(), state_.Scene, state_.Arrows());
}

} // namespace otpor
