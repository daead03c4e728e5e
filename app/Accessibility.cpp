#include "app/Accessibility.h"

#include "app/TImage.h"
#include "app/Unit1.h"
#include "chart/FormatFloat.h"
#include "chart/TChart.h"
#include "chart/qt/TChartWidget.h"
#include "platform/Convert.h"
#include "sim/ForceModel.h"
#include "sim/InputTable.h"
#include "widgets/Spin.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace otpor {

namespace {

constexpr int ForceDecimals = 2; // N, as the calculator prints them
constexpr int PowerDecimals = 4; // kW

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A drop-down list with an edit field, named by its accessible name (Qt's own
// interface names it by its current text on this platform, so the list's
// purpose is lost); its value is the text in the field.
class TComboBoxAccessible : public QAccessibleWidget {
public:
    explicit TComboBoxAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        if (t == QAccessible::Name && list()->accessibleName().isEmpty())
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The drop-down list, then the edit field.
    int childCount() const override { return list()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->lineEdit())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->lineEdit() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction(), setFocusAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* AccessibleInterfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox"))
        return new TComboBoxAccessible(static_cast<QComboBox*>(object));
    if (className != QLatin1String("QWidget"))
        return nullptr;
    if (auto* picture = dynamic_cast<TImage*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* chart = dynamic_cast<qt::TChartWidget*>(object))
        return new QAccessibleWidget(chart, QAccessible::Chart);
    return nullptr;
}

// Return presses a focused push button, as Space does.
class TReturnPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

void InstallAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleInterfaceFor);
        return true;
    }();
    (void)installed;
}

TFormAccessibility::TFormAccessibility(TForm1& form, const FormatSettings& format)
    : QObject(&form), form_(form), format_(format), chart_(form.Chart1), descriptionTimer_(new QTimer(this))
{
    descriptionTimer_->setSingleShot(true);
    descriptionTimer_->setTimerType(Qt::PreciseTimer); // never sooner than asked
    connect(descriptionTimer_, &QTimer::timeout, this, [this] { UpdateDescriptions(); });

    NameControls();
    UpdateSpokenValues();
    UpdateChosenMaterials();
    UpdateDescriptions();
    lastDescription_.invalidate(); // the first change is told at once

    // The form tells of each tick and reset; each connection runs after the
    // form's own handler of the same signal.
    connect(form.SpinEdit7, &QLineEdit::textChanged, this, [this] { ForcesChanged(); });
    connect(form.SpinEdit8, &QLineEdit::textChanged, this, [this] { ForcesChanged(); });
    form.Chart1->installEventFilter(this);
    for (const InputRow& row : InputRows)
        if (!row.ValueField.empty())
            connect(form.findChild<TSpinEdit*>(Text(row.Control)), &QLineEdit::textChanged, this,
                    [this] { UpdateSpokenValues(); });
    for (QComboBox* list : {form.ComboBox1, form.ComboBox2})
        connect(list, &QComboBox::activated, this, [this] { UpdateChosenMaterials(); });

    auto* returnPresses = new TReturnPressesButton(this);
    for (QPushButton* button : {form.Button1, form.Button2, form.Button3, form.Button4, form.Button5})
        button->installEventFilter(returnPresses);

    form.Image1->ToolTipText = [this] { return ForcesToolTip(); };
}

void TFormAccessibility::NameControls()
{
    for (const InputRow& row : InputRows) {
        const QString name = Text(InputName(row));
        form_.findChild<TSpinEdit*>(Text(row.Control))->setAccessibleName(name);
        // The field beside a hidden number shows that number converted.
        if (!row.ValueField.empty())
            form_.findChild<QLineEdit*>(Text(row.ValueField))->setAccessibleName(name);
    }
    // The raised degree marks are not read as the letter they are written with.
    for (QLabel* label : form_.findChildren<QLabel*>())
        if (label->text() == Text(DegreeMark))
            label->setAccessibleName(Text(DegreeWord));

    // Each list is named by its prompt, which the form has just set.
    for (QComboBox* list : {form_.ComboBox1, form_.ComboBox2}) {
        list->setAccessibleName(list->currentText());
        // Rows of the same text are told apart by their place in the list.
        for (int i = 0; i < list->count(); ++i) {
            const QString text = list->itemText(i);
            int same = 0;
            for (int j = 0; j < list->count(); ++j)
                same += list->itemText(j) == text;
            if (same > 1)
                list->setItemData(i, QStringLiteral("%1, stavka %2").arg(text).arg(i + 1),
                                  Qt::AccessibleTextRole);
        }
    }

    form_.Image1->setAccessibleName(QStringLiteral("Animacija struganja"));
    QString title;
    for (const std::string& line : form_.Chart().Title.Text())
        title += (title.isEmpty() ? QString() : QStringLiteral(" ")) + QString::fromStdString(line);
    form_.Chart1->setAccessibleName(title);
}

