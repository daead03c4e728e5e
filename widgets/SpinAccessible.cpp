#include "widgets/SpinAccessible.h"

#include "platform/qt/ErrorReport.h"
#include "widgets/Spin.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

namespace otpor {

namespace {

class TSpinEditAccessible : public QAccessibleWidget,
                            public QAccessibleValueInterface,
                            public QAccessibleTextInterface {
public:
    explicit TSpinEditAccessible(TSpinEdit* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        // A hidden number has no text to read by characters; its value text says it.
        if (type == QAccessible::TextInterface && Spin()->AccessibleValueText().isEmpty())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = Spin()->Model().Editable();
        s.readOnly = !s.editable;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            const QString given = Spin()->AccessibleValueText();
            return given.isEmpty() ? Spin()->text() : given;
        }
        return QAccessibleWidget::text(t);
    }

    // --- Value ---
    QVariant currentValue() const override { return Spin()->Value(); }
    void setCurrentValue(const QVariant& value) override
    {
        if (!Spin()->ReadOnly())
            qt::Guarded([&] { Spin()->SetValue(value.toInt()); });
    }
    QVariant maximumValue() const override { return Spin()->MaxValue(); }
    QVariant minimumValue() const override { return Spin()->MinValue(); }
    QVariant minimumStepSize() const override { return Spin()->Increment(); }

    // --- Text ---
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && Spin()->hasSelectedText()) {
            *startOffset = Spin()->selectionStart();
            *endOffset = *startOffset + Spin()->selectedText().size();
        }
    }
    int selectionCount() const override { return Spin()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            Spin()->deselect();
    }
    void setSelection(int, int startOffset, int endOffset) override
    {
        Spin()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return Spin()->cursorPosition(); }
    void setCursorPosition(int position) override { Spin()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return Spin()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Spin()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // Measured from the cursor, whose place the edit knows after scrolling.
        const QString text = Spin()->text();
        const QFontMetrics metrics(Spin()->font());
        const QRect cursor = Spin()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int toCursor = metrics.horizontalAdvance(text.left(Spin()->cursorPosition()));
        const int x = cursor.center().x() + metrics.horizontalAdvance(text.left(offset)) - toCursor;
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
        const QRect local(x, cursor.top(), width, cursor.height());
        return QRect(Spin()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return Spin()->cursorPositionAt(Spin()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int endIndex) override { Spin()->setCursorPosition(endIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    TSpinEdit* Spin() const { return static_cast<TSpinEdit*>(widget()); }
};

} // namespace

QAccessibleInterface* SpinEditAccessibleFactory(const QString&, QObject* object)
{
    if (auto* spin = dynamic_cast<TSpinEdit*>(object))
        return new TSpinEditAccessible(spin);
    return nullptr;
}

} // namespace otpor
