#include "app/Unit1.h"

#include "app/Accessibility.h"
#include "app/Desktop.h"
#include "app/PictureMenus.h"
#include "app/ProgramIcon.h"
#include "app/TImage.h"
#include "app/Unit2.h"
#include "chart/Oscillograph.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/Runtime.h"
#include "scene/SceneDrawing.h"
#include "sim/InputHandlers.h"
#include "sim/InputTable.h"
#include "sim/MaterialTables.h"
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

constexpr int TimerInterval = 50;     // ms per tick
constexpr int ControlFontPixels = 11; // "Tahoma" 8 pt at 96 dpi
constexpr int ListItemHeight = 13;

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The input's control with the range, step and start value of its row.
TSpinEdit* MakeSpin(QWidget* parent, InputId id, int left, int top, int width, const FormatSettings& fmt)
{
    const InputRow& row = Row(id);
    auto* spin = new TSpinEdit(parent, fmt);
    spin->setObjectName(Text(row.Control));
    spin->BeginInit();
    spin->SetMinValue(row.MinValue);
    spin->SetMaxValue(row.MaxValue);
    spin->SetIncrement(row.Increment);
    spin->SetValue(row.Value);
    spin->EndInit();
    spin->setGeometry(left, top, width, 22);
    return spin;
}

// The field that shows the value of a control too narrow to show its own.
QLineEdit* MakeValueField(QWidget* parent, InputId id, int left, int top)
{
    const InputRow& row = Row(id);
    auto* field = new QLineEdit(Text(ValueFieldStartText(row)), parent);
    field->setObjectName(Text(row.ValueField));
    field->setGeometry(left, top, 33, 21);
    return field;
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, std::string_view caption)
{
    auto* label = new QLabel(Text(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, int left, int top, int width, const char* caption)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, 25);
    return button;
}

template <std::size_t N, class Row>
QComboBox* MakeMaterialList(QWidget* parent, const char* name, int top, const std::array<Row, N>& rows,
                            std::string_view prompt)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // A typed text selects nothing: no completion, and leaving the field or
    // pressing Return does not look the text up among the items.
    list->setCompleter(nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::returnPressed, list, nullptr);
    for (const Row& row : rows)
        list->addItem(Text(row.Name));
    list->setCurrentIndex(-1);
    list->setEditText(Text(prompt));
    list->setGeometry(16, top, 201, 21);
    list->setStyleSheet(
        QStringLiteral("QComboBox QAbstractItemView::item { min-height: %1px; }").arg(ListItemHeight));
    return list;
}

} // namespace

TForm1::TForm1(const FormatSettings& format, QWidget* parent) : QWidget(parent), format_(format)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Odredjivanje otpora rezanja pri struganju"));
    setWindowIcon(ProgramIcon());
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(ControlFontPixels);
    setFont(font);
    ApplyDesktopColors(*this);

    InstallAccessibleInterfaces();
    CreateControls();
    ConnectHandlers();
    FormCreate();
    new TFormAccessibility(*this, format_);
    new PictureMenus(*this);
}

TForm1::~TForm1() = default;

void TForm1::ShowAtFormGeometry()
{
    PlaceOnDesktop(*this, {FormLeft, FormTop, FormWidth, FormHeight});
}

