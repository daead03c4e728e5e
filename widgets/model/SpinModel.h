// The behaviour of the numeric spin field, apart from any window system: the
// text and the number it holds, the limits and the step, the character
// filter, the clamp on leaving, the choice to select all on entering, and the
// auto-repeat of its two arrow buttons. The Qt field (widgets/Spin.h) and the
// web page are its front-ends.
//
// The text is the only storage of the number, as the program's handlers read
// it: while the user types it may hold "", "-" or a number outside the limits.
// Texts are UTF-8. Each event answers a SpinEffects that says what the
// front-end must do; the model calls nothing back.
//
// A front-end's part:
//  - every change of its editor's text that the model did not ask for (typing,
//    pasting, cutting, undo, a program setting the text) goes to OnTextEdited;
//  - after an event it shows NewText when TextSet, then raises its change event
//    when Changed (so the handler reads the new text), beeps when Beep;
//  - a change handler that fails goes to OnChangeFailed, which ends a held
//    button's repeats, and its message is reported;
//  - it runs one repeat timer per button as the effects ask and reports each
//    expiry to OnRepeatTimer.
#pragma once

#include "widgets/model/RepeatButtonModel.h"

#include <string>
#include <string_view>
#include <utility>

namespace otpor {

enum class SpinButton { Up, Down };

// What the front-end must do after an event, in the order of the fields.
struct SpinEffects {
    // The model replaced the text: show NewText in the editor (without
    // reporting it back as an edit).
    bool TextSet = false;
    std::string NewText;
    // The text changed: raise the change event once.
    bool Changed = false;
    // A key: hand it on to the editor's own handling (insert the character,
    // move the cursor, delete); otherwise it is swallowed.
    bool PassKey = false;
    // The system's default beep.
    bool Beep = false;
    // Select the whole text.
    bool SelectAll = false;
    // A button press: give the field the focus, if it can take it and has not.
    bool TakeFocus = false;
    // The pressed button's repeat timer: run it with this interval (ms) from
    // now on, starting it if needed (0: leave it), or stop it.
    int ArmTimer = 0;
    bool StopTimer = false;
    // A message to report in the error box (after the timer is stopped).
    std::string Error;
};

class SpinModel {
public:
    // Created with the text "0", Increment 1, no limits; the separator is the
    // one character besides digits and signs that may be typed.
    explicit SpinModel(std::string decimalSeparator = ",");

    // --- Properties ---
    const std::string& Text() const { return text_; }
    // The text as a whole number; MinValue when it is not one. Never fails.
    int Value() const;
    // Clamps and sets the text if it differs.
    SpinEffects SetValue(int value);
    // The value as the limits allow it: equal limits (both 0 by default) mean
    // no limits at all.
    int CheckValue(int value) const;

    int MinValue() const { return minValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value) { maxValue_ = value; }
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }
    // Typing, pasting and cutting allowed.
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }
    // Nothing can be typed, and steps are refused with a beep.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // Whether the editor may change its text at all (typing, paste, cut, undo):
    // the front-end makes its editor read-only when not.
    bool Editable() const { return editorEnabled_ && !readOnly_; }
    // All text selected when the field is entered, except by a press on its text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
    const std::string& DecimalSeparator() const { return decimalSeparator_; }
    void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

    // While any BeginInit is open (the form applying its start values, limits
    // first, then Value), text changes raise no change event.
    void BeginInit() { ++initDepth_; }
    void EndInit() { --initDepth_; }

    // --- Input events ---
    // The editor's text became newText by the user or a program.
    SpinEffects OnTextEdited(std::string_view newText);
    // Value +/- Increment (staying at the ends of the 32-bit range), or a beep
    // when ReadOnly. From a text that is no number the step starts at MinValue.
    SpinEffects OnStepUp();
    SpinEffects OnStepDown();
    // The Up or Down arrow key: a step, and the key goes on to the editor.
    SpinEffects OnArrowKey(SpinButton direction);
    // A key that types text (UTF-8; "\r" for Enter, "\b" for Backspace, "\x7f"
    // for Delete, "" for a key without text such as Left). Shortcuts (Control
    // with a letter) are the front-end's and never come here.
    SpinEffects OnKeyChar(std::string_view typed);
    // The field gains the focus; byPressOnText when a left press in its text
    // area gives it (that press places the cursor instead).
    SpinEffects OnEnter(bool byPressOnText);
    // The field loses the focus: an out-of-range number becomes the nearer
    // limit; a text that is no number reads as MinValue and stays.
    SpinEffects OnLeave();

    // The arrow buttons. over: whether the mouse is over the button.
    SpinEffects OnButtonPress(SpinButton button);
    SpinEffects OnButtonMove(SpinButton button, bool over);
    SpinEffects OnButtonRelease(SpinButton button, bool over);
    SpinEffects OnRepeatTimer(SpinButton button);
    // The button lost the mouse without a release over it (hidden, disabled).
    SpinEffects OnButtonCancel(SpinButton button);
    // Drawn pressed.
    bool ButtonDown(SpinButton button) const { return Repeat(button).Down(); }

    // The change event's handler failed with message: the press of a held
    // button ends (no more repeats, no step at its release) and the message is
    // to be reported.
    SpinEffects OnChangeFailed(std::string message);

    // Whether a typed text passes the filter: digits, "+", "-", the decimal
    // separator, and control characters below 32 except carriage return.
    bool IsValidInput(std::string_view typed) const;

private:
    SpinEffects Step(long long delta);
    SpinEffects ApplyClick(SpinButton button, const RepeatButtonResult& result);
    RepeatButtonModel& Repeat(SpinButton button) { return button == SpinButton::Up ? up_ : down_; }
    const RepeatButtonModel& Repeat(SpinButton button) const
    {
        return button == SpinButton::Up ? up_ : down_;
    }

    std::string text_ = "0";
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    std::string decimalSeparator_;
    int initDepth_ = 0;
    RepeatButtonModel up_;
    RepeatButtonModel down_;
};

} // namespace otpor
