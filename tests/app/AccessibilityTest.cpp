// What a screen reader reads from the windows, through Qt's own accessibility
// interfaces, and what the keyboard and a hovering mouse give.
#include "app/Accessibility.h"
#include "app/TImage.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/ErrorReport.h"
#include "support/Choose.h"
#include "support/ReportHooks.h"
#include "widgets/Spin.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace otpor {
namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}
QString Name(QObject* object)
{
    return Accessible(object)->text(QAccessible::Name);
}
QString Description(QObject* object)
{
    return Accessible(object)->text(QAccessible::Description);
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>(FormatSettings{",", "."});
        form->SetInstructionsWindow(&form2);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // "C1633" with "P30", as the mouse chooses them, then "Proces".
    void ChooseAndStart()
    {
        test::ChooseC1633AndP30(*form);
        form->Button2->click();
    }

    int beeps = 0;
    test::ReportHooks hooks{[](const std::string& message) { FAIL() << message; }, [this] { ++beeps; }};
    TForm2 form2;
    std::unique_ptr<TForm1> form;
};

TEST_F(Accessibility, InputsAndListsSayTheirLabelsUnitsAndValues)
{
    struct Field {
        TSpinEdit* Spin;
        const char* Name;
        int Min, Max, Step;
        const char* Value;
    };
    const Field fields[] = {
        {form->SpinEdit2, "Napadni ugao, stepeni", 30, 90, 1, "45"},
        {form->SpinEdit3, "Grudni ugao, stepeni", 0, 15, 1, "15"},
        {form->SpinEdit5, "Ugao nagiba sečiva, stepeni", -5, 5, 1, "0"},
        {form->SpinEdit4, "Pomoćni napadni ugao, stepeni", 30, 60, 1, "45"},
        {form->SpinEdit1, "Dubina rezanja, mm", 2, 40, 1, "0,2 mm"},
        {form->SpinEdit6, "Korak, mm/o", 5, 50, 1, "0,17 mm/o"},
        {form->SpinEdit7, "Brzina rezanja, m/min", 10, 200, 1, "50"},
        {form->SpinEdit8, "Maksimalna sila, N", 0, 5000, 50, "1000"},
        {form->SpinEdit9, "Razmera prikaza u prozoru animacije", 1, 10, 1, "1"},
    };
    for (const Field& f : fields) {
        QAccessibleInterface* field = Accessible(f.Spin);
        EXPECT_EQ(field->text(QAccessible::Name), QString::fromUtf8(f.Name));
        EXPECT_EQ(field->role(), QAccessible::SpinBox) << f.Name;
        EXPECT_EQ(field->text(QAccessible::Value), QString::fromUtf8(f.Value));
        QAccessibleValueInterface* value = field->valueInterface();
        ASSERT_NE(value, nullptr) << f.Name;
        EXPECT_EQ(value->minimumValue().toInt(), f.Min) << f.Name;
        EXPECT_EQ(value->maximumValue().toInt(), f.Max) << f.Name;
        EXPECT_EQ(value->minimumStepSize().toInt(), f.Step) << f.Name;
    }
    form->SpinEdit6->StepUp(); // the hidden number's value follows its steps
    EXPECT_EQ(Accessible(form->SpinEdit6)->text(QAccessible::Value), QStringLiteral("0,18 mm/o"));
    // Its value field says where its value is set; what is typed there is not read.
    EXPECT_EQ(Name(form->Edit2), QStringLiteral("Korak, mm/o"));
    EXPECT_EQ(Description(form->Edit2),
              QStringLiteral("vrednost se menja strelicama gore i dole u susednom polju"));
    for (QLabel* label : form->findChildren<QLabel*>()) // the degree marks are not read as "o"
        EXPECT_NE(Name(label), QStringLiteral("o"));

    EXPECT_EQ(Name(form->ComboBox1), QStringLiteral("Materijal obratka"));
    EXPECT_EQ(Name(form->ComboBox2), QStringLiteral("Materijal alata"));
    EXPECT_EQ(Accessible(form->ComboBox2)->role(), QAccessible::ComboBox);
    EXPECT_EQ(Description(form->ComboBox2), QStringLiteral("nije izabran"));
    // The two "P40" rows are told apart in the list, and once chosen; the visible text stays.
    QAccessibleInterface* rows = Accessible(form->ComboBox2->view());
    ASSERT_EQ(rows->childCount(), 8);
    EXPECT_EQ(rows->child(1)->text(QAccessible::Name), QStringLiteral("P40, stavka 2"));
    EXPECT_EQ(rows->child(2)->text(QAccessible::Name), QStringLiteral("P40, stavka 3"));
    form->ComboBox2->setCurrentIndex(2);
    emit form->ComboBox2->activated(2);
    EXPECT_EQ(Accessible(form->ComboBox2)->text(QAccessible::Value), QStringLiteral("P40"));
    EXPECT_EQ(Description(form->ComboBox2), QStringLiteral("izabran: P40, stavka 3"));
}