void TForm1::CreateControls()
{
    Image1 = new TImage(this, PictureWidth, PictureHeight);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(232, 8);
    Image1->OnRedraw = [this] { RedrawPicture(); };

    Button1 = MakeButton(this, "Button1", 8, 512, 57, "Exit");
    Button2 = MakeButton(this, "Button2", 8, 448, 57, "Proces");
    Button3 = MakeButton(this, "Button3", 72, 448, 57, "Pauza");

    CreateChart();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setGeometry(6, 8, 222, 297);

    GroupBox1 = new QGroupBox(QStringLiteral("Geometrija alata"), Panel1);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(6, 32, 206, 129);
    SpinEdit2 = MakeSpin(GroupBox1, InputId::Approach, 160, 24, 41, format_);
    SpinEdit3 = MakeSpin(GroupBox1, InputId::Rake, 160, 48, 41, format_);
    SpinEdit5 = MakeSpin(GroupBox1, InputId::Inclination, 160, 72, 41, format_);
    SpinEdit4 = MakeSpin(GroupBox1, InputId::AuxApproach, 160, 96, 41, format_);

    GroupBox2 = new QGroupBox(QStringLiteral("Režim rezanja"), Panel1);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(6, 168, 206, 121);
    SpinEdit1 = MakeSpin(GroupBox2, InputId::Depth, 176, 24, 17, format_);
    Edit1 = MakeValueField(GroupBox2, InputId::Depth, 144, 24);
    Edit2 = MakeValueField(GroupBox2, InputId::Feed, 144, 56);
    SpinEdit6 = MakeSpin(GroupBox2, InputId::Feed, 176, 56, 17, format_);
    SpinEdit7 = MakeSpin(GroupBox2, InputId::Speed, 144, 88, 49, format_);

    Button4 = MakeButton(this, "Button4", 72, 512, 57, "Help");
    Button5 = MakeButton(this, "Button5", 8, 480, 121, "Polazno stanje");
    ComboBox1 = MakeMaterialList(this, "ComboBox1", 368, WorkMaterials, WorkMaterialPrompt);
    SpinEdit8 = MakeSpin(this, InputId::ForceMaximum, 152, 504, 57, format_);
    ComboBox2 = MakeMaterialList(this, "ComboBox2", 328, ToolMaterials, ToolMaterialPrompt);
    SpinEdit9 = MakeSpin(this, InputId::DisplayScale, 184, 408, 41, format_);

    QLabel* title = MakeLabel(Panel1, "Label1", 56, 8, "POLAZNI PODACI");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->adjustSize();
    MakeLabel(GroupBox1, "Label2", 8, 32, LabelText(Row(InputId::Approach)));
    MakeLabel(GroupBox1, "Label9", 81, 28, "o");
    MakeLabel(GroupBox1, "Label5", 8, 56, LabelText(Row(InputId::Rake)));
    MakeLabel(GroupBox1, "Label11", 72, 50, "o");
    MakeLabel(GroupBox1, "Label7", 8, 80, LabelText(Row(InputId::Inclination)));
    MakeLabel(GroupBox1, "Label14", 106, 74, "o");
    MakeLabel(GroupBox1, "Label6", 8, 104, LabelText(Row(InputId::AuxApproach)));
    MakeLabel(GroupBox1, "Label15", 120, 98, "o");
    KeepDegreeMarksClear(*GroupBox1);
    MakeLabel(GroupBox2, "Label3", 8, 32, LabelText(Row(InputId::Depth)));
    MakeLabel(GroupBox2, "Label4", 8, 64, LabelText(Row(InputId::Feed)));
    MakeLabel(GroupBox2, "Label8", 8, 96, LabelText(Row(InputId::Speed)));
    const std::string scale = LabelText(Row(InputId::DisplayScale));
    const std::size_t lineBreak = scale.find('\n');
    MakeLabel(this, "Label12", 16, 400, std::string_view(scale).substr(0, lineBreak));
    MakeLabel(this, "Label13", 16, 416, std::string_view(scale).substr(lineBreak + 1));
    MakeLabel(this, "Label10", 136, 488, LabelText(Row(InputId::ForceMaximum)));

    // The tab order of the form, then the two pictures, for the keyboard and a screen reader.
    Image1->setFocusPolicy(Qt::TabFocus);
    Chart1->setFocusPolicy(Qt::TabFocus);
    QWidget* order[] = {Button1,   Button2,   Button3,   SpinEdit2, SpinEdit3, SpinEdit5, SpinEdit4,
                        SpinEdit1, Edit1,     Edit2,     SpinEdit6, SpinEdit7, Button4,   Button5,
                        ComboBox1, SpinEdit8, ComboBox2, SpinEdit9, Image1,    Chart1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TimerInterval);
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

    const std::pair<TSpinEdit*, void (TForm1::*)()> spins[] = {
        {SpinEdit1, &TForm1::SpinEdit1Change}, {SpinEdit2, &TForm1::SpinEdit2Change},
        {SpinEdit3, &TForm1::SpinEdit3Change}, {SpinEdit4, &TForm1::SpinEdit4Change},
        {SpinEdit5, &TForm1::SpinEdit5Change}, {SpinEdit6, &TForm1::SpinEdit6Change},
        {SpinEdit7, &TForm1::SpinEdit7Change}, {SpinEdit8, &TForm1::SpinEdit8Change},
        {SpinEdit9, &TForm1::SpinEdit9Change},
    };
    for (const auto& [spin, handler] : spins)
        spin->OnChange = [this, handler = handler](TSpinEdit*) { (this->*handler)(); };

    // A chosen item gives its index; a typed text selects nothing.
    auto lists = {std::pair{ComboBox1, &TForm1::ComboBox1Change},
                  std::pair{ComboBox2, &TForm1::ComboBox2Change}};
    for (const auto& [list, handler] : lists) {
        connect(list, &QComboBox::activated, this,
                [this, handler = handler](int index) { qt::Guarded([&] { (this->*handler)(index); }); });
        connect(list->lineEdit(), &QLineEdit::textEdited, this,
                [this, handler = handler](const QString&) { qt::Guarded([&] { (this->*handler)(-1); }); });
    }
}

