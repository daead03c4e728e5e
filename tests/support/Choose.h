// The pair of materials most runs take: "C1633" and "P30", the first item of
// each list. A window chooses them as the mouse does, the state through the
// lists' handlers.
#pragma once

#include "sim/InputHandlers.h"

namespace otpor::test {

inline void ChooseC1633AndP30(SimulationState& s)
{
    ComboBox1Change(s, 0);
    ComboBox2Change(s, 0);
}

template <class Window> void ChooseC1633AndP30(Window& form)
{
    for (auto* list : {form.ComboBox1, form.ComboBox2}) {
        list->setCurrentIndex(0);
        list->activated(0);
    }
}

} // namespace otpor::test
