// What a screen reader hears of a spin field and of a plain edit field: a
// spin button named by the field's accessible name, with its value, limits
// and step, and the field's text with its cursor and selection. A field whose
// number is hidden reads as the value text its window gives it ("0,2 mm"),
// not as that number. Every text answers every offset and boundary: Qt 6.4's
// own boundary search never returns for a word at the end of a text.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace otpor {

// The accessibility factory for TSpinEdit and QLineEdit; installed once, by the first field.
QAccessibleInterface* SpinEditAccessibleFactory(const QString& key, QObject* object);

} // namespace otpor

#include <QAccessible>
#include <initializer_list>

namespace otpor {

// While one lives, the accessibility bus is not told of the given kinds of
// event from the given object. For changes a screen reader would only read
// out as noise, such as a field's selection cleared as the focus leaves it
// ("Text unselected.").
class TQuietAccessibility {
public:
    TQuietAccessibility(const QObject* source, std::initializer_list<QAccessible::Event> muted);
    ~TQuietAccessibility();
    TQuietAccessibility(const TQuietAccessibility&) = delete;
    TQuietAccessibility& operator=(const TQuietAccessibility&) = delete;

private:
    std::size_t before_;
};

} // namespace otpor
