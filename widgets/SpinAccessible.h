// What a screen reader hears of a spin field: a spin button named by the
// field's accessible name, with its value, limits and step, and, where the
// field shows its number, the text with its cursor and selection. A field
// whose number is hidden announces the value text its window gives it.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace otpor {

// The accessibility factory for TSpinEdit; installed once, by the first field.
QAccessibleInterface* SpinEditAccessibleFactory(const QString& key, QObject* object);

} // namespace otpor
