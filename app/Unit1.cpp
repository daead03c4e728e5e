#include "app/Unit1.h"

#include "app/Accessibility.h"
#include "app/Desktop.h"
#include "app/PictureMenus.h"
#include "app/ProgramIcon.h"
#include "app/TImage.h"
#include "app/Unit2.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Runtime.h"
#include "widgets/Spin.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace otpor {

namespace {

QComboBox* MakeMaterialList(QWidget* parent, MaterialList which)
{
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // A typed text selects nothing: no completion, and leaving the field or
    // pressing Return does not look the text up among the items.
    list->setCompleter(nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::returnPressed, list, nullptr);
    for (std::string_view item : ListItems(which))
        list->addItem(qt::ToQString(item));
    list->setCurrentIndex(-1);
    list->setEditText(qt::ToQString(ListPrompt(which)));
    return list;
}

template <class W> W* As(QWidget* widget)
{
    return static_cast<W*>(widget);
}

} // namespace

TForm1::TForm1(const FormatSettings& format, QWidget* parent) : QWidget(parent), core_(*this, format)
{
    setObjectName(qt::ToQString(MainWindow.Name));
    setWindowTitle(qt::ToQString(MainWindow.Caption));
    setWindowIcon(ProgramIcon());
    ApplyDesktopColors(*this);

    InstallAccessibleInterfaces();
    CreateControls();
    PlaceControls(1);
    ConnectHandlers();
    CreateShortcuts();
    core_.FormCreate();
    accessibility_ = new TFormAccessibility(*this, format);
    new PictureMenus(*this);
}

TForm1::~TForm1()
{
    // The controls show the core's chart and spin models: they go first.
    const QObjectList controls = children();
    qDeleteAll(controls);
}

void TForm1::ShowAtFormGeometry()
{
    const LayoutRect& f = MainWindow.Frame;
    PlaceOnDesktop(*this, {f.Left, f.Top, f.Width, f.Height});
}

void TForm1::CreateControls()
{
    for (std::size_t i = 0; i < MainWindowControls.size(); ++i) {
        const ControlLayout& c = MainWindowControls[i];
        QWidget* parent = this;
        for (std::size_t p = 0; p < i; ++p)
            if (MainWindowControls[p].Name == c.Parent)
                parent = controls_[p];
        QWidget* control = CreateControl(c, parent);
        control->setObjectName(qt::ToQString(c.Name));
        controls_[i] = control;
    }
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < MainWindowControls.size(); ++i)
        if (MainWindowControls[i].TabStop) {
            if (previous)
                QWidget::setTabOrder(previous, controls_[i]);
            previous = controls_[i];
        }

    auto control = [this](std::string_view name) {
        return controls_[static_cast<std::size_t>(&MainWindowControl(name) - MainWindowControls.data())];
    };
    Image1 = As<TImage>(control("Image1"));
    Button1 = As<QPushButton>(control("Button1"));
    Button2 = As<QPushButton>(control("Button2"));
    Button3 = As<QPushButton>(control("Button3"));
    Button4 = As<QPushButton>(control("Button4"));
    Button5 = As<QPushButton>(control("Button5"));
    Chart1 = As<qt::TChartWidget>(control("Chart1"));
    Panel1 = As<QFrame>(control("Panel1"));
    GroupBox1 = As<QGroupBox>(control("GroupBox1"));
    GroupBox2 = As<QGroupBox>(control("GroupBox2"));
    ComboBox1 = As<QComboBox>(control("ComboBox1"));
    ComboBox2 = As<QComboBox>(control("ComboBox2"));
    Edit1 = valueFields_[static_cast<std::size_t>(InputId::Depth)];
    Edit2 = valueFields_[static_cast<std::size_t>(InputId::Feed)];
    SpinEdit1 = spins_[static_cast<std::size_t>(InputId::Depth)];
    SpinEdit2 = spins_[static_cast<std::size_t>(InputId::Approach)];
    SpinEdit3 = spins_[static_cast<std::size_t>(InputId::Rake)];
    SpinEdit4 = spins_[static_cast<std::size_t>(InputId::AuxApproach)];
    SpinEdit5 = spins_[static_cast<std::size_t>(InputId::Inclination)];
    SpinEdit6 = spins_[static_cast<std::size_t>(InputId::Feed)];
    SpinEdit7 = spins_[static_cast<std::size_t>(InputId::Speed)];
    SpinEdit8 = spins_[static_cast<std::size_t>(InputId::ForceMaximum)];
    SpinEdit9 = spins_[static_cast<std::size_t>(InputId::DisplayScale)];

    // After the form's own tab stops, the two pictures, for the keyboard and
    // a screen reader.
    Image1->setFocusPolicy(Qt::TabFocus);
    Chart1->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(previous, Image1);
    QWidget::setTabOrder(Image1, Chart1);
    // The focus chain is a ring, in which the pictures, created first, still
    // follow the window itself: the first tab stop takes the focus at start.
    Button1->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(FormCore::TickInterval);
}

