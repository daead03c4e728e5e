// The main window on the desktop: the Qt view of the form core
// (form/FormCore.h). It creates its controls from the layout table and
// places them at a zoom, passes their events to the core, and carries out
// what the core asks: the texts shown, the picture, the timer, the beep and
// the warning box.
#pragma once

#include "form/FormCore.h"
#include "form/FormView.h"
#include "platform/FormatSettings.h"

#include <QWidget>
#include <array>

class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QShortcut;
class QTimer;

namespace otpor {

class TForm2;
class TFormAccessibility;
class TImage;
class TSpinEdit;
namespace qt {
class TChartWidget;
}

class TForm1 : public QWidget, private FormView {
public:
    // The instructions window is shown by "Help"; it may be null in tests.
    explicit TForm1(const FormatSettings& format, QWidget* parent = nullptr);
    ~TForm1() override;

    void SetInstructionsWindow(TForm2* form) { form2_ = form; }

    // Shows the window with its outer frame where the layout puts it.
    void ShowAtFormGeometry();
    // Places every control of the layout, and the font, at zoom (1: as the
    // form was designed), the form's own controls from origin on.
    void PlaceControls(double zoom, QPoint origin = {});

    // The whole form at a zoom (1 is 100 %): its controls, the pictures, the
    // instructions window and, outside full screen, the client area, which
    // grows and shrinks with the zoom from its size at 100 %.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    // Ctrl+Plus, Ctrl+Minus and Ctrl+0: the next larger step that fits the
    // screen's available area, the next smaller one, 100 %.
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();
    // F11: the form at the largest zoom that fits the screen, centred; again
    // (or Escape) back to the window as it was.
    void ToggleFullScreen();
    bool FullScreen() const { return fullScreen_; }

    FormCore& Core() { return core_; }
    const SimulationState& State() const { return core_.State(); }
    TChart& Chart() { return core_.Chart(); }
    // What a screen reader is told beyond the controls; null while the
    // window is being built.
    TFormAccessibility* Accessibility() const { return accessibility_; }

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

    // The handlers, as the controls call them; the spin fields call the
    // core's InputChanged.
    void Button1Click();
    void Button2Click() { core_.Button2Click(); }
    void Button3Click() { core_.Button3Click(); }
    void Button4Click();
    void Button5Click() { core_.Button5Click(); }
    void Timer1Timer() { core_.Timer1Timer(); }
    void ComboBox1Change(int itemIndex) { core_.ListChanged(MaterialList::Work, itemIndex); }
    void ComboBox2Change(int itemIndex) { core_.ListChanged(MaterialList::Tool, itemIndex); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void CreateControls();
    void CreateShortcuts();
    // The largest step at which the window still fits the screen's available area.
    double LargestFittingStep() const;
    // In full screen: the largest zoom at which the form fits the screen, at least 100 %.
    double FullScreenZoom() const;
    void FitToScreen();
    QWidget* CreateControl(const ControlLayout& control, QWidget* parent);
    void ConnectHandlers();
    QComboBox* List(MaterialList list) const { return list == MaterialList::Work ? ComboBox1 : ComboBox2; }

    // FormView
    Canvas& PictureCanvas() override;
    void PictureDrawn() override;
    void ShowSpinText(InputId input, std::string_view text) override;
    void ShowValueText(InputId input, std::string_view text) override;
    void ShowListItem(MaterialList list, int itemIndex) override;
    bool TimerEnabled() const override;
    void SetTimerEnabled(bool enabled) override;
    void Beep() override;
    void ShowWarning(std::string_view text) override;
    void ForcesChanged() override;

    FormCore core_;
    // The controls of the layout table, in its order.
    std::array<QWidget*, MainWindowControlCount> controls_{};
    std::array<TSpinEdit*, InputCount> spins_{};
    std::array<QLineEdit*, InputCount> valueFields_{};
    TForm2* form2_ = nullptr;
    TFormAccessibility* accessibility_ = nullptr;

    double zoom_ = 1;
    // The client area at 100 %, kept while the form is zoomed.
    QSize clientAt100_;
    bool fullScreen_ = false;
    // The window before full screen: its client area on the desktop, zoom, state.
    QRect normalGeometry_;
    double normalZoom_ = 1;
    Qt::WindowStates normalState_;
    QShortcut* leaveFullScreen_ = nullptr;
    // Wheel turns not yet a whole step (touchpads send small ones).
    int wheelAngle_ = 0;
};

} // namespace otpor
