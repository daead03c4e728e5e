#include "widgets/SpinAccessible.h"

#include "platform/qt/ErrorReport.h"
#include "widgets/Spin.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>
#include <vector>

namespace otpor {

namespace {

// The sources and kinds muted by the living TQuietAccessibility scopes, innermost last.
std::vector<std::pair<const QObject*, QAccessible::Event>> mutedEvents;

void TellUnlessMuted(QAccessibleEvent* event)
{
    const std::pair<const QObject*, QAccessible::Event> told{event->object(), event->type()};
    if (std::find(mutedEvents.begin(), mutedEvents.end(), told) != mutedEvents.end())
        return;
    // Qt's own bridge hears the event when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&TellUnlessMuted);
}

// A single-line field's text: what it shows, or, for a spin field whose
// number is hidden, its value text (with the cursor at its end).
class TLineEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    TLineEditAccessible(QLineEdit* edit, QAccessible::Role role) : QAccessibleWidget(edit, role) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !Edit()->isReadOnly();
        s.readOnly = !s.editable;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Shown();
        return QAccessibleWidget::text(t);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && !Hidden() && Edit()->hasSelectedText()) {
            *startOffset = Edit()->selectionStart();
            *endOffset = *startOffset + static_cast<int>(Edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return !Hidden() && Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0 && !Hidden())
            Edit()->deselect();
    }
    void setSelection(int, int startOffset, int endOffset) override
    {
        if (!Hidden())
            Edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return Hidden() ? characterCount() : Edit()->cursorPosition(); }
    void setCursorPosition(int position) override
    {
        if (!Hidden())
            Edit()->setCursorPosition(position);
    }
    QString text(int startOffset, int endOffset) const override
    {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }

    // Qt's boundary search serves every offset inside the text; at its end
    // (where a screen reader asks for the word under a cursor placed there)
    // and beyond, the answer is given here.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        const int count = characterCount();
        if (offset < 0 || offset > count ||
            (offset == count && (boundary == QAccessible::CharBoundary || count == 0)))
            return Nothing(startOffset, endOffset);
        if (offset == count)
            offset = count - 1; // the unit the cursor at the end stands after
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        const int count = characterCount();
        if (offset <= 0 || offset > count)
            return Nothing(startOffset, endOffset);
        if (offset == count)
            return textAtOffset(count - 1, boundary, startOffset, endOffset);
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return Nothing(startOffset, endOffset);
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    }

    QRect characterRect(int offset) const override
    {
        // Measured from the cursor, whose place the edit knows after scrolling.
        const QString text = Edit()->text();
        const QFontMetrics metrics(Edit()->font());
        const QRect cursor = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int toCursor = metrics.horizontalAdvance(text.left(Edit()->cursorPosition()));
        const int x = cursor.center().x() + metrics.horizontalAdvance(text.left(offset)) - toCursor;
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
        const QRect local(x, cursor.top(), width, cursor.height());
        return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return Hidden() ? 0 : Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int endIndex) override { setCursorPosition(endIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

protected:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    virtual bool Hidden() const { return false; }
    virtual QString Shown() const { return Edit()->text(); }

private:
    static QString Nothing(int* startOffset, int* endOffset)
    {
        *startOffset = *endOffset = -1;
        return {};
    }
};

class TSpinEditAccessible : public TLineEditAccessible, public QAccessibleValueInterface {
public:
    explicit TSpinEditAccessible(TSpinEdit* spin) : TLineEditAccessible(spin, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return TLineEditAccessible::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = TLineEditAccessible::state();
        s.editable = Spin()->Model().Editable() && !Hidden();
        s.readOnly = !s.editable;
        return s;
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

protected:
    bool Hidden() const override { return !Spin()->AccessibleValueText().isEmpty(); }
    QString Shown() const override { return Hidden() ? Spin()->AccessibleValueText() : Spin()->text(); }

private:
    TSpinEdit* Spin() const { return static_cast<TSpinEdit*>(widget()); }
};

} // namespace

TQuietAccessibility::TQuietAccessibility(const QObject* source,
                                         std::initializer_list<QAccessible::Event> muted)
    : before_(mutedEvents.size())
{
    if (before_ == 0)
        QAccessible::installUpdateHandler(&TellUnlessMuted);
    for (const QAccessible::Event kind : muted)
        mutedEvents.emplace_back(source, kind);
}

TQuietAccessibility::~TQuietAccessibility()
{
    mutedEvents.resize(before_);
    if (before_ == 0)
        QAccessible::installUpdateHandler(nullptr);
}

QAccessibleInterface* SpinEditAccessibleFactory(const QString& key, QObject* object)
{
    if (auto* spin = dynamic_cast<TSpinEdit*>(object))
        return new TSpinEditAccessible(spin);
    if (key == QLatin1String("QLineEdit"))
        return new TLineEditAccessible(static_cast<QLineEdit*>(object), QAccessible::EditableText);
    return nullptr;
}

} // namespace otpor