TEST_F(Accessibility, TypedItemTextChoosesNothing)
{
    // An exact item text typed into each list, which then loses the focus; then again with Return.
    const std::pair<QComboBox*, const char*> typed[] = {{form->ComboBox1, "C1633"}, {form->ComboBox2, "P30"}};
    for (const bool withReturn : {false, true}) {
        for (const auto& [list, text] : typed) {
            list->setFocus();
            list->lineEdit()->selectAll();
            QTest::keyClicks(list->lineEdit(), QLatin1String(text));
            if (withReturn)
                QTest::keyClick(list->lineEdit(), Qt::Key_Return);
            form->Button3->setFocus();
            EXPECT_EQ(list->currentIndex(), -1) << text;
        }
        EXPECT_EQ(form->State().Inputs.WorkMaterial, 0);
        EXPECT_EQ(form->State().Inputs.ToolMaterial, 0);
    }
    form->ComboBox1->setFocus(); // the arrow keys still choose
    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(form->State().Inputs.WorkMaterial, 1);
}

TEST_F(Accessibility, PictureAndChartDescribeTheForcesAtMostOnceASecond)
{
    EXPECT_EQ(Name(form->Image1), QStringLiteral("Animacija struganja"));
    EXPECT_EQ(Accessible(form->Image1)->role(), QAccessible::Graphic);
    EXPECT_EQ(Name(form->Chart1), QStringLiteral("Oscilograf"));
    EXPECT_EQ(Accessible(form->Chart1)->role(), QAccessible::Chart);

    ChooseAndStart();
    const QString forces = QStringLiteral("F1 81,32 N, F2 38,64 N, F3 15,03 N");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Description(form->Image1) == forces + QStringLiteral(". Snaga rezanja 0,0678 kW"); },
        2000));
    const QString chart = Description(form->Chart1);
    EXPECT_TRUE(chart.startsWith(forces) && chart.contains(QStringLiteral("Dužina, mm: od ")) &&
                chart.contains(QStringLiteral("Sila, N: od 0 do 1.000")))
        << chart.toStdString();

    form->SpinEdit7->setText(QStringLiteral("100")); // the forces change with the speed
    QElapsedTimer clock;
    clock.start();
    int ticks = 0, changes = 0;
    QString last = Description(form->Image1);
    auto counting = QObject::connect(form->Timer1, &QTimer::timeout, [&] {
        ++ticks;
        const QString now = Description(form->Image1);
        changes += now != last;
        last = now;
    });
    QTest::qWait(2500);
    QObject::disconnect(counting);
    EXPECT_GE(ticks, 10);
    EXPECT_GE(changes, 1);
    EXPECT_LE(changes, clock.elapsed() / TFormAccessibility::DescriptionInterval + 1);
}

TEST_F(Accessibility, TheWindowIsAFrameAndThePanelAGroupNamedByItsTitle)
{
    EXPECT_EQ(Accessible(form.get())->role(), QAccessible::Window);
    EXPECT_EQ(Name(form.get()), QStringLiteral("Odredjivanje otpora rezanja pri struganju"));
    EXPECT_EQ(Accessible(form->Panel1)->role(), QAccessible::Grouping);
    EXPECT_EQ(Name(form->Panel1), QStringLiteral("POLAZNI PODACI"));
    EXPECT_EQ(Accessible(form->GroupBox2)->role(), QAccessible::Grouping);
    EXPECT_EQ(Name(form->GroupBox2), QStringLiteral("Režim rezanja"));
    EXPECT_EQ(Accessible(&form2)->role(), QAccessible::Window);
}