QWidget* TForm1::CreateControl(const ControlLayout& c, QWidget* parent)
{
    switch (c.Kind) {
    case ControlKind::Picture: {
        auto* image = new TImage(parent, c.Bounds.Width, c.Bounds.Height);
        image->OnRedraw = [this] { core_.RedrawPicture(); };
        return image;
    }
    case ControlKind::Chart:
        return new qt::TChartWidget(parent, core_.Chart());
    case ControlKind::Button:
        return new QPushButton(qt::ToQString(c.Caption), parent);
    case ControlKind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Box | QFrame::Plain);
        return panel;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(qt::ToQString(c.Caption), parent);
    case ControlKind::SpinEdit: {
        const auto i = static_cast<std::size_t>(*c.Input);
        spins_[i] = new TSpinEdit(parent, core_.Spin(*c.Input));
        return spins_[i];
    }
    case ControlKind::Edit: {
        const auto i = static_cast<std::size_t>(*c.Input);
        valueFields_[i] = new QLineEdit(qt::ToQString(ControlText(c)), parent);
        return valueFields_[i];
    }
    case ControlKind::ComboBox:
        return MakeMaterialList(parent, *c.List);
    case ControlKind::Label:
        break;
    }
    auto* label = new QLabel(qt::ToQString(ControlText(c)), parent);
    if (c.Bold) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    return label;
}

void TForm1::PlaceControls(double zoom, QPoint origin)
{
    QFont font(qt::ToQString(MainWindow.FontName));
    font.setPixelSize(Zoomed(MainWindow.FontPixels, zoom));
    setFont(font);
    for (std::size_t i = 0; i < MainWindowControls.size(); ++i) {
        const ControlLayout& c = MainWindowControls[i];
        QWidget* control = controls_[i];
        const LayoutRect r = Zoomed(c.Bounds, zoom);
        const QPoint place = QPoint(r.Left, r.Top) + (c.Parent == MainWindow.Name ? origin : QPoint());
        switch (c.Kind) {
        case ControlKind::Label:
            // A label takes its text's size.
            control->move(place);
            control->adjustSize();
            continue;
        case ControlKind::Picture:
        case ControlKind::Chart:
            // A picture keeps its layout size times the zoom, which its
            // gestures and its bitmap divide by again.
            if (c.Kind == ControlKind::Picture)
                As<TImage>(control)->SetZoom(zoom);
            else
                As<qt::TChartWidget>(control)->SetZoom(zoom);
            control->setGeometry(place.x(), place.y(), Zoomed(c.Bounds.Width, zoom), Zoomed(c.Bounds.Height, zoom));
            continue;
        case ControlKind::SpinEdit:
            As<TSpinEdit>(control)->SetZoom(zoom);
            break;
        case ControlKind::Panel:
            As<QFrame>(control)->setLineWidth(Zoomed(1, zoom));
            break;
        case ControlKind::ComboBox: {
            // A list with a style sheet takes the form's font only when its
            // edit field is given it.
            auto* list = As<QComboBox>(control);
            list->setStyleSheet(QStringLiteral("QComboBox QAbstractItemView::item { min-height: %1px; }")
                                    .arg(Zoomed(ListItemHeight, zoom)));
            list->lineEdit()->setFont(font);
            break;
        }
        default:
            break;
        }
        control->setGeometry(place.x(), place.y(), r.Width, r.Height);
    }
    KeepDegreeMarksClear(*GroupBox1);
}

