#include "widgets/model/RepeatButtonModel.h"

namespace otpor {

RepeatButtonResult RepeatButtonModel::Press()
{
    held_ = true;
    over_ = true;
    return {.Click = false, .ArmTimer = RepeatDelay, .StopTimer = false};
}

void RepeatButtonModel::Move(bool over)
{
    if (held_)
        over_ = over;
}

RepeatButtonResult RepeatButtonModel::Timer()
{
    // A stray expiry after the press ended arms nothing.
    if (!held_)
        return {};
    return {.Click = over_, .ArmTimer = RepeatInterval, .StopTimer = false};
}

RepeatButtonResult RepeatButtonModel::Release(bool over)
{
    const bool click = held_ && over;
    RepeatButtonResult result = Cancel();
    result.Click = click;
    return result;
}

RepeatButtonResult RepeatButtonModel::Cancel()
{
    held_ = false;
    over_ = false;
    return {.Click = false, .ArmTimer = 0, .StopTimer = true};
}

} // namespace otpor
