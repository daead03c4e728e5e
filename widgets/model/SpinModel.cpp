#include "widgets/model/SpinModel.h"

#include "platform/Convert.h"

#include <algorithm>
#include <climits>

namespace otpor {

namespace {

// The length of the UTF-8 sequence that starts with lead (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Characters that change the text: Backspace, Delete and every printable one.
bool Edits(std::string_view typed)
{
    return std::any_of(typed.begin(), typed.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code == '\b' || code >= 32;
    });
}

} // namespace

SpinModel::SpinModel(std::string decimalSeparator) : decimalSeparator_(std::move(decimalSeparator)) {}

int SpinModel::Value() const
{
    return TryStrToInt(text_).value_or(minValue_);
}

int SpinModel::CheckValue(int value) const
{
    if (maxValue_ != minValue_) {
        if (value < minValue_)
            return minValue_;
        if (value > maxValue_)
            return maxValue_;
    }
    return value;
}

SpinEffects SpinModel::SetValue(int value)
{
    std::string newText = std::to_string(CheckValue(value));
    if (newText == text_)
        return {};
    text_ = std::move(newText);
    SpinEffects effects;
    effects.TextSet = true;
    effects.NewText = text_;
    effects.Changed = initDepth_ == 0;
    return effects;
}

SpinEffects SpinModel::OnTextEdited(std::string_view newText)
{
    if (newText == text_)
        return {};
    text_ = newText;
    SpinEffects effects;
    effects.Changed = initDepth_ == 0;
    return effects;
}

SpinEffects SpinModel::OnStepUp()
{
    return Step(increment_);
}

SpinEffects SpinModel::OnStepDown()
{
    return Step(-static_cast<long long>(increment_));
}

SpinEffects SpinModel::Step(long long delta)
{
    if (readOnly_) {
        SpinEffects effects;
        effects.Beep = true;
        return effects;
    }
    // Beyond the 32-bit range (possible without limits) the value stops at its end.
    const long long next = std::clamp<long long>(Value() + delta, INT_MIN, INT_MAX);
    return SetValue(static_cast<int>(next));
}

SpinEffects SpinModel::OnArrowKey(SpinButton direction)
{
    SpinEffects effects = direction == SpinButton::Up ? OnStepUp() : OnStepDown();
    effects.PassKey = true;
    return effects;
}

bool SpinModel::IsValidInput(std::string_view typed) const
{
    if (typed == decimalSeparator_)
        return true;
    for (std::size_t i = 0; i < typed.size();) {
        const auto code = static_cast<unsigned char>(typed[i]);
        const std::size_t length = std::min(SequenceLength(code), typed.size() - i);
        const std::string_view character = typed.substr(i, length);
        i += length;
        if ((code >= '0' && code <= '9') || code == '+' || code == '-' || character == decimalSeparator_)
            continue;
        // Backspace, Escape and the like are keys; so is Delete.
        if ((code < 32 && code != '\r') || code == 127)
            continue;
        return false;
    }
    return true;
}

SpinEffects SpinModel::OnKeyChar(std::string_view typed)
{
    SpinEffects effects;
    if (!IsValidInput(typed))
        effects.Beep = true;
    else
        // Without an editable text the keys that would change it are refused silently.
        effects.PassKey = Editable() || !Edits(typed);
    return effects;
}

SpinEffects SpinModel::OnEnter(bool byPressOnText)
{
    SpinEffects effects;
    effects.SelectAll = autoSelect_ && !byPressOnText;
    return effects;
}

SpinEffects SpinModel::OnLeave()
{
    const int value = Value();
    if (CheckValue(value) != value)
        return SetValue(value);
    return {};
}

SpinEffects SpinModel::ApplyClick(SpinButton button, const RepeatButtonResult& result)
{
    SpinEffects effects;
    if (result.Click)
        effects = button == SpinButton::Up ? OnStepUp() : OnStepDown();
    effects.ArmTimer = result.ArmTimer;
    effects.StopTimer = result.StopTimer;
    return effects;
}

SpinEffects SpinModel::OnButtonPress(SpinButton button)
{
    SpinEffects effects = ApplyClick(button, Repeat(button).Press());
    effects.TakeFocus = true;
    return effects;
}

SpinEffects SpinModel::OnButtonMove(SpinButton button, bool over)
{
    Repeat(button).Move(over);
    return {};
}

SpinEffects SpinModel::OnButtonRelease(SpinButton button, bool over)
{
    if (!Repeat(button).Held())
        return {};
    return ApplyClick(button, Repeat(button).Release(over));
}

SpinEffects SpinModel::OnRepeatTimer(SpinButton button)
{
    return ApplyClick(button, Repeat(button).Timer());
}

SpinEffects SpinModel::OnButtonCancel(SpinButton button)
{
    return ApplyClick(button, Repeat(button).Cancel());
}

SpinEffects SpinModel::OnChangeFailed(std::string message)
{
    SpinEffects effects;
    for (RepeatButtonModel* repeat : {&up_, &down_}) {
        if (repeat->Held())
            effects.StopTimer = repeat->Cancel().StopTimer;
    }
    effects.Error = std::move(message);
    return effects;
}

} // namespace otpor
