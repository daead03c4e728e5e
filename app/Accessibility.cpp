#include "app/Accessibility.h"

#include "app/TImage.h"
#include "app/Unit1.h"
#include "chart/FormatFloat.h"
#include "chart/TChart.h"
#include "chart/qt/TChartWidget.h"
#include "platform/Convert.h"
#include "platform/qt/QtText.h"
#include "sim/ForceModel.h"
#include "sim/ForcesText.h"
#include "sim/InputTable.h"
#include "sim/LabReport.h"
#include "widgets/Spin.h"
#include "widgets/SpinAccessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace otpor {

namespace {

constexpr int PowerDecimals = 4; // kW

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

// Told by a screen reader wherever the focus is, each time it is "shown";
// it never shows on the screen.
class TAnnouncement : public QWidget {
public:
    explicit TAnnouncement(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Announcement"));
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
    void Tell(const QString& text)
    {
        setAccessibleName(text);
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
};

QAccessibleInterface* AccessibleInterfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox"))
        return new TComboBoxAccessible(static_cast<QComboBox*>(object));
    // The panel is a group of fields: a frame would be taken for a window.
    if (className == QLatin1String("QFrame"))
        return new QAccessibleWidget(static_cast<QFrame*>(object), QAccessible::Grouping);
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A window of its own is a frame with a title, not a filler.
    if (widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* picture = dynamic_cast<TImage*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* chart = dynamic_cast<qt::TChartWidget*>(object))
        return new QAccessibleWidget(chart, QAccessible::Chart);
    if (auto* announcement = dynamic_cast<TAnnouncement*>(object))
        return new QAccessibleWidget(announcement, QAccessible::Notification);
    return nullptr;
}

// Leaving a field clears its selection and entering one by the keyboard
// selects it all; a screen reader told of either says "Text unselected." or
// "selected" before the next field's name. Done here first, untold, the
// edit's own change is none.
class TQuietSelection : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
            return false;
        QLineEdit* edit = qobject_cast<QLineEdit*>(watched);
        if (auto* list = qobject_cast<QComboBox*>(watched))
            edit = list->lineEdit();
        // A spin field does its own.
        if (!edit || dynamic_cast<TSpinEdit*>(edit))
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const TQuietAccessibility quiet(edit,
                                        {QAccessible::TextSelectionChanged, QAccessible::TextCaretMoved});
        if (event->type() == QEvent::FocusOut && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason)
            edit->deselect();
        else if (event->type() == QEvent::FocusIn &&
                 (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                  reason == Qt::ShortcutFocusReason))
            edit->selectAll();
        return false;
    }
};

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
        qApp->installEventFilter(new TQuietSelection(qApp));
        return true;
    }();
    (void)installed;
}

TFormAccessibility::TFormAccessibility(TForm1& form, const FormatSettings& format)
    : QObject(&form), form_(form), format_(format),
      chart_(form.Chart1), lists_{form.ComboBox1, form.ComboBox2}, descriptionTimer_(new QTimer(this)),
      announcement_(new TAnnouncement(&form)), announcementTimer_(new QTimer(this))
{
    descriptionTimer_->setSingleShot(true);
    descriptionTimer_->setTimerType(Qt::PreciseTimer); // never sooner than asked
    connect(descriptionTimer_, &QTimer::timeout, this, [this] { UpdateDescriptions(); });
    announcementTimer_->setSingleShot(true);
    announcementTimer_->setTimerType(Qt::PreciseTimer);
    connect(announcementTimer_, &QTimer::timeout, this, [this] { Announce(); });

    NameControls();
    UpdateSpokenValues();
    UpdateChosenMaterials();
    UpdateDescriptions();
    lastDescription_.invalidate(); // the first change is told at once

    // The form tells of each tick and reset (ForcesChanged); each connection
    // runs after the form's own handler of the same signal.
    connect(form.Timer1, &QTimer::timeout, this, [this] {
        ForcesMayBeDue(std::exchange(startPending_, false));
        running_ = form_.Timer1->isActive(); // the tool at its end stops the run
    });
    connect(form.Button2, &QPushButton::clicked, this, [this] {
        // An accepted "Proces" of a stopped run: its first tick tells the forces.
        if (form_.Timer1->isActive() && !running_)
            running_ = startPending_ = true;
    });
    connect(form.Button3, &QPushButton::clicked, this, [this] { running_ = form_.Timer1->isActive(); });
    connect(form.SpinEdit7, &QLineEdit::textChanged, this, [this] { ForcesChanged(); });
    connect(form.SpinEdit8, &QLineEdit::textChanged, this, [this] { ForcesChanged(); });
    form.Chart1->installEventFilter(this);
    form.Image1->installEventFilter(this);
    for (const InputRow& row : InputRows)
        if (!row.ValueField.empty())
            connect(form.findChild<TSpinEdit*>(qt::ToQString(row.Control)), &QLineEdit::textChanged, this,
                    [this] { UpdateSpokenValues(); });
    for (QComboBox* list : {form.ComboBox1, form.ComboBox2}) {
        connect(list, &QComboBox::activated, this, [this] { UpdateChosenMaterials(); });
        list->view()->installEventFilter(this);
    }

    auto* returnPresses = new TReturnPressesButton(this);
    for (QPushButton* button : {form.Button1, form.Button2, form.Button3, form.Button4, form.Button5})
        button->installEventFilter(returnPresses);

    form.Image1->ToolTipText = [this] { return ForcesToolTip(); };
}

