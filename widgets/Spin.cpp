#include "widgets/Spin.h"

#include "form/FormLayout.h"
#include "platform/qt/ErrorReport.h"
#include "widgets/SpinAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <utility>

namespace otpor {

namespace {

// The sunken 3D border of an edit field, on each side; the field's client
// area lies inside it, and the button pair is placed in client coordinates.
constexpr int Ctl3DEdge = 2;
// With the 3D border the pair keeps this far from the outer right and bottom
// edges (the border on both sides and a 1-pixel gap); without it, it sits
// one pixel down and keeps clear of the bottom by this much.
constexpr int PairInset3D = 5;
constexpr int PairTopFlat = 1;
constexpr int PairInsetFlat = 3;
// Free columns between the text area and the button pair.
constexpr int TextGap = 2;
// The height of the system's thin window border, in the minimum-height rule.
constexpr int SystemBorderHeight = 1;

// 9 x 6, olive background, the triangle's rows 1, 3, 5 and 7 pixels wide.
const char* const SpinUpXpm[] = {
    "9 6 2 1",   ". c #808000", "# c #000000", ".........", "....#....",
    "...###...", "..#####..",   ".#######.",   ".........",
};

const char* const SpinDownXpm[] = {
    "9 6 2 1",   ". c #808000", "# c #000000", ".........", ".#######.",
    "..#####..", "...###...",   "....#....",   ".........",
};

// The glyph with every pixel of its bottom-left pixel's colour made clear.
QPixmap TransparentGlyph(const QPixmap& glyph)
{
    if (glyph.isNull())
        return glyph;
    QImage image = glyph.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == clear)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return QPixmap::fromImage(image);
}

// The figure of a glyph whose dark part is convex with straight sides: each
// side runs through the ends of the first and the last row's run, taken at
// the rows' centres, out to those rows' outer edges. Filled without smoothing
// at a ratio of 1 it covers exactly the glyph's pixels. Empty for a glyph of
// fewer than two rows.
QPolygonF GlyphOutline(const QImage& image, QColor* color)
{
    int first = -1;
    int last = -1;
    double left[2] = {};
    double right[2] = {};
    for (int y = 0; y < image.height(); ++y) {
        int from = -1;
        int to = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                continue;
            if (from < 0)
                from = x;
            to = x + 1;
        }
        if (from < 0)
            continue;
        if (first < 0) {
            first = y;
            left[0] = from;
            right[0] = to;
            *color = QColor::fromRgb(image.pixel(from, y));
        }
        last = y;
        left[1] = from;
        right[1] = to;
    }
    if (first < 0 || last == first)
        return {};
    const auto side = [&](const double(&ends)[2], double y) {
        return ends[0] + (ends[1] - ends[0]) * (y - (first + 0.5)) / (last - first);
    };
    const double top = first;
    const double bottom = last + 1;
    return QPolygonF({QPointF(side(left, top), top), QPointF(side(right, top), top),
                      QPointF(side(right, bottom), bottom), QPointF(side(left, bottom), bottom)});
}

} // namespace

QPixmap SpinUpGlyph()
{
    return QPixmap(SpinUpXpm);
}
QPixmap SpinDownGlyph()
{
    return QPixmap(SpinDownXpm);
}

// --- TTimerSpeedButton --------------------------------------------------------

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TTimerSpeedButton::SetGlyph(const QPixmap& glyph)
{
    glyph_ = TransparentGlyph(glyph);
    glyphOutline_ = glyph_.isNull() ? QPolygonF() : GlyphOutline(glyph_.toImage(), &glyphColor_);
    deviceGlyph_ = QPixmap();
    update();
}

void TTimerSpeedButton::SetZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    zoom_ = zoom;
    update();
}

void TTimerSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= Down() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    if (glyph_.isNull())
        return;
    // The device the pixels land on: the screen's backing store, or the
    // picture the button is rendered into, whose ratio the widget's may not be.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    QPixmap glyph = (ratio == 1 && zoom_ == 1) || glyphOutline_.isEmpty() ? glyph_ : DeviceGlyph(ratio);
    if (!isEnabled()) {
        const qreal glyphRatio = glyph.devicePixelRatio();
        glyph = style()->generatedIconPixmap(QIcon::Disabled, glyph, &option);
        glyph.setDevicePixelRatio(glyphRatio);
    }
    // A pressed face shows its glyph one pixel down and to the right. The
    // place is in the layout's pixels (times the zoom) whatever the ratio.
    const int shift = Down() ? Zoomed(1, zoom_) : 0;
    const QSize size = glyph.deviceIndependentSize().toSize();
    painter.drawPixmap(QPoint((width() - size.width()) / 2 + shift, (height() - size.height()) / 2 + shift),
                       glyph);
}

