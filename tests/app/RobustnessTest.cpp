// The whole program on anything a student can type, click or drag: random
// sessions of the real main window with fixed seeds, every bad text in every
// field while the process runs, and twenty passes of the tool in a row.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "chart/TChart.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/Runtime.h"
#include "support/Choose.h"
#include "support/ReportHooks.h"
#include "widgets/Spin.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace otpor {
namespace {

int reports = 0;
std::vector<std::string> messages;
void CountReport(const std::string& m)
{
    ++reports;
    messages.push_back(m);
}

class Robustness : public ::testing::Test {
protected:
    void SetUp() override
    {
        reports = 0;
        messages.clear();
        form = std::make_unique<TForm1>(FormatSettings{",", "."});
        form->SetInstructionsWindow(&form2);
        // Every message box is answered as soon as its loop runs.
        closer.setInterval(0);
        closer.callOnTimeout([] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(0);
        });
        closer.start();
    }
    void TearDown() override { closer.stop(); }

    std::vector<TSpinEdit*> Spins() const
    {
        return {form->SpinEdit1, form->SpinEdit2, form->SpinEdit3, form->SpinEdit4, form->SpinEdit5,
                form->SpinEdit6, form->SpinEdit7, form->SpinEdit8, form->SpinEdit9};
    }
    static void Leave(QWidget* w)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &out);
    }
    void RunPass()
    {
        int ticks = 0;
        while (form->Timer1->isActive() && ticks < 2000) {
            form->Timer1Timer();
            ++ticks;
        }
        ASSERT_EQ(ticks, 651);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(form->Chart1, button, {}, from);
        QTest::mouseMove(form->Chart1, (from + to) / 2);
        QTest::mouseMove(form->Chart1, to);
        QTest::mouseRelease(form->Chart1, button, {}, to);
    }

    test::ReportHooks hooks{&CountReport};
    QTimer closer;
    TForm2 form2;
    std::unique_ptr<TForm1> form;
};

// What can be wrong after any event.
void ExpectInvariants(const TForm1& form, bool mayRun)
{
    const SimulationState& s = form.State();
    for (int k = 0; k + 1 < OscPoints; ++k)
        ASSERT_NEAR(s.Osc.OscX[k + 1] - s.Osc.OscX[k], 0.3, 1e-6) << "spacing at " << k;
    TChart& chart = const_cast<TForm1&>(form).Chart();
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const int n = chart.Series(i).Count();
        ASSERT_TRUE(n == 0 || n == OscPoints) << "series " << i << " holds " << n;
    }
    ASSERT_TRUE(std::isfinite(s.Forces.F1) && std::isfinite(s.Forces.F2) && std::isfinite(s.Forces.F3));
    for (int len : {s.F1Length, s.F2Length, s.F3Length})
        ASSERT_LE(std::abs(len), PixelLimit);
    ASSERT_TRUE(std::isfinite(s.Scene.ForceOffset));
    if (form.Timer1->isActive()) {
        ASSERT_TRUE(mayRun) << "timer on without an accepted Proces";
    }
}