void TForm1::SetZoom(double zoom)
{
    if (!(zoom > 0))
        return;
    if (zoom_ == 1 && zoom != 1 && !fullScreen_)
        clientAt100_ = size();
    zoom_ = zoom;
    if (fullScreen_) {
        // Centred on the form's ground.
        PlaceControls(zoom_, QPoint((width() - Zoomed(MainClientWidth, zoom_)) / 2,
                                    (height() - Zoomed(MainClientHeight, zoom_)) / 2));
    } else {
        PlaceControls(zoom_);
        FitToScreen();
    }
    if (form2_)
        form2_->SetZoom(zoom_);
}

void TForm1::FitToScreen()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen) || !clientAt100_.isValid())
        return;
    const QSize need(Zoomed(MainClientWidth, zoom_), Zoomed(MainClientHeight, zoom_));
    QSize client = zoom_ == 1 ? clientAt100_
                              : QSize(Zoomed(clientAt100_.width(), zoom_), Zoomed(clientAt100_.height(), zoom_));
    const QRect available = screen()->availableGeometry();
    const QMargins frame = FrameMargins(*this);
    const QSize room = available.size().shrunkBy(frame);
    client = client.boundedTo(room).expandedTo(need);
    resize(client);
    // The frame kept on the available area, moved up and left as it grows.
    const QSize outer = client.grownBy(frame);
    const QPoint at(std::max(available.left(), std::min(pos().x(), available.right() + 1 - outer.width())),
                    std::max(available.top(), std::min(pos().y(), available.bottom() + 1 - outer.height())));
    if (at != pos())
        move(at);
}

double TForm1::LargestFittingStep() const
{
    const QSize room = screen()->availableGeometry().size().shrunkBy(FrameMargins(*this));
    double largest = ZoomSteps.front() / 100.0;
    for (const int step : ZoomSteps) {
        const double zoom = step / 100.0;
        if (Zoomed(MainClientWidth, zoom) <= room.width() && Zoomed(MainClientHeight, zoom) <= room.height())
            largest = zoom;
    }
    return largest;
}

void TForm1::ZoomIn()
{
    if (fullScreen_)
        return;
    const double limit = LargestFittingStep();
    for (const int step : ZoomSteps)
        if (step / 100.0 > zoom_) {
            if (step / 100.0 <= limit)
                SetZoom(step / 100.0);
            return;
        }
}

void TForm1::ZoomOut()
{
    if (fullScreen_)
        return;
    for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend(); ++step)
        if (*step / 100.0 < zoom_) {
            SetZoom(*step / 100.0);
            return;
        }
}

void TForm1::ZoomReset()
{
    if (!fullScreen_)
        SetZoom(ZoomSteps.front() / 100.0);
}

void TForm1::ToggleFullScreen()
{
    if (!fullScreen_) {
        normalGeometry_ = geometry();
        normalZoom_ = zoom_;
        normalState_ = windowState();
        if (zoom_ == 1)
            clientAt100_ = size();
        fullScreen_ = true;
        leaveFullScreen_->setEnabled(true);
        showFullScreen();
        // The zoom follows the resize that the window system sends; a window
        // that has the screen's size already gets none.
        if (size() == screen()->geometry().size())
            SetZoom(FullScreenZoom());
        return;
    }
    fullScreen_ = false;
    leaveFullScreen_->setEnabled(false);
    setWindowState(normalState_);
    if (!(normalState_ & Qt::WindowMaximized))
        setGeometry(normalGeometry_);
    zoom_ = normalZoom_;
    PlaceControls(zoom_);
    if (form2_)
        form2_->SetZoom(zoom_);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (fullScreen_)
        SetZoom(FullScreenZoom());
}

double TForm1::FullScreenZoom() const
{
    // Continuous, not the largest step: on a 1920 x 1080 screen the steps
    // would stop at 175 % and leave an eighth of its height unused.
    return std::max(ZoomSteps.front() / 100.0, FittingZoom(width(), height()));
}