const QPixmap& TTimerSpeedButton::DeviceGlyph(qreal ratio)
{
    if (!deviceGlyph_.isNull() && deviceGlyph_.devicePixelRatio() == ratio && deviceGlyphZoom_ == zoom_)
        return deviceGlyph_;
    const QSize size(Zoomed(glyph_.width(), zoom_), Zoomed(glyph_.height(), zoom_));
    deviceGlyph_ = QPixmap((QSizeF(size) * ratio).toSize().expandedTo(QSize(1, 1)));
    deviceGlyph_.setDevicePixelRatio(ratio);
    deviceGlyph_.fill(Qt::transparent);
    deviceGlyphZoom_ = zoom_;
    QPainter painter(&deviceGlyph_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<double>(size.width()) / glyph_.width(),
                  static_cast<double>(size.height()) / glyph_.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(glyphColor_);
    painter.drawPolygon(glyphOutline_);
    return deviceGlyph_;
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    qt::Guarded([this] {
        const RepeatButtonResult result = repeat_.Press();
        update();
        if (OnPress)
            OnPress();
        if (!repeatTimer_) {
            repeatTimer_ = new QTimer(this);
            // A coarse timer may fire up to 5 % early or late, the first step 20 ms either way.
            repeatTimer_->setTimerType(Qt::PreciseTimer);
            connect(repeatTimer_, &QTimer::timeout, this, [this] { TimerExpired(); });
        }
        Apply(result);
    });
}

void TTimerSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    const bool wasDown = Down();
    repeat_.Move(rect().contains(event->position().toPoint()));
    if (Down() != wasDown)
        update();
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (!repeat_.Held())
        return;
    // The bottom row just below the button still counts as over it.
    const QPoint p = event->position().toPoint();
    const bool over = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
    const bool click = Apply(repeat_.Release(over));
    update();
    if (click)
        qt::Guarded([this] { Click(); });
}

void TTimerSpeedButton::hideEvent(QHideEvent* event)
{
    EndPress();
    QWidget::hideEvent(event);
}

void TTimerSpeedButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        EndPress();
    QWidget::changeEvent(event);
}

void TTimerSpeedButton::TimerExpired()
{
    if (!Apply(repeat_.Timer()))
        return;
    try {
        Click();
    } catch (...) {
        // Stopped before the report: its message box runs a loop in which
        // this timer would otherwise go on failing. The box also takes the
        // mouse, so the press is over and its release makes no last step.
        EndPress();
        qt::ReportException(std::current_exception());
    }
}

bool TTimerSpeedButton::Apply(const RepeatButtonResult& result)
{
    if (repeatTimer_ && result.StopTimer)
        repeatTimer_->stop();
    // A running timer takes the new interval from now on.
    if (repeatTimer_ && result.ArmTimer > 0)
        repeatTimer_->start(result.ArmTimer);
    return result.Click;
}

void TTimerSpeedButton::EndPress()
{
    const bool wasDown = Down();
    Apply(repeat_.Cancel());
    if (wasDown)
        update();
}

void TTimerSpeedButton::Click()
{
    if (OnClick)
        OnClick();
}

// --- TSpinButton ------------------------------------------------------------------

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), upButton_(new TTimerSpeedButton(this)), downButton_(new TTimerSpeedButton(this))
{
    setFocusPolicy(Qt::NoFocus);
    upButton_->SetGlyph(SpinUpGlyph());
    downButton_->SetGlyph(SpinDownGlyph());
    upButton_->OnPress = [this] { TakeFocus(); };
    downButton_->OnPress = [this] { TakeFocus(); };
    upButton_->OnClick = [this] {
        if (OnUpClick)
            OnUpClick();
    };
    downButton_->OnClick = [this] {
        if (OnDownClick)
            OnDownClick();
    };
}

void TSpinButton::SetZoom(double zoom)
{
    upButton_->SetZoom(zoom);
    downButton_->SetZoom(zoom);
}

void TSpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upHeight = height() / 2;
    upButton_->setGeometry(0, 0, width(), upHeight);
    // The two faces share one row, the down button's top edge over the up
    // button's bottom one.
    downButton_->setGeometry(0, upHeight - 1, width(), height() - upHeight + 1);
}

