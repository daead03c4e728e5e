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
#include <QTimer>

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

void TForm1::PlaceControls(double zoom)
{
    QFont font(qt::ToQString(MainWindow.FontName));
    font.setPixelSize(Zoomed(MainWindow.FontPixels, zoom));
    setFont(font);
    for (std::size_t i = 0; i < MainWindowControls.size(); ++i) {
        const ControlLayout& c = MainWindowControls[i];
        const LayoutRect r = Zoomed(c.Bounds, zoom);
        // A label takes its text's size.
        if (c.Kind == ControlKind::Label) {
            controls_[i]->move(r.Left, r.Top);
            controls_[i]->adjustSize();
        } else {
            controls_[i]->setGeometry(r.Left, r.Top, r.Width, r.Height);
        }
        // A list with a style sheet takes the form's font only when its edit
        // field is given it.
        if (c.Kind == ControlKind::ComboBox) {
            auto* list = As<QComboBox>(controls_[i]);
            list->setStyleSheet(QStringLiteral("QComboBox QAbstractItemView::item { min-height: %1px; }")
                                    .arg(Zoomed(ListItemHeight, zoom)));
            list->lineEdit()->setFont(font);
        }
    }
    KeepDegreeMarksClear(*GroupBox1);
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
