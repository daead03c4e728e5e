// What the form core asks of a view of the main window (the Qt window, the
// page): to show what changed in its controls, to run Timer1, to beep and to
// warn, and to hear that the forces changed. The view creates the controls
// from the layout (form/FormLayout.h) and passes their events to FormCore.
#pragma once

#include "form/FormLayout.h"
#include "platform/Canvas.h"

#include <string_view>

namespace otpor {

class FormView {
public:
    virtual ~FormView() = default;

    // Image1's canvas, PictureWidth x PictureHeight layout px, and that a
    // picture has been drawn into it, to be shown.
    virtual Canvas& PictureCanvas() = 0;
    virtual void PictureDrawn() = 0;

    // The input's spin field shows the text its model now holds.
    virtual void ShowSpinText(InputId input, std::string_view text) = 0;
    // The input's value field (Edit1, Edit2) shows its value in its unit.
    virtual void ShowValueText(InputId input, std::string_view text) = 0;
    // The list shows its chosen item.
    virtual void ShowListItem(MaterialList list, int itemIndex) = 0;

    // Timer1, which calls FormCore::Timer1Timer every FormCore::TickInterval ms.
    virtual bool TimerEnabled() const = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    // The system's default sound.
    virtual void Beep() = 0;
    // The warning box: caption "Warning", icon, text, one button "OK".
    virtual void ShowWarning(std::string_view text) = 0;

    // The forces and the oscillogram are new (after a tick or a reset): for
    // what describes them to a screen reader.
    virtual void ForcesChanged() = 0;
};

} // namespace otpor