void TFormAccessibility::NameControls()
{
    for (const InputRow& row : InputRows) {
        const QString name = qt::ToQString(InputName(row));
        form_.findChild<TSpinEdit*>(qt::ToQString(row.Control))->setAccessibleName(name);
        // The field beside a hidden number shows that number converted; it
        // takes what is typed but does nothing with it.
        if (!row.ValueField.empty()) {
            auto* field = form_.findChild<QLineEdit*>(qt::ToQString(row.ValueField));
            field->setAccessibleName(name);
            field->setAccessibleDescription(
                QStringLiteral("vrednost se menja strelicama gore i dole u susednom polju"));
        }
    }
    // The raised degree marks are not read as the letter they are written with.
    for (QLabel* label : form_.findChildren<QLabel*>())
        if (label->text() == qt::ToQString(DegreeMark))
            label->setAccessibleName(qt::ToQString(DegreeWord));
    // The panel is named by its title, the label at its top.
    if (auto* title = form_.Panel1->findChild<QLabel*>(QStringLiteral("Label1"), Qt::FindDirectChildrenOnly))
        form_.Panel1->setAccessibleName(title->text());

    // Each list is named by its prompt, which the form has just set.
    for (QComboBox* list : {form_.ComboBox1, form_.ComboBox2}) {
        list->setAccessibleName(list->currentText());
        list->view()->setAccessibleName(list->currentText());
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

    form_.Image1->setAccessibleName(qt::ToQString(AnimationName));
    QString title;
    for (const std::string& line : form_.Chart().Title.Text())
        title += (title.isEmpty() ? QString() : QStringLiteral(" ")) + QString::fromStdString(line);
    form_.Chart1->setAccessibleName(title);
}

void TFormAccessibility::UpdateSpokenValues()
{
    // A field whose number is hidden says its value in the input's unit.
    for (const InputRow& row : InputRows)
        if (!row.ValueField.empty()) {
            TSpinEdit* spin = form_.findChild<TSpinEdit*>(qt::ToQString(row.Control));
            spin->SetAccessibleValueText(
                QString::fromStdString(FloatToStr(InUnit(row, spin->Value()), format_.DecimalSeparator)) +
                QStringLiteral(" ") + qt::ToQString(row.Unit));
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
        list->view()->setAccessibleDescription(description);
    }
}

void TFormAccessibility::ListOpened(QComboBox* list)
{
    // The list opens at the chosen row; with none chosen, at none, so that
    // the first Down reaches the first row.
    const int row =
        list == form_.ComboBox1 ? form_.State().Inputs.WorkMaterial : form_.State().Inputs.ToolMaterial;
    // A row chosen replaces the field's text, and the cursor that moves
    // with it would be said as "Text unselected.": the field's cursor and
    // selection are untold while the list is open and as it closes.
    if (list->lineEdit())
        listQuiet_.emplace(list->lineEdit(),
                           std::initializer_list<QAccessible::Event>{QAccessible::TextSelectionChanged,
                                                                     QAccessible::TextCaretMoved});
    QAbstractItemView* view = list->view();
    if (row >= 1 && row <= list->count()) {
        view->setCurrentIndex(list->model()->index(row - 1, list->modelColumn()));
    } else {
        view->selectionModel()->clear();
        view->setCurrentIndex(QModelIndex());
    }
}

bool TFormAccessibility::eventFilter(QObject* watched, QEvent* event)
{
    // (Compared with the pointers kept, not read from the form: filters also
    // see the events of the form's destruction.)
    // A zoom or a scroll of the chart changes its axes.
    if (watched == chart_ && event->type() == QEvent::MouseButtonRelease)
        ForcesChanged();
    // A picture taking the focus is told with the newest forces.
    if (event->type() == QEvent::FocusIn && (watched == chart_ || watched == form_.Image1))
        UpdateDescriptions();
    if (event->type() == QEvent::Show)
        for (QObject* list : lists_)
            if (watched == static_cast<QComboBox*>(list)->view())
                ListOpened(static_cast<QComboBox*>(list));
    // The choice is made in the same call as the list closes.
    if (event->type() == QEvent::Hide && listQuiet_)
        QTimer::singleShot(0, this, [this] { listQuiet_.reset(); });
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

void TFormAccessibility::ForcesMayBeDue(bool runStarts)
{
    const QString forces = ForcesText();
    if (runStarts)
        announced_.clear(); // a new run tells them again
    if (forces == announced_) {
        pending_ = forces;
        announcementTimer_->stop();
        return;
    }
    if (forces == pending_ && announcementTimer_->isActive() && !runStarts)
        return;
    pending_ = forces;
    announcementTimer_->start(runStarts ? 0 : AnnouncementSettle);
}

void TFormAccessibility::Announce()
{
    const qint64 wait = lastAnnouncement_.isValid() ? AnnouncementInterval - lastAnnouncement_.elapsed() : 0;
    if (wait > 0) {
        announcementTimer_->start(static_cast<int>(wait));
        return;
    }
    if (pending_ == announced_)
        return;
    announced_ = pending_;
    ++announcements_;
    lastAnnouncement_.start();
    static_cast<TAnnouncement*>(announcement_)->Tell(announced_);
}

void TFormAccessibility::MenuOpening(const QString& title)
{
    // Qt keeps a popup out of the tree that a screen reader walks, so the
    // menu's title would never be heard: it is told, and its first item,
    // which takes the focus next, is said after it.
    static_cast<TAnnouncement*>(announcement_)->Tell(title);
}

QString TFormAccessibility::Number(double value, int decimals) const
{
    const std::string picture = "0." + std::string(static_cast<std::size_t>(decimals), '0');
    return QString::fromStdString(FormatFloat(picture, value, format_));
}

QString TFormAccessibility::ForcesText() const
{
    const OscillogramBuffers& osc = form_.State().Osc;
    return QString::fromStdString(otpor::ForcesText(osc.OscF1[NewestSample], osc.OscF2[NewestSample],
                                                    osc.OscF3[NewestSample], format_.DecimalSeparator));
}

QString TFormAccessibility::PowerText() const
{
    const double f1 = form_.State().Osc.OscF1[NewestSample];
    return QStringLiteral("Snaga rezanja %1 kW")
        .arg(Number(CuttingPower(f1, form_.State().Inputs.CuttingSpeed), PowerDecimals));
}

QString TFormAccessibility::ForcesToolTip() const
{
    const OscillogramBuffers& osc = form_.State().Osc;
    const double f1 = osc.OscF1[NewestSample], f2 = osc.OscF2[NewestSample], f3 = osc.OscF3[NewestSample];
    const std::string& separator = format_.DecimalSeparator;
    return QStringLiteral("F1 = %1 N\nF2 = %2 N\nF3 = %3 N\nF = %4 N\nSnaga rezanja = %5 kW")
        .arg(QString::fromStdString(ForceNumber(f1, separator)),
             QString::fromStdString(ForceNumber(f2, separator)),
             QString::fromStdString(ForceNumber(f3, separator)),
             QString::fromStdString(ForceNumber(Resultant(f1, f2, f3), separator)),
             Number(CuttingPower(f1, form_.State().Inputs.CuttingSpeed), PowerDecimals));
}

void TFormAccessibility::UpdateDescriptions()
{
    lastDescription_.start();
    const QString forces = ForcesText();
    const QString picture = forces + QStringLiteral(". ") + PowerText();
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
    // Qt tells the bus of every change, even to the same text. A focused
    // picture is not: the screen reader would read each second's change out;
    // the forces' announcements tell what matters.
    const std::pair<QWidget*, const QString&> described[] = {{form_.Image1, picture}, {form_.Chart1, chart}};
    for (const auto& [widget, text] : described)
        if (widget->accessibleDescription() != text) {
            const TQuietAccessibility quiet(widget->hasFocus() ? widget : nullptr,
                                            {QAccessible::DescriptionChanged});
            widget->setAccessibleDescription(text);
        }

    // A tooltip shown over the picture follows the run at the same pace.
    if (QToolTip::isVisible() && form_.Image1->underMouse())
        QToolTip::showText(QCursor::pos(), ForcesToolTip(), form_.Image1);
}

} // namespace otpor
