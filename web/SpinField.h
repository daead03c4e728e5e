// The behaviour of one spin edit field, without a toolkit: the text as the
// only storage of the number, reading and writing Value, steps by buttons and
// arrow keys, the character filter, the clamp on leaving, and the auto-repeat
// of a held button (the page only runs the timer for the interval asked).
// Every change of the text raises OnChange.
//
// A thin stand-in until the spin control's own toolkit-free model is shared
// by both front-ends; it follows the desktop TSpinEdit step for step.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace otpor::web {

class SpinField {
public:
    static constexpr int RepeatDelay = 400;    // ms from a press to the first repeat
    static constexpr int RepeatInterval = 100; // ms between later repeats

    // Limits first, then the start value; raises no OnChange.
    SpinField(int minValue, int maxValue, int increment, int value, std::string decimalSeparator);

    const std::string& Text() const { return text_; }
    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int Increment() const { return increment_; }

    // The text as a whole number; MinValue when it is not one. Never fails.
    int Value() const;
    // Clamps (no limits when MinValue equals MaxValue) and sets the text if it differs.
    void SetValue(int value);
    int CheckValue(int value) const;

    // The text as the user left it after typing, pasting or cutting.
    void SetText(std::string_view text);
    // Whether a typed character may enter the field (the page beeps otherwise).
    bool IsValidChar(char32_t c) const;

    void StepUp();
    void StepDown();
    // Focus lost: an out-of-range number becomes the nearer limit.
    void Leave();

    // A left press on a button (+1 up, -1 down): the interval until the
    // first repeat.
    int Press(int direction);
    // The repeat timer fired: steps while the button is held and under the
    // mouse; the next interval, or 0 when the press is over.
    int RepeatTimerFired();
    // The held mouse moved onto or off the button.
    void Hover(bool over);
    // Release: one more step when over the button.
    void Release(bool over);
    // The press ends without a step (the page lost the mouse).
    void CancelPress() { direction_ = 0; }

    std::function<void()> OnChange;

private:
    void Step(long long delta);
    void ChangeText(std::string text);

    std::string text_;
    int minValue_;
    int maxValue_;
    int increment_;
    std::string decimalSeparator_;
    int direction_ = 0; // the held button: +1, -1, or 0
    bool over_ = false;
};

} // namespace otpor::web