TEST_F(Accessibility, ForcesAreAnnouncedWhenARunStartsAndWhenAnInputChangesThem)
{
    auto* announcement = form->findChild<QWidget*>(QStringLiteral("Announcement"));
    ASSERT_NE(announcement, nullptr);
    EXPECT_EQ(Accessible(announcement)->role(), QAccessible::Notification);
    EXPECT_FALSE(announcement->isVisible()); // nothing of it on the screen
    const TFormAccessibility* accessibility = nullptr;
    for (QObject* child : form->children())
        if (auto* found = dynamic_cast<TFormAccessibility*>(child))
            accessibility = found;
    ASSERT_NE(accessibility, nullptr);
    EXPECT_TRUE(accessibility->Announced().isEmpty());
    EXPECT_EQ(accessibility->Announcements(), 0);

    ChooseAndStart();
    const QString start = QStringLiteral("F1 81,32 N, F2 38,64 N, F3 15,03 N");
    ASSERT_TRUE(QTest::qWaitFor([&] { return accessibility->Announced() == start; }, 1000));
    EXPECT_EQ(Name(announcement), start);
    // Held keys: the speed stepped on every tick; told once it stands, not on the way.
    for (int i = 0; i < 10; ++i) {
        form->SpinEdit7->StepUp();
        QTest::qWait(60);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return accessibility->Announced() != start; }, 4000));
    EXPECT_EQ(accessibility->Announcements(), 2);
    QTest::qWait(2500); // unchanged: not told again
    EXPECT_EQ(accessibility->Announcements(), 2);

    // Pausing and starting again is a new run: told again, though unchanged.
    form->Button3->click();
    form->Button2->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return accessibility->Announcements() == 3; }, 3000));
}

TEST_F(Accessibility, HoveringThePictureShowsForcesAndPower)
{
    ChooseAndStart();
    form->Timer1->stop();
    form->Timer1Timer();
    const QPoint at(100, 100);
    QHelpEvent onChart(QEvent::ToolTip, at, form->Chart1->mapToGlobal(at));
    QApplication::sendEvent(form->Chart1, &onChart);
    EXPECT_FALSE(QToolTip::isVisible()); // none where the mouse zooms
    QHelpEvent onPicture(QEvent::ToolTip, at, form->Image1->mapToGlobal(at));
    QApplication::sendEvent(form->Image1, &onPicture);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("F1 = 81,32 N\nF2 = 38,64 N\nF3 = 15,03 N\nF = 91,28 N\n"
                                               "Snaga rezanja = 0,0678 kW"));
    QToolTip::hideText();
}

TEST_F(Accessibility, InstructionsAreTextThatLooksAsThePaintedPage)
{
    EXPECT_TRUE(form2.Text->document()->isEmpty()); // laid out on the first "Help"
    form->Button4->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form2));

    QAccessibleTextInterface* text = Accessible(form2.Text)->textInterface();
    const QStringList paragraphs = text->text(0, text->characterCount()).split(QLatin1Char('\n'));
    ASSERT_EQ(paragraphs.size(), 7);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral("Program je namenjen za modeliranje otpora rezanja pri spoljašnjem "
                             "uzdužnom struganju."));
    EXPECT_TRUE(
        paragraphs[4].endsWith(QStringLiteral("taster „Pauza“, a za nastavak procesa – taster „Proces“.")));
    EXPECT_TRUE(paragraphs[6].endsWith(QStringLiteral("Otpustiti taster.")));

    const QImage shown = form2.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, 392, 433), TForm2::RenderPage().copy(0, 0, 392, 433));

    form2.Text->setFocus();
    QTest::keyClick(form2.Text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form2.Text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), paragraphs.join(QLatin1Char('\n')));
    QTest::keyClick(form2.Text, Qt::Key_Escape);
    EXPECT_FALSE(form2.isVisible());
}

TEST_F(Accessibility, ReturnAndSpacePressTheFocusedButtonButNotASpinField)
{
    int resets = 0;
    QObject::connect(form->Button5, &QPushButton::clicked, [&] { ++resets; });
    form->Button5->setFocus();
    QTest::keyClick(form->Button5, Qt::Key_Return);
    QTest::keyClick(form->Button5, Qt::Key_Space);
    EXPECT_EQ(resets, 2);
    form->SpinEdit2->setFocus();
    QTest::keyClick(form->SpinEdit2, Qt::Key_Return);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(form->SpinEdit2->text(), QStringLiteral("45"));
}

} // namespace
} // namespace otpor
