// The auto-repeat of one spin arrow button, without a window system: a left
// press arms a timer for RepeatDelay ms, each expiry re-arms it for
// RepeatInterval ms and clicks while the button is held and the mouse is over
// it, and the release over the button clicks once more. Time is the front-end's:
// it runs the timer the results ask for and reports its expiries.
#pragma once

namespace otpor {

// What the front-end does after a button event, in this order: stop or (re)arm
// its repeat timer, then make one click (step) if asked.
struct RepeatButtonResult {
    bool Click = false;
    // Run the repeat timer with this interval (ms) from now on, starting it if
    // it is not running; 0 leaves the timer as it is.
    int ArmTimer = 0;
    bool StopTimer = false;
};

class RepeatButtonModel {
public:
    static constexpr int RepeatDelay = 400;    // ms from the press to the first repeat
    static constexpr int RepeatInterval = 100; // ms between later repeats

    // A left press on the button: drawn pressed, the repeat timer armed.
    RepeatButtonResult Press();
    // The held mouse moved; over tells whether it is over the button now.
    // Off the button the face is raised and the repeats pause.
    void Move(bool over);
    // The repeat timer expired.
    RepeatButtonResult Timer();
    // The left button was released; over as in Move (the bottom row just
    // below the button counts as over it: 0 <= y <= height).
    RepeatButtonResult Release(bool over);
    // The press ends without a further click: the button no longer holds the
    // mouse (hidden, disabled, a modal box took the mouse) or a click failed.
    RepeatButtonResult Cancel();

    // Drawn pressed: the press is held and the mouse is over the button.
    bool Down() const { return held_ && over_; }
    // A press that began on this button is still held.
    bool Held() const { return held_; }

private:
    bool held_ = false;
    bool over_ = false;
};

} // namespace otpor
