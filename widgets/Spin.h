// The numeric input of the main window: a single-line field holding a whole
// number, with a small up/down button pair inside its right edge. All nine
// inputs (angles in degrees, depth and feed in tenths and hundredths of a
// millimetre, speed in m/min, force in N, display scale) are TSpinEdits.
//
// The text is the only storage of the number: the main window's handlers read
// it as typed, so while the user types it may hold "", "-" or a number outside
// the limits; leaving the field clamps it. Every change of the text, by any
// cause, raises OnChange. Geometry is in pixels of the field.
//
// Three classes: TTimerSpeedButton (one arrow button with its auto-repeat),
// TSpinButton (the pair) and TSpinEdit (the field that owns the pair). What
// they do lives in the Qt-free RepeatButtonModel and SpinModel
// (widgets/model/); these classes are their Qt front-end: events in, the
// model's effects carried out on the widgets and timers.
#pragma once

#include "platform/FormatSettings.h"
#include "platform/qt/Runtime.h"
#include "widgets/model/RepeatButtonModel.h"
#include "widgets/model/SpinModel.h"

#include <QColor>
#include <QLineEdit>
#include <QPixmap>
#include <QPolygonF>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <memory>

class QTimer;

namespace otpor {

// A push button that repeats its click while held: the first repeat after
// RepeatDelay ms, then one every RepeatInterval ms, and a last click at the
// release over the button. Draws the toolkit's button face with a glyph.
class TTimerSpeedButton : public QWidget {
public:
    static constexpr int RepeatDelay = RepeatButtonModel::RepeatDelay;
    static constexpr int RepeatInterval = RepeatButtonModel::RepeatInterval;

    explicit TTimerSpeedButton(QWidget* parent);

    // The glyph, drawn centred; its bottom-left pixel's colour is transparent.
    // At a device pixel ratio above 1 a glyph whose figure is convex with
    // straight sides (the arrows) is drawn as that figure at the device's
    // resolution; at 1 the bitmap itself is drawn.
    void SetGlyph(const QPixmap& glyph);
    // The form's zoom (1 is 100 %): the glyph is drawn that much larger.
    void SetZoom(double zoom);

    // Drawn pressed: the mouse was pressed on it and is over it now.
    bool Down() const { return repeat_.Down(); }
    // The repeat timer, created at the first press (none before it).
    QTimer* RepeatTimer() const { return repeatTimer_; }

    std::function<void()> OnPress; // at a left press, after the pressed look is drawn
    std::function<void()> OnClick; // each step: repeats and the final click

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void TimerExpired();
    // Carries out the timer part of a result; answers whether to click.
    bool Apply(const RepeatButtonResult& result);
    // Ends the press without a further click: the button no longer holds the
    // mouse (hidden, disabled, or a click that failed).
    void EndPress();
    void Click();

    // The glyph drawn at the zoom and ratio; made again when either changes.
    const QPixmap& DeviceGlyph(qreal ratio);

    QPixmap glyph_;
    QPolygonF glyphOutline_; // in the glyph's pixels
    QColor glyphColor_;
    QPixmap deviceGlyph_;
    double zoom_ = 1;
    double deviceGlyphZoom_ = 1;
    QTimer* repeatTimer_ = nullptr;
    RepeatButtonModel repeat_;
};

// The up/down pair. Neither button takes the focus; a press gives it to
// FocusControl instead. The up button takes the upper half, the down button
// starts one pixel above the up button's bottom and runs to the bottom.
class TSpinButton : public QWidget {
public:
    explicit TSpinButton(QWidget* parent);

    TTimerSpeedButton* UpButton() const { return upButton_; }
    // The form's zoom, for the glyphs.
    void SetZoom(double zoom);
    TTimerSpeedButton* DownButton() const { return downButton_; }

    QWidget* FocusControl = nullptr;
    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void TakeFocus();

    TTimerSpeedButton* upButton_;
    TTimerSpeedButton* downButton_;
};

// The spin edit field. Created with the text "0", Increment 1, no limits;
// the form applies its start values between BeginInit and EndInit (limits
// first, then Value), which raise no OnChange.
class TSpinEdit : public QLineEdit {
public:
    static constexpr int ButtonPairWidth = 15;