void TSpinButton::TakeFocus()
{
    QWidget* target = FocusControl;
    if (target && target->isEnabled() && target->isVisible() && (target->focusPolicy() & Qt::ClickFocus) &&
        !target->hasFocus())
        target->setFocus(Qt::MouseFocusReason);
}

// --- TSpinEdit --------------------------------------------------------------------

TSpinEdit::TSpinEdit(QWidget* parent, const FormatSettings& format)
    : TSpinEdit(parent, std::make_unique<SpinModel>(format.DecimalSeparator), nullptr)
{
}

TSpinEdit::TSpinEdit(QWidget* parent, SpinModel& model) : TSpinEdit(parent, nullptr, &model) {}

TSpinEdit::TSpinEdit(QWidget* parent, std::unique_ptr<SpinModel> ownModel, SpinModel* model)
    : QLineEdit(parent), ownModel_(std::move(ownModel)), model_(model ? *model : *ownModel_),
      button_(new TSpinButton(this))
{
    static const bool accessible = (QAccessible::installFactory(&SpinEditAccessibleFactory), true);
    (void)accessible;
    setText(QString::fromStdString(model_.Text()));
    button_->FocusControl = this;
    button_->OnUpClick = [this] { StepUp(); };
    button_->OnDownClick = [this] { StepDown(); };
    ApplyEditability();
    connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
    setMinimumHeight(MinHeight());
    UpdateLayout();
}

void TSpinEdit::SetValue(int value)
{
    Apply(model_.SetValue(value));
}

void TSpinEdit::Apply(const SpinEffects& effects)
{
    if (effects.TextSet) {
        // OnChange is raised from the edit's textChanged, as for a typed
        // change, so that other listeners of that signal hear of the change
        // after the form's handler has run; its failure ends this step.
        std::exception_ptr failure;
        std::exception_ptr* const outer = std::exchange(changeFailure_, &failure);
        pendingChange_ = effects.Changed;
        {
            // A hidden number's digits are not its value: its value text is.
            std::optional<TQuietAccessibility> quiet;
            if (!accessibleValueText_.isEmpty())
                quiet.emplace(this, std::initializer_list<QAccessible::Event>{
                                        QAccessible::TextInserted, QAccessible::TextRemoved,
                                        QAccessible::TextUpdated, QAccessible::TextCaretMoved,
                                        QAccessible::TextSelectionChanged});
            setText(QString::fromStdString(effects.NewText));
        }
        pendingChange_ = false;
        changeFailure_ = outer;
        if (failure)
            std::rethrow_exception(failure);
    }
    if (effects.Beep)
        qt::Beep();
    if (effects.SelectAll)
        selectAll();
}

void TSpinEdit::TextChanged()
{
    // The model already holds a text it set itself and reports no change for it.
    const bool changed =
        model_.OnTextEdited(text().toStdString()).Changed || std::exchange(pendingChange_, false);
    if (accessibleValueText_.isEmpty() && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, Value());
        QAccessible::updateAccessibility(&event);
    }
    if (!changed || !OnChange)
        return;
    try {
        OnChange(this);
    } catch (...) {
        if (changeFailure_)
            *changeFailure_ = std::current_exception();
        else
            qt::ReportException(std::current_exception());
    }
}

void TSpinEdit::SetAccessibleValueText(const QString& text)
{
    if (text == accessibleValueText_)
        return;
    accessibleValueText_ = text;
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, Value());
        QAccessible::updateAccessibility(&event);
    }
}

void TSpinEdit::SetEditorEnabled(bool enabled)
{
    model_.SetEditorEnabled(enabled);
    ApplyEditability();
}

void TSpinEdit::SetReadOnly(bool readOnly)
{
    model_.SetReadOnly(readOnly);
    ApplyEditability();
}

void TSpinEdit::SetZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    zoom_ = zoom;
    button_->SetZoom(zoom);
    UpdateLayout();
}

void TSpinEdit::SetCtl3D(bool on)
{
    setFrame(on);
    UpdateLayout();
}

void TSpinEdit::StepUp()
{
    Apply(model_.OnStepUp());
}
void TSpinEdit::StepDown()
{
    Apply(model_.OnStepDown());
}

int TSpinEdit::MinHeight() const
{
    const int fieldHeight = QFontMetrics(font()).height();
    const int systemHeight = QFontMetrics(QApplication::font()).height();
    return fieldHeight + std::min(systemHeight, fieldHeight) / 4 + 4 * SystemBorderHeight + 2;
}

void TSpinEdit::keyPressEvent(QKeyEvent* event)
{
    qt::Guarded([&] { KeyPress(event); });
}