TEST_F(Robustness, RandomSessionsKeepTheProgramSound)
{
    const char alphabet[] = "0123456789+-$xabcZ, ";
    const unsigned seeds[] = {1, 2, 3, 4};
    const char* env = std::getenv("OTPOR_RANDOM_EVENTS");
    const int EventsPerSeed = env ? std::atoi(env) : 5000;
    for (unsigned seed : seeds) {
        form = std::make_unique<TForm1>(FormatSettings{",", "."});
        form->SetInstructionsWindow(&form2);
        std::mt19937 rng(seed);
        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        const auto spins = Spins();
        bool mayRun = false;
        for (int event = 0; event < EventsPerSeed; ++event) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", event " << event);
            TSpinEdit* spin = spins[static_cast<std::size_t>(pick(static_cast<int>(spins.size())))];
            const int kind = pick(14);
            if (std::getenv("OTPOR_TRACE"))
                fprintf(stderr, "%d:%d ", event, kind);
            switch (kind) {
            case 0: { // type into a field
                spin->selectAll();
                std::string text;
                const int len = pick(4) == 0 ? 12 : pick(4);
                for (int i = 0; i < len; ++i)
                    text += alphabet[pick(static_cast<int>(sizeof alphabet) - 1)];
                QTest::keyClicks(spin, QString::fromStdString(text));
                break;
            }
            case 1: { // paste a text, unfiltered
                const char* texts[] = {"",   "-",   "+",        "$",  "0x", "2147483648", "0",
                                       "-0", "abc", "99999999", "-7", "12", "$1F"};
                spin->setText(QString::fromLatin1(texts[pick(13)]));
                break;
            }
            case 2:
                QTest::mouseClick(pick(2) ? spin->Button()->UpButton() : spin->Button()->DownButton(),
                                  Qt::LeftButton);
                break;
            case 3: { // hold a button through a few repeats
                TTimerSpeedButton* b = pick(2) ? spin->Button()->UpButton() : spin->Button()->DownButton();
                QTest::mousePress(b, Qt::LeftButton);
                for (int i = 0; i < pick(4); ++i)
                    if (b->RepeatTimer())
                        QMetaObject::invokeMethod(b->RepeatTimer(), "timeout");
                QTest::mouseRelease(b, Qt::LeftButton);
                break;
            }
            case 4:
                Leave(spin);
                break;
            case 5: {
                QComboBox* list = pick(2) ? form->ComboBox1 : form->ComboBox2;
                const int index = pick(list->count());
                list->setCurrentIndex(index);
                emit list->activated(index);
                break;
            }
            case 6:
                QTest::keyClicks((pick(2) ? form->ComboBox1 : form->ComboBox2)->lineEdit(), "P4x");
                break;
            case 7:
                form->Button2->click();
                mayRun = mayRun ||
                         (form->State().Inputs.WorkMaterial != 0 && form->State().Inputs.ToolMaterial != 0);
                break;
            case 8:
                form->Button3->click();
                mayRun = false;
                break;
            case 9:
                form->Button5->click();
                break;
            case 10:
                form->Button4->click();
                break;
            case 11: {
                const QPoint a(pick(540) - 50, pick(260) - 50), b(pick(540) - 50, pick(260) - 50);
                Drag(pick(3) == 0 ? Qt::RightButton : Qt::LeftButton, a, b);
                break;
            }
            default:
                for (int i = 0; i < 1 + pick(5); ++i)
                    if (form->Timer1->isActive())
                        form->Timer1Timer();
                break;
            }
            if (!form->Timer1->isActive())
                mayRun = false;
            ExpectInvariants(*form, mayRun);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST_F(Robustness, EveryBadTextInEveryFieldWhileRunning)
{
    test::ChooseC1633AndP30(*form);
    form->Button2->click();
    for (int i = 0; i < 10; ++i)
        form->Timer1Timer();
    const char* notNumbers[] = {"", "-", "+", "$", "0x", "2147483648", "word"};
    for (TSpinEdit* spin : Spins()) {
        SCOPED_TRACE(spin->objectName().toStdString());
        const QString good = spin->text();
        for (const char* text : notNumbers) {
            reports = 0;
            spin->setText(QString::fromLatin1(text));
            EXPECT_EQ(reports, 1) << text;
            form->Timer1Timer();
            ExpectInvariants(*form, true);
        }
        for (const char* text : {"0", "-0"}) {
            spin->setText(QString::fromLatin1(text));
            form->Timer1Timer();
            ExpectInvariants(*form, true);
        }
        // Just outside the range: used while typed, clamped once the field is left.
        for (int outside : {spin->MinValue() - 1, spin->MaxValue() + 1}) {
            messages.clear();
            spin->setText(QString::number(outside));
            form->Timer1Timer();
            Leave(spin);
            const int v = spin->text().toInt();
            EXPECT_GE(v, spin->MinValue());
            EXPECT_LE(v, spin->MaxValue());
            form->Timer1Timer();
            ExpectInvariants(*form, true);
        }
        spin->setText(good);
        Leave(spin);
        EXPECT_TRUE(form->Timer1->isActive());
    }
    // The clamped values are in force: the start values again give the start forces.
    form->Timer1Timer();
    EXPECT_NEAR(form->State().Forces.F1, 81.32, 0.005);
}

TEST_F(Robustness, TwentyPassesWithResetsAndZoomsRepeatTheFirst)
{
    test::ChooseC1633AndP30(*form);
    // The first "Proces" computes the shoulder width, which every later reset uses.
    form->Button2->click();
    form->Button3->click();
    form->Button5->click();
    form->Button2->click();
    RunPass();
    const SimulationState first = form->State();
    for (int pass = 2; pass <= 20; ++pass) {
        SCOPED_TRACE(pass);
        if (pass % 2 == 0)
            Drag(Qt::LeftButton, {100, 40}, {150, 80}); // zoom
        else
            Drag(Qt::LeftButton, {150, 80}, {100, 40}); // undo
        form->Button5->click();
        form->Button2->click();
        RunPass();
        const SimulationState& s = form->State();
        EXPECT_EQ(s.Osc.OscX, first.Osc.OscX);
        EXPECT_EQ(s.Osc.OscF1, first.Osc.OscF1);
        EXPECT_EQ(s.Osc.OscF2, first.Osc.OscF2);
        EXPECT_EQ(s.Osc.OscF3, first.Osc.OscF3);
        EXPECT_EQ(s.Scene.ToolX, first.Scene.ToolX);
        EXPECT_EQ(s.Scene.ToolY, first.Scene.ToolY);
        EXPECT_EQ(s.Scene.SpinPhase, first.Scene.SpinPhase);
        EXPECT_EQ(s.Scene.SpinSteps, first.Scene.SpinSteps);
        EXPECT_EQ(s.Scene.StockNearX, first.Scene.StockNearX);
    }
    EXPECT_EQ(reports, 0);
}

} // namespace
} // namespace otpor