    explicit TSpinEdit(QWidget* parent = nullptr, const FormatSettings& format = qt::SystemFormatSettings());
    // On a model that its owner keeps for as long as the field lives (the
    // form's), with the limits, text and separator the owner gave it.
    TSpinEdit(QWidget* parent, SpinModel& model);

    // The text as a whole number; MinValue when it is not one. Never fails.
    int Value() const { return model_.Value(); }
    // Clamps (no limits when MinValue equals MaxValue) and sets the text if it
    // differs. Throws what an OnChange handler threw.
    void SetValue(int value);

    int MinValue() const { return model_.MinValue(); }
    void SetMinValue(int value) { model_.SetMinValue(value); }
    int MaxValue() const { return model_.MaxValue(); }
    void SetMaxValue(int value) { model_.SetMaxValue(value); }
    int Increment() const { return model_.Increment(); }
    void SetIncrement(int value) { model_.SetIncrement(value); }

    // Typing, pasting and cutting allowed.
    bool EditorEnabled() const { return model_.EditorEnabled(); }
    void SetEditorEnabled(bool enabled);
    // Nothing can be typed, and steps are refused with a beep. (The edit's own
    // setReadOnly is how these two take effect; set them here, not there.)
    bool ReadOnly() const { return model_.ReadOnly(); }
    void SetReadOnly(bool readOnly);
    // All text selected when the field is entered, except by a left press on
    // its text. Its window becoming active again is not entering the field,
    // nor is another window taking the focus leaving it.
    bool AutoSelect() const { return model_.AutoSelect(); }
    void SetAutoSelect(bool autoSelect) { model_.SetAutoSelect(autoSelect); }
    // The one character besides digits and signs that may be typed.
    void SetDecimalSeparator(const QString& separator)
    {
        model_.SetDecimalSeparator(separator.toStdString());
    }

    // The form's zoom (1 is 100 %): the button pair, its glyphs and the
    // gaps around them in the layout's pixels times the zoom.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

    // The 3D border (on by default); the button pair and text area follow it.
    bool Ctl3D() const { return hasFrame(); }
    void SetCtl3D(bool on);

    // Value +/- Increment, or a beep when ReadOnly. Throws what OnChange threw.
    void StepUp();
    void StepDown();

    // While any BeginInit is open, text changes raise no OnChange.
    void BeginInit() { model_.BeginInit(); }
    void EndInit() { model_.EndInit(); }

    // The value as the limits allow it.
    int CheckValue(int value) const { return model_.CheckValue(value); }
    // The smallest height the field's font allows; a smaller one is raised to it.
    int MinHeight() const;

    TSpinButton* Button() const { return button_; }
    const SpinModel& Model() const { return model_; }

    // What a screen reader announces as the value; empty (the default) for
    // the text itself. A window whose field hides its number keeps this
    // current ("0,2 mm"). The accessible name is the widget's accessibleName.
    const QString& AccessibleValueText() const { return accessibleValueText_; }
    void SetAccessibleValueText(const QString& text);

    std::function<void(TSpinEdit*)> OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TSpinEdit(QWidget* parent, std::unique_ptr<SpinModel> ownModel, SpinModel* model);

    // The editor's text changed, by any cause.
    void TextChanged();
    // Carries out the model's effects; throws what OnChange threw, so that a
    // failure ends the step or clamp that caused it.
    void Apply(const SpinEffects& effects);
    void KeyPress(QKeyEvent* event);
    void ApplyEditability();
    void UpdateLayout();

    std::unique_ptr<SpinModel> ownModel_;
    SpinModel& model_;
    TSpinButton* button_;
    double zoom_ = 1;
    QString accessibleValueText_;
    // Set while the field shows a text of its model's: whether that text is
    // a change to raise OnChange for, and where a failing OnChange goes.
    bool pendingChange_ = false;
    std::exception_ptr* changeFailure_ = nullptr;
    // The field lost the focus with its window, so it is still the window's
    // focus: its return with the window is not an entry.
    bool focusHeldByWindow_ = false;
};

// The glyphs of the up and down buttons: 9 x 6 pixels, a black triangle on
// olive RGB(128, 128, 0), which the buttons draw transparent.
QPixmap SpinUpGlyph();
QPixmap SpinDownGlyph();

} // namespace otpor