void TSpinEdit::KeyPress(QKeyEvent* event)
{
    SpinEffects effects;
    switch (event->key()) {
    case Qt::Key_Up:
        effects = model_.OnArrowKey(SpinButton::Up);
        break;
    case Qt::Key_Down:
        effects = model_.OnArrowKey(SpinButton::Down);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        effects = model_.OnKeyChar("\r");
        break;
    default: {
        // Control and Control+Shift make shortcuts (select all, copy, paste...),
        // not characters; Control+Alt is AltGr and types.
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        const bool shortcut =
            modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
        if (shortcut) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        effects = model_.OnKeyChar(event->text().toStdString());
    }
    }
    event->accept();
    Apply(effects);
    if (effects.PassKey)
        QLineEdit::keyPressEvent(event);
}

void TSpinEdit::focusInEvent(QFocusEvent* event)
{
    // The selection made on entering is said with the field, not before it.
    const TQuietAccessibility quiet(this, {QAccessible::TextSelectionChanged, QAccessible::TextCaretMoved});
    // The focus coming back from a context menu, or with its window after the
    // error box or another program, finds the field as it was left: that is
    // not entering it. (Selecting all here let a held Control+V paste over the
    // whole text again after each error box.)
    const Qt::FocusReason reason = event->reason();
    const bool returning =
        reason == Qt::PopupFocusReason || (reason == Qt::ActiveWindowFocusReason && focusHeldByWindow_);
    focusHeldByWindow_ = false;
    if (returning) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // The edit itself selects all on Tab; here AutoSelect decides.
    const bool tab =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    QFocusEvent entered(QEvent::FocusIn, tab ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&entered);
    // A focus by the mouse may come from a press on the text or on a button;
    // a press on the text comes next and puts the cursor where it was
    // pressed, which clears this selection, while a press on a button keeps it.
    qt::Guarded([this] { Apply(model_.OnEnter(false)); });
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    {
        // The selection the edit clears on leaving is nothing to listen to.
        const TQuietAccessibility quiet(this,
                                        {QAccessible::TextSelectionChanged, QAccessible::TextCaretMoved});
        QLineEdit::focusOutEvent(event);
    }
    // A context menu or another window taking the focus does not leave the
    // field: it stays its window's focus and gets the focus back with it.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason)
        focusHeldByWindow_ = true;
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    qt::Guarded([this] { Apply(model_.OnLeave()); });
}

void TSpinEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    UpdateLayout();
}

void TSpinEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setMinimumHeight(MinHeight());
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        UpdateLayout();
}

void TSpinEdit::ApplyEditability()
{
    // The read-only edit refuses typing, pasting, cutting, undo and drops on
    // its own; steps change the text regardless and are refused by ReadOnly only.
    setReadOnly(!model_.Editable());
    // Every character arrives as a key event, where it is filtered.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TSpinEdit::UpdateLayout()
{
    const int w = width();
    const int h = height();
    const auto zoomed = [this](int px) { return Zoomed(px, zoom_); };
    const int edge = hasFrame() ? zoomed(Ctl3DEdge) : 0;
    const QRect client(edge, edge, w - 2 * edge, h - 2 * edge);

    const int pairWidth = zoomed(ButtonPairWidth);
    QRect pair = hasFrame() ? QRect(w - pairWidth - zoomed(PairInset3D), 0, pairWidth, h - zoomed(PairInset3D))
                            : QRect(w - pairWidth, zoomed(PairTopFlat), pairWidth, h - zoomed(PairInsetFlat));
    pair.translate(client.topLeft());
    button_->setGeometry(pair);
    // Clipped to the client area like a child window: a field narrower than
    // its buttons shows what of them fits.
    const QRect visible = pair.intersected(client);
    button_->setVisible(!visible.isEmpty());
    if (visible == pair)
        button_->clearMask();
    else if (!visible.isEmpty())
        button_->setMask(QRegion(visible.translated(-pair.topLeft())));

    // The text stays left of the buttons; in a field too narrow for both it
    // has no width and the number is not shown.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int textLeft = client.left();
    const int textRight = std::max(textLeft, client.left() + client.width() - pairWidth - zoomed(TextGap));
    const int left = std::clamp(textLeft - contents.left(), 0, std::max(0, contents.width()));
    const int right =
        std::clamp(contents.left() + contents.width() - textRight, 0, std::max(0, contents.width() - left));
    setTextMargins(left, 0, right, 0);
}

} // namespace otpor