void TForm1::wheelEvent(QWheelEvent* event)
{
    // What reaches the form is a wheel that no control under the mouse took:
    // the lists keep theirs, to step through their items.
    if (event->modifiers() != Qt::ControlModifier) {
        event->ignore();
        return;
    }
    constexpr int Notch = QWheelEvent::DefaultDeltasPerStep;
    wheelAngle_ += event->angleDelta().y();
    for (; wheelAngle_ >= Notch; wheelAngle_ -= Notch)
        ZoomIn();
    for (; wheelAngle_ <= -Notch; wheelAngle_ += Notch)
        ZoomOut();
    event->accept();
}

void TForm1::CreateShortcuts()
{
    // Window shortcuts: heard wherever the focus is in the window, after the
    // focused control has claimed the keys it uses itself, and never while a
    // list's drop-down, a menu or a box has the keyboard.
    auto shortcut = [this](QList<QKeySequence> keys, void (TForm1::*action)()) {
        auto* s = new QShortcut(this);
        s->setKeys(keys);
        connect(s, &QShortcut::activated, this, [this, action] { (this->*action)(); });
        return s;
    };
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &TForm1::ZoomIn);
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &TForm1::ZoomOut);
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, &TForm1::ZoomReset);
    shortcut({QKeySequence(Qt::Key_F11)}, &TForm1::ToggleFullScreen);
    leaveFullScreen_ = shortcut({QKeySequence(Qt::Key_Escape)}, &TForm1::ToggleFullScreen);
    leaveFullScreen_->setEnabled(false);
}

void TForm1::ConnectHandlers()
{
    // Buttons, lists and the timer are called by Qt directly: their failures
    // end at the error report here. The spin controls report their own, so
    // that a failing step also ends its auto-repeat.
    auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { qt::Guarded([&] { (this->*handler)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, guarded(&TForm1::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(&TForm1::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(&TForm1::Button3Click));
    connect(Button4, &QPushButton::clicked, this, guarded(&TForm1::Button4Click));
    connect(Button5, &QPushButton::clicked, this, guarded(&TForm1::Button5Click));
    connect(Timer1, &QTimer::timeout, this, guarded(&TForm1::Timer1Timer));

    for (const InputRow& row : InputRows)
        spins_[static_cast<std::size_t>(row.Id)]->OnChange = [this, id = row.Id](TSpinEdit*) {
            core_.InputChanged(id);
        };

    // A chosen item gives its index; a typed text selects nothing.
    for (const MaterialList which : {MaterialList::Work, MaterialList::Tool}) {
        QComboBox* list = List(which);
        connect(list, &QComboBox::activated, this,
                [this, which](int index) { qt::Guarded([&] { core_.ListChanged(which, index); }); });
        connect(list->lineEdit(), &QLineEdit::textEdited, this,
                [this, which](const QString&) { qt::Guarded([&] { core_.ListChanged(which, -1); }); });
    }
}

void TForm1::Button1Click()
{
    close();
}

void TForm1::Button4Click()
{
    if (!form2_)
        return;
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

// --- what the core asks of the window -----------------------------------------

Canvas& TForm1::PictureCanvas()
{
    return Image1->Canvas();
}

void TForm1::PictureDrawn()
{
    Image1->update();
}

void TForm1::ShowSpinText(InputId input, std::string_view text)
{
    spins_[static_cast<std::size_t>(input)]->setText(qt::ToQString(text));
}

void TForm1::ShowValueText(InputId input, std::string_view text)
{
    valueFields_[static_cast<std::size_t>(input)]->setText(qt::ToQString(text));
}

void TForm1::ShowListItem(MaterialList list, int itemIndex)
{
    List(list)->setCurrentIndex(itemIndex);
}

bool TForm1::TimerEnabled() const
{
    return Timer1->isActive();
}

void TForm1::SetTimerEnabled(bool enabled)
{
    if (enabled && !Timer1->isActive())
        Timer1->start();
    else if (!enabled)
        Timer1->stop();
}

void TForm1::Beep()
{
    qt::Beep();
}

void TForm1::ShowWarning(std::string_view text)
{
    qt::ShowWarningBox(qt::ToQString(text));
}

void TForm1::ForcesChanged()
{
    if (accessibility_)
        accessibility_->ForcesChanged();
}

} // namespace otpor
