// The main window: the input panel on the left, the animation picture on
// the right with the oscillograph below it, the material lists, the buttons
// and the process timer. It owns the simulation state and wires every
// control event to the simulation core; it also carries out the core's
// effects (series, picture, timer, beep, warning box).
#pragma once

#include "platform/FormatSettings.h"
#include "sim/InputHandlers.h"
#include "sim/ProcessCycle.h"
#include "sim/SimulationState.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace otpor {

class TForm2;
class TImage;
class TSpinEdit;
class TChart;
class TraceFeed;
namespace qt {
class TChartWidget;
}

class TForm1 : public QWidget, private ProcessEffects {
public:
    // The instructions window is shown by "Help"; it may be null in tests.
    explicit TForm1(const FormatSettings& format, QWidget* parent = nullptr);
    ~TForm1() override;

    void SetInstructionsWindow(TForm2* form) { form2_ = form; }

    // Shows the window with its outer frame at FormLeft, FormTop, FormWidth x FormHeight.
    void ShowAtFormGeometry();

    // Outer frame position and size, as the form was laid out.
    static constexpr int FormLeft = 200, FormTop = 146, FormWidth = 680, FormHeight = 574;

    const SimulationState& State() const { return State_; }
    TChart& Chart();

    // The controls, by their names on the form.
    TImage* Image1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button5 = nullptr;
    qt::TChartWidget* Chart1 = nullptr;
    QFrame* Panel1 = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr;
    TSpinEdit *SpinEdit1 = nullptr, *SpinEdit2 = nullptr, *SpinEdit3 = nullptr, *SpinEdit4 = nullptr,
              *SpinEdit5 = nullptr, *SpinEdit6 = nullptr, *SpinEdit7 = nullptr, *SpinEdit8 = nullptr,
              *SpinEdit9 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr;
    QTimer* Timer1 = nullptr;

    // The handlers, as the controls call them.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Timer1Timer();
    void SpinEdit1Change();
    void SpinEdit2Change();
    void SpinEdit3Change();
    void SpinEdit4Change();
    void SpinEdit5Change();
    void SpinEdit6Change();
    void SpinEdit7Change();
    void SpinEdit8Change();
    void SpinEdit9Change();
    void ComboBox1Change(int itemIndex);
    void ComboBox2Change(int itemIndex);

private:
    void CreateControls();
    void CreateChart();
    // The force maximum: the left axis's maximum, then its minimum 0.
    void SetLeftAxisMaximum(int maximum);
    void ConnectHandlers();
    void FormCreate();
    // The picture as last drawn, again (at a new device pixel ratio).
    void RedrawPicture();
    // Carries out what an input handler of the core answered.
    void Apply(const InputResponse& response);

    // ProcessEffects
    SeriesSink& Series1() override;
    SeriesSink& Series2() override;
    SeriesSink& Series3() override;
    void DrawWorkpieceAndTool() override;
    void DrawForces() override;
    bool TimerEnabled() const override;
    void SetTimerEnabled(bool enabled) override;
    void Beep() override;
    void ShowWarning(std::string_view text) override;

    SimulationState State_;
    FormatSettings format_;
    TForm2* form2_ = nullptr;
    bool forcesShown_ = false;
    std::unique_ptr<TraceFeed> series_[3];
};

} // namespace otpor