void TForm1::FormCreate()
{
    ComboBox1->setEditText(Text(WorkMaterialPrompt));
    ComboBox2->setEditText(Text(ToolMaterialPrompt));
    otpor::FormCreate(State_);
    DrawWorkpieceAndTool();
}

void TForm1::Apply(const InputResponse& r)
{
    if (r.Edit1Text)
        Edit1->setText(QString::fromStdString(*r.Edit1Text));
    if (r.Edit2Text)
        Edit2->setText(QString::fromStdString(*r.Edit2Text));
    if (r.RedrawScene)
        DrawWorkpieceAndTool();
    if (r.LeftAxisMaximum)
        SetLeftAxisMaximum(*r.LeftAxisMaximum);
}

void TForm1::CreateChart()
{
    Chart1 = new qt::TChartWidget(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(OscillographLeft, OscillographTop, OscillographWidth, OscillographHeight);
    Chart1->Chart().SetSeparators(format_);
    const OscillographSeries traces = ConfigureOscillograph(Chart1->Chart());
    series_[0] = std::make_unique<TraceFeed>(traces.Series1);
    series_[1] = std::make_unique<TraceFeed>(traces.Series2);
    series_[2] = std::make_unique<TraceFeed>(traces.Series3);
}

TChart& TForm1::Chart()
{
    return Chart1->Chart();
}

void TForm1::SetLeftAxisMaximum(int maximum)
{
    // The axis may refuse the maximum (below a zoomed minimum); then the
    // minimum is not set either.
    Chart().LeftAxis.SetMaximum(maximum);
    Chart().LeftAxis.SetMinimum(0);
}

void TForm1::Button1Click()
{
    close();
}
void TForm1::Button2Click()
{
    StartProcess(State_, *this);
}
void TForm1::Button3Click()
{
    PauseProcess(State_, *this);
}
void TForm1::Button5Click()
{
    ResetProcess(State_, *this);
}
void TForm1::Timer1Timer()
{
    ProcessTick(State_, *this);
}

void TForm1::Button4Click()
{
    if (!form2_)
        return;
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

static std::string Utf8(const QString& s)
{
    return s.toStdString();
}

void TForm1::SpinEdit1Change()
{
    Apply(otpor::SpinEdit1Change(State_, Utf8(SpinEdit1->text()), format_));
}
void TForm1::SpinEdit2Change()
{
    Apply(otpor::SpinEdit2Change(State_, Utf8(SpinEdit2->text())));
}
void TForm1::SpinEdit3Change()
{
    Apply(otpor::SpinEdit3Change(State_, Utf8(SpinEdit3->text())));
}
void TForm1::SpinEdit4Change()
{
    Apply(otpor::SpinEdit4Change(State_, Utf8(SpinEdit4->text())));
}
void TForm1::SpinEdit5Change()
{
    Apply(otpor::SpinEdit5Change(State_, Utf8(SpinEdit5->text())));
}
void TForm1::SpinEdit6Change()
{
    Apply(otpor::SpinEdit6Change(State_, Utf8(SpinEdit6->text()), format_));
}
void TForm1::SpinEdit7Change()
{
    Apply(otpor::SpinEdit7Change(State_, Utf8(SpinEdit7->text())));
}
void TForm1::SpinEdit8Change()
{
    Apply(otpor::SpinEdit8Change(State_, Utf8(SpinEdit8->text())));
}
void TForm1::SpinEdit9Change()
{
    Apply(otpor::SpinEdit9Change(State_, Utf8(SpinEdit9->text())));
}
void TForm1::ComboBox1Change(int itemIndex)
{
    otpor::ComboBox1Change(State_, itemIndex);
}
void TForm1::ComboBox2Change(int itemIndex)
{
    otpor::ComboBox2Change(State_, itemIndex);
}

// --- the effects of the process cycle -------------------------------------

void TForm1::DrawWorkpieceAndTool()
{
    otpor::DrawWorkpieceAndTool(Image1->Canvas(), State_.Scene);
    forcesShown_ = false;
    Image1->update();
}

void TForm1::DrawForces()
{
    otpor::DrawForces(Image1->Canvas(), State_.Scene, State_.Arrows());
    forcesShown_ = true;
    Image1->update();
}

void TForm1::RedrawPicture()
{
    otpor::DrawWorkpieceAndTool(Image1->Canvas(), State_.Scene);
    if (forcesShown_)
        otpor::DrawForces(Image1->Canvas(), State_.Scene, State_.Arrows());
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
    qt::ShowWarningBox(Text(text));
}

SeriesSink& TForm1::Series1()
{
    return *series_[0];
}
SeriesSink& TForm1::Series2()
{
    return *series_[1];
}
SeriesSink& TForm1::Series3()
{
    return *series_[2];
}

} // namespace otpor
