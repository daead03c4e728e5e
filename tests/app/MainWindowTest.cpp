#include "app/TImage.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "chart/TChart.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/Runtime.h"
#include "sim/InputTable.h"
#include "support/ReportHooks.h"
#include "widgets/Spin.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace otpor {
namespace {

std::vector<std::string> errors;
void RecordError(const std::string& message)
{
    errors.push_back(message);
}

// A window shows the pictures the package installs into the icon theme, at
// each installed size, pixel for pixel. Both sides are compared premultiplied,
// as a pixmap holds them: the round trip back to straight alpha may move a
// faint edge pixel by one level, depending on the image library.
void ExpectProgramIcon(const QIcon& icon)
{
    for (const int size : {32, 64, 128, 256}) {
        const QString file = QStringLiteral(OTPOR_ICON_DIR "/otpor-rezanja-%1.png").arg(size);
        const QImage installed = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(installed.isNull()) << file.toStdString();
        const QImage shown =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, installed) << "size " << size;
    }
}

// Answers the next modal box: records its text and icon, runs `meanwhile`
// inside the box's own message loop, then presses its one button.
struct BoxAnswer {
    QString Text;
    QString Caption;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    int Buttons = 0;
};

void AnswerNextBox(BoxAnswer& answer, std::function<void()> meanwhile = {})
{
    QTimer::singleShot(0, [&answer, meanwhile] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer.Text = box->text();
        answer.Caption = box->windowTitle();
        answer.Icon = box->icon();
        answer.Buttons = static_cast<int>(box->buttons().size());
        if (meanwhile)
            meanwhile();
        box->buttons().front()->click();
    });
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        errors.clear();
        form = std::make_unique<TForm1>(FormatSettings{",", "."});
        form->SetInstructionsWindow(&form2);
    }
    void Choose(int work, int tool)
    {
        form->ComboBox1->setCurrentIndex(work);
        form->ComboBox2->setCurrentIndex(tool);
        form->ComboBox1Change(work);
        form->ComboBox2Change(tool);
    }
    TChart& Chart() { return form->Chart(); }

    int beeps = 0;
    test::ReportHooks hooks{&RecordError, [this] { ++beeps; }};
    TForm2 form2;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindow, RightAfterStartShowsThePromptsAndAnEmptyChart)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Odredjivanje otpora rezanja pri struganju"));
    ExpectProgramIcon(form->windowIcon());
    ExpectProgramIcon(form2.windowIcon());
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("0,2"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0,17"));
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("Materijal obratka"));
    EXPECT_EQ(form->ComboBox2->currentText(), QStringLiteral("Materijal alata"));
    EXPECT_EQ(form->ComboBox1->count(), 10);
    EXPECT_EQ(form->ComboBox2->count(), 8);
    EXPECT_EQ(form->State().Scene.ToolX, 179);
    EXPECT_EQ(form->State().Scene.ToolY, 252);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 50);
    EXPECT_EQ(Chart().LeftAxis.Minimum(), 0);
    EXPECT_EQ(Chart().LeftAxis.Maximum(), 1000);
    for (int i = 0; i < Chart().SeriesCount(); ++i)
        EXPECT_EQ(Chart().Series(i).Count(), 0);
    EXPECT_EQ(form->SpinEdit8->text(), QStringLiteral("1000"));
    EXPECT_EQ(form->SpinEdit2->text(), QStringLiteral("45"));
    EXPECT_EQ(form->Button5->text(), QStringLiteral("Polazno stanje"));
    EXPECT_EQ(form->Chart1->geometry(), QRect(232, 384, 433, 161));
    EXPECT_EQ(form->Image1->geometry(), QRect(232, 8, 433, 369));
    // The picture shows the tool's rake face, without arrows.
    EXPECT_EQ(QColor(form->Image1->Picture().pixel(240, 245)), QColor(215, 215, 220));
    EXPECT_TRUE(errors.empty());
}

// The window's nine controls are the input table's rows, which the calculator
// reads too: a range, step, start value or label written into the window
// instead would part the two.
TEST_F(MainWindow, SpinControlsAndTheirLabelsComeFromTheInputTable)
{
    QStringList labels;
    for (const QLabel* label : form->findChildren<QLabel*>())
        labels << label->text();
    for (const InputRow& row : InputRows) {
        SCOPED_TRACE(std::string(row.Control));
        const auto* spin = form->findChild<TSpinEdit*>(QString::fromStdString(std::string(row.Control)));
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->MinValue(), row.MinValue);
        EXPECT_EQ(spin->MaxValue(), row.MaxValue);
        EXPECT_EQ(spin->Increment(), row.Increment);
        EXPECT_EQ(spin->Value(), row.Value);
        for (const QString& line : QString::fromStdString(LabelText(row)).split(QLatin1Char('\n')))
            EXPECT_TRUE(labels.contains(line)) << line.toStdString();
        if (!row.ValueField.empty()) {
            const auto* field =
                form->findChild<QLineEdit*>(QString::fromStdString(std::string(row.ValueField)));
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->text().toStdString(), ValueFieldStartText(row));
        }
    }
    EXPECT_EQ(Chart().LeftAxis.Maximum(), Row(InputId::ForceMaximum).Value);
}