void TFormAccessibility::UpdateSpokenValues()
{
    // A field whose number is hidden says its value in the input's unit. The
    // description says it too: Qt's AT-SPI bridge (6.4) passes on a value
    // only as a number, which would be the hidden one.
    for (const InputRow& row : InputRows)
        if (!row.ValueField.empty()) {
            TSpinEdit* spin = form_.findChild<TSpinEdit*>(Text(row.Control));
            const QString value =
                QString::fromStdString(FloatToStr(InUnit(row, spin->Value()), format_.DecimalSeparator)) +
                QStringLiteral(" ") + Text(row.Unit);
            spin->SetAccessibleValueText(value);
            spin->setAccessibleDescription(value);
        }
}

void TFormAccessibility::UpdateChosenMaterials()
{
    const std::pair<QComboBox*, int> chosen[] = {{form_.ComboBox1, form_.State().Inputs.WorkMaterial},
                                                 {form_.ComboBox2, form_.State().Inputs.ToolMaterial}};
    for (const auto& [list, row] : chosen) {
        QString description = QStringLiteral("nije izabran");
        if (row >= 1 && row <= list->count()) {
            const QVariant spoken = list->itemData(row - 1, Qt::AccessibleTextRole);
            description = QStringLiteral("izabran: ") +
                          (spoken.isValid() ? spoken.toString() : list->itemText(row - 1));
        }
        list->setAccessibleDescription(description);
    }
}

bool TFormAccessibility::eventFilter(QObject* watched, QEvent* event)
{
    // A zoom or a scroll of the chart changes its axes.
    // (Compared with the pointer kept, not read from the form: filters also
    // see the events of the form's destruction.)
    if (watched == chart_ && event->type() == QEvent::MouseButtonRelease)
        ForcesChanged();
    return false;
}

void TFormAccessibility::ForcesChanged()
{
    if (descriptionTimer_->isActive())
        return;
    const qint64 wait = lastDescription_.isValid()
                            ? std::max<qint64>(0, DescriptionInterval - lastDescription_.elapsed())
                            : 0;
    // Even at once, after the pending paints: the chart's axes are laid out by then.
    descriptionTimer_->start(static_cast<int>(wait));
}

QString TFormAccessibility::Number(double value, int decimals) const
{
    const std::string picture = "0." + std::string(static_cast<std::size_t>(decimals), '0');
    return QString::fromStdString(FormatFloat(picture, value, format_));
}

QString TFormAccessibility::ForcesText() const
{
    const OscillogramBuffers& osc = form_.State().Osc;
    const double f1 = osc.OscF1[NewestSample], f2 = osc.OscF2[NewestSample], f3 = osc.OscF3[NewestSample];
    return QStringLiteral("F1 = %1 N, F2 = %2 N, F3 = %3 N, rezultujući otpor F = %4 N")
        .arg(Number(f1, ForceDecimals), Number(f2, ForceDecimals), Number(f3, ForceDecimals),
             Number(Resultant(f1, f2, f3), ForceDecimals));
}

QString TFormAccessibility::ForcesToolTip() const
{
    const OscillogramBuffers& osc = form_.State().Osc;
    const double f1 = osc.OscF1[NewestSample], f2 = osc.OscF2[NewestSample], f3 = osc.OscF3[NewestSample];
    return QStringLiteral("F1 = %1 N\nF2 = %2 N\nF3 = %3 N\nF = %4 N\nSnaga rezanja = %5 kW")
        .arg(Number(f1, ForceDecimals), Number(f2, ForceDecimals), Number(f3, ForceDecimals),
             Number(Resultant(f1, f2, f3), ForceDecimals),
             Number(CuttingPower(f1, form_.State().Inputs.CuttingSpeed), PowerDecimals));
}

void TFormAccessibility::UpdateDescriptions()
{
    lastDescription_.start();
    const QString forces = ForcesText();
    QString chart = forces;
    for (const TChartAxis* axis : {&form_.Chart().BottomAxis, &form_.Chart().LeftAxis}) {
        chart += QStringLiteral(". ") + QString::fromStdString(axis->Title.Caption()) + QStringLiteral(": ");
        // An automatic axis has no range before the first points.
        if (axis->Minimum() == axis->Maximum())
            chart += QStringLiteral("bez podataka");
        else
            chart += QStringLiteral("od %1 do %2")
                         .arg(QString::fromStdString(axis->LabelText(axis->Minimum())),
                              QString::fromStdString(axis->LabelText(axis->Maximum())));
    }
    // Qt tells the bus of every change, even to the same text.
    if (form_.Image1->accessibleDescription() != forces)
        form_.Image1->setAccessibleDescription(forces);
    if (form_.Chart1->accessibleDescription() != chart)
        form_.Chart1->setAccessibleDescription(chart);

    // A tooltip shown over the picture follows the run at the same pace.
    if (QToolTip::isVisible() && form_.Image1->underMouse())
        QToolTip::showText(QCursor::pos(), ForcesToolTip(), form_.Image1);
}

} // namespace otpor
