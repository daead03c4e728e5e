#include "web/SpinField.h"

#include "platform/Convert.h"

#include <algorithm>
#include <climits>

namespace otpor::web {

SpinField::SpinField(int minValue, int maxValue, int increment, int value, std::string decimalSeparator)
    : text_("0"), minValue_(minValue), maxValue_(maxValue), increment_(increment),
      decimalSeparator_(std::move(decimalSeparator))
{
    text_ = std::to_string(CheckValue(value));
}

int SpinField::Value() const
{
    return TryStrToInt(text_).value_or(minValue_);
}

int SpinField::CheckValue(int value) const
{
    // Equal limits mean no limits at all.
    if (maxValue_ != minValue_)
        return std::clamp(value, minValue_, maxValue_);
    return value;
}

void SpinField::SetValue(int value)
{
    ChangeText(std::to_string(CheckValue(value)));
}

void SpinField::SetText(std::string_view text)
{
    ChangeText(std::string(text));
}

void SpinField::ChangeText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    if (OnChange)
        OnChange();
}

bool SpinField::IsValidChar(char32_t c) const
{
    if ((c >= U'0' && c <= U'9') || c == U'+' || c == U'-')
        return true;
    // The separator is one character of ASCII in every locale the page maps.
    if (decimalSeparator_.size() == 1 && c == static_cast<unsigned char>(decimalSeparator_.front()))
        return true;
    if (c < 32)
        return c != U'\r';
    return c == 127;
}

void SpinField::Step(long long delta)
{
    // Beyond the 32-bit range (possible without limits) the value stops at its end.
    SetValue(static_cast<int>(std::clamp<long long>(Value() + delta, INT_MIN, INT_MAX)));
}

void SpinField::StepUp()
{
    Step(increment_);
}

void SpinField::StepDown()
{
    Step(-static_cast<long long>(increment_));
}

void SpinField::Leave()
{
    const int value = Value();
    if (CheckValue(value) != value)
        SetValue(value);
}

int SpinField::Press(int direction)
{
    direction_ = direction < 0 ? -1 : 1;
    over_ = true;
    return RepeatDelay;
}

int SpinField::RepeatTimerFired()
{
    if (direction_ == 0)
        return 0;
    if (over_) {
        try {
            direction_ > 0 ? StepUp() : StepDown();
        } catch (...) {
            // A failing step ends the press: no more repeats, no last step.
            direction_ = 0;
            throw;
        }
    }
    return RepeatInterval;
}

void SpinField::Hover(bool over)
{
    over_ = over;
}

void SpinField::Release(bool over)
{
    const int direction = direction_;
    direction_ = 0;
    if (direction != 0 && over)
        direction > 0 ? StepUp() : StepDown();
}

} // namespace otpor::web