TEST_F(MainWindow, ProcessWithAMaterialMissingWarnsAndKeepsTimerOff)
{
    const char* expected[] = {"Izaberite materijal alata i obratka!", "Materijal alata nije zadat!",
                              "Materijal obratka nije zadat!"};
    for (int step = 0; step < 3; ++step) {
        if (step == 1)
            Choose(0, -1);
        if (step == 2) {
            form = std::make_unique<TForm1>(FormatSettings{",", "."});
            form->ComboBox2Change(0);
        }
        BoxAnswer box;
        AnswerNextBox(box);
        form->Button2->click();
        EXPECT_EQ(box.Text, QString::fromUtf8(expected[step]));
        EXPECT_EQ(box.Caption, QStringLiteral("Warning"));
        EXPECT_EQ(box.Icon, QMessageBox::Warning);
        EXPECT_EQ(box.Buttons, 1);
        EXPECT_FALSE(form->Timer1->isActive());
    }
    EXPECT_EQ(beeps, 3);
}

TEST_F(MainWindow, UnsuitablePairWarnsWhileTheTicksGoOn)
{
    Choose(0, 0); // "C1633" with "P30": suitable
    form->Button2->click();
    ASSERT_TRUE(form->Timer1->isActive());
    Choose(5, 0); // "SL 200" with "P30": unsuitable
    BoxAnswer box;
    double positionWhileOpen = 0;
    AnswerNextBox(box, [&] {
        QTest::qWait(300);
        positionWhileOpen = form->State().Osc.OscX[334];
    });
    form->Button2->click();
    EXPECT_EQ(box.Text, QStringLiteral("Izabrani materijal alata ne odgovara!"));
    EXPECT_EQ(beeps, 1);
    EXPECT_GT(positionWhileOpen, 0.5); // several 50 ms ticks ran behind the box
    EXPECT_EQ(form->State().Coefficients.MismatchFactor, 1.15);
    EXPECT_TRUE(form->Timer1->isActive());
}

TEST_F(MainWindow, WholeRunEndsByItselfAndPauseResumes)
{
    Choose(0, 0);
    form->Button2->click();
    int ticks = 0;
    while (form->Timer1->isActive() && ticks < 1000) {
        form->Timer1Timer();
        ++ticks;
        if (ticks == 100) {
            form->Button3->click(); // "Pauza"
            EXPECT_FALSE(form->Timer1->isActive());
            const double x = form->State().Osc.OscX[334];
            form->Button2->click(); // "Proces" goes on from there
            EXPECT_EQ(form->State().Osc.OscX[334], x);
        }
    }
    EXPECT_EQ(ticks, 651);
    EXPECT_EQ(form->State().Scene.ToolX, -7);
    EXPECT_EQ(Chart().Series(0).Count(), 335);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, ResetWhileRunningRestartsTheOscillogram)
{
    Choose(0, 0);
    form->Button2->click();
    for (int i = 0; i < 20; ++i)
        form->Timer1Timer();
    form->Button5->click();
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->State().Scene.ToolX, 180);
    EXPECT_EQ(Chart().Series(0).Count(), 335);
    EXPECT_DOUBLE_EQ(Chart().Series(0).XValue(0), -100.2);
    EXPECT_EQ(Chart().Series(0).YValue(334), 0);
}

TEST_F(MainWindow, ForceMaximumStepsTheLeftAxis)
{
    form->SpinEdit8->StepUp();
    EXPECT_EQ(Chart().LeftAxis.Maximum(), 1050);
    EXPECT_EQ(Chart().LeftAxis.Minimum(), 0);
}

TEST_F(MainWindow, TextThatIsNotANumberIsReportedAndChangesNothing)
{
    const double depth = form->State().Inputs.DepthOfCut;
    form->SpinEdit1->setText(QStringLiteral("abc")); // as pasted: paste is not filtered
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "'abc' is not a valid integer value");
    EXPECT_EQ(form->State().Inputs.DepthOfCut, depth);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("0,2"));
    form->SpinEdit1->setText(QStringLiteral("40"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("4"));
}

TEST_F(MainWindow, MaximumBelowAZoomedMinimumIsRefused)
{
    Chart().LeftAxis.SetRange(400, 600);
    form->SpinEdit8->setText(QStringLiteral("300"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(Chart().LeftAxis.Minimum(), 400);
    EXPECT_EQ(Chart().LeftAxis.Maximum(), 600);
}

TEST_F(MainWindow, TypedListTextKeepsTheChoice)
{
    Choose(4, 2);
    QTest::keyClicks(form->ComboBox1->lineEdit(), "xyz");
    EXPECT_EQ(form->State().Inputs.WorkMaterial, 5);
}

TEST_F(MainWindow, HelpShowsOneInstructionsWindowBesideTheRunningProcess)
{
    Choose(0, 0);
    form->Button2->click();
    form->Button4->click();
    form->Button4->click();
    EXPECT_TRUE(form2.isVisible());
    int instructionWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        instructionWindows += w->windowTitle() == QStringLiteral("Instrukcije") && w->isVisible();
    EXPECT_EQ(instructionWindows, 1);
    EXPECT_EQ(form2.Image1->geometry(), QRect(8, 8, 393, 433));
    form2.close();
    EXPECT_FALSE(form2.isVisible());
    EXPECT_TRUE(form->Timer1->isActive());
    form2.resize(800, 800); // enlarging does not enlarge the page
    EXPECT_EQ(form2.Image1->size(), QSize(393, 433));
}

TEST_F(MainWindow, ExitClosesTheWindowWithoutAMessage)
{
    Choose(0, 0);
    form->show();
    form->Button2->click();
    form->Button1->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, PictureOfARun)
{
    Choose(0, 0);
    form->Button2->click();
    for (int i = 0; i < 200; ++i)
        form->Timer1Timer();
    form->ShowAtFormGeometry();
    QTest::qWait(50);
    const QImage shot = form->grab().toImage();
    shot.save(QStringLiteral(PICTURE_DIR "/main-window.png"));
    EXPECT_EQ(form->frameGeometry().size(), QSize(680, 574));
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(200, 146));
}

} // namespace
} // namespace otpor
