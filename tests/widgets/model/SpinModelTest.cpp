// The spin field's behaviour without Qt: every event through the model's
// input API, as a front-end would send it.
#include "widgets/model/SpinModel.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace otpor {
namespace {

SpinModel Make(int minValue, int maxValue, int increment, int value)
{
    SpinModel model(",");
    model.BeginInit();
    model.SetMinValue(minValue);
    model.SetMaxValue(maxValue);
    model.SetIncrement(increment);
    const SpinEffects start = model.SetValue(value);
    EXPECT_FALSE(start.Changed); // the form's start values raise no change
    model.EndInit();
    return model;
}

TEST(SpinModelTest, ValueIsReadFromTheTextAndWrittenClampedOnlyWhenTheTextDiffers)
{
    EXPECT_EQ(SpinModel().Text(), "0");
    SpinModel model = Make(30, 90, 1, 100);
    EXPECT_EQ(model.Text(), "90");

    const SpinEffects set = model.SetValue(10);
    EXPECT_TRUE(set.TextSet && set.Changed);
    EXPECT_EQ(set.NewText, "30");
    const SpinEffects same = model.SetValue(-4);
    EXPECT_FALSE(same.TextSet || same.Changed);

    for (const char* notANumber : {"", "-", "+", "1,5", "abc"}) {
        EXPECT_TRUE(model.OnTextEdited(notANumber).Changed);
        EXPECT_EQ(model.Value(), 30) << notANumber;
    }
    EXPECT_FALSE(model.OnTextEdited("abc").Changed); // the same text again

    // Equal limits, both 0 by default, are no limits.
    SpinModel free = Make(0, 0, 1, -7000);
    EXPECT_EQ(free.Text(), "-7000");
    EXPECT_EQ(free.CheckValue(INT_MAX), INT_MAX);
}

TEST(SpinModelTest, StepsStopAtTheLimitsAndTheIntegerRangeAndBeepWhenReadOnly)
{
    SpinModel force = Make(0, 5000, 50, 5000);
    const SpinEffects atLimit = force.OnStepUp();
    EXPECT_FALSE(atLimit.TextSet || atLimit.Changed);
    EXPECT_EQ(force.OnStepDown().NewText, "4950");
    const SpinEffects key = force.OnArrowKey(SpinButton::Up);
    EXPECT_TRUE(key.PassKey);
    EXPECT_EQ(key.NewText, "5000");

    SpinModel angle = Make(-5, 5, 1, 0);
    angle.OnTextEdited("-");
    EXPECT_EQ(angle.Value(), -5);
    EXPECT_EQ(angle.OnStepUp().NewText, "-4");

    SpinModel free = Make(0, 0, 1, INT_MAX);
    EXPECT_FALSE(free.OnStepUp().Changed);
    free.SetValue(INT_MIN);
    EXPECT_FALSE(free.OnStepDown().Changed);
    EXPECT_EQ(free.Value(), INT_MIN);

    angle.SetReadOnly(true);
    const SpinEffects refused = angle.OnStepDown();
    EXPECT_TRUE(refused.Beep);
    EXPECT_FALSE(refused.Changed);
    EXPECT_EQ(angle.Text(), "-4");
}

TEST(SpinModelTest, OnlyDigitsSignsTheSeparatorAndControlKeysPass)
{
    SpinModel model = Make(0, 100, 1, 0);
    for (const char* passes : {"0", "9", "+", "-", ",", "\b", "\x7f", "\x1b", "", "12"}) {
        const SpinEffects e = model.OnKeyChar(passes);
        EXPECT_TRUE(e.PassKey && !e.Beep) << passes;
    }
    for (const char* beeps : {"a", "č", ".", " ", "\r", "1a"}) {
        const SpinEffects e = model.OnKeyChar(beeps);
        EXPECT_TRUE(!e.PassKey && e.Beep) << beeps;
    }
    // Without an editable text, keys that would change it are refused silently.
    model.SetEditorEnabled(false);
    EXPECT_FALSE(model.Editable());
    for (const char* silent : {"3", "\b", "\x7f", ","}) {
        const SpinEffects e = model.OnKeyChar(silent);
        EXPECT_TRUE(!e.PassKey && !e.Beep) << silent;
    }
    EXPECT_TRUE(model.OnKeyChar("a").Beep);
    EXPECT_TRUE(model.OnKeyChar("").PassKey);

    // Another region's separator, a character outside ASCII included.
    model.SetDecimalSeparator("٫");
    EXPECT_TRUE(model.IsValidInput("1٫5"));
    EXPECT_FALSE(model.IsValidInput(","));
}

TEST(SpinModelTest, TypingIsReportedAsTypedAndLeavingClampsOnceEnteringSelectsAll)
{
    SpinModel scale = Make(1, 10, 1, 5);
    EXPECT_TRUE(scale.OnEnter(false).SelectAll);
    EXPECT_FALSE(scale.OnEnter(true).SelectAll);
    EXPECT_TRUE(scale.OnTextEdited("1").Changed);
    EXPECT_TRUE(scale.OnTextEdited("12").Changed);
    EXPECT_EQ(scale.Value(), 12);
    const SpinEffects left = scale.OnLeave();
    EXPECT_TRUE(left.TextSet && left.Changed);
    EXPECT_EQ(left.NewText, "10");
    EXPECT_FALSE(scale.OnLeave().Changed);

    scale.OnTextEdited("-");
    EXPECT_FALSE(scale.OnLeave().Changed); // reads as 1, within the limits
    EXPECT_EQ(scale.Text(), "-");

    scale.SetAutoSelect(false);
    EXPECT_FALSE(scale.OnEnter(false).SelectAll);
}

TEST(SpinModelTest, AHeldButtonRepeatsAfter400msThenEvery100msAndEndsAtAFailure)
{
    SpinModel angle = Make(30, 90, 1, 45);
    const SpinEffects press = angle.OnButtonPress(SpinButton::Up);
    EXPECT_TRUE(press.TakeFocus);
    EXPECT_EQ(press.ArmTimer, RepeatButtonModel::RepeatDelay);
    EXPECT_FALSE(press.Changed);
    EXPECT_TRUE(angle.ButtonDown(SpinButton::Up));

    // Just under a second: expiries at 400, 500, ... 900 ms, one step each.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(angle.OnRepeatTimer(SpinButton::Up).ArmTimer, RepeatButtonModel::RepeatInterval);
    EXPECT_EQ(angle.Text(), "51");
    // Off the button the repeats pause; back on, they go on.
    angle.OnButtonMove(SpinButton::Up, false);
    EXPECT_FALSE(angle.ButtonDown(SpinButton::Up));
    EXPECT_FALSE(angle.OnRepeatTimer(SpinButton::Up).Changed);
    angle.OnButtonMove(SpinButton::Up, true);
    angle.OnRepeatTimer(SpinButton::Up);
    const SpinEffects release = angle.OnButtonRelease(SpinButton::Up, true);
    EXPECT_TRUE(release.StopTimer);
    EXPECT_EQ(release.NewText, "53");
    EXPECT_FALSE(angle.OnButtonRelease(SpinButton::Up, true).Changed);

    // Released off the button: no last step.
    angle.OnButtonPress(SpinButton::Down);
    EXPECT_FALSE(angle.OnButtonRelease(SpinButton::Down, false).Changed);
    EXPECT_EQ(angle.Text(), "53");

    // A failing change handler ends the press: no timer, no step at the release.
    angle.OnButtonPress(SpinButton::Down);
    angle.OnRepeatTimer(SpinButton::Down);
    const SpinEffects failed = angle.OnChangeFailed("Axis maximum refused");
    EXPECT_TRUE(failed.StopTimer);
    EXPECT_EQ(failed.Error, "Axis maximum refused");
    const SpinEffects stray = angle.OnRepeatTimer(SpinButton::Down);
    EXPECT_EQ(stray.ArmTimer, 0);
    EXPECT_FALSE(stray.Changed);
    EXPECT_FALSE(angle.OnButtonRelease(SpinButton::Down, true).Changed);
    EXPECT_EQ(angle.Text(), "52");
}

} // namespace
} // namespace otpor
