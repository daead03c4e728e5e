// What a screen reader, the keyboard and a hovering mouse get from the main
// window beyond its pixels: every input's name (its label and unit), the
// material lists' names and chosen rows, the animation picture and the
// oscillograph named and described with the current forces (N) and the
// chart's axis ranges, the picture's tooltip with the forces and the cutting
// power (kW), and Return pressing the focused button. The descriptions follow
// a run at most once a second, so that a screen reader is not flooded by the
// 50 ms ticks. Nothing here changes what the window shows.
#pragma once

#include "form/FormCore.h"
#include "platform/FormatSettings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTimer;

namespace otpor {

class TForm1;
class TSpinEdit;

// Gives the picture, the chart and the material lists their roles and names
// on the accessibility bus. Call before the window's controls are created.
void InstallAccessibleInterfaces();

class TFormAccessibility : public QObject {
public:
    // Shortest time between two updates of the descriptions, ms.
    static constexpr int DescriptionInterval = FormCore::DescriptionInterval;

    // Owned by the form, whose controls must exist.
    TFormAccessibility(TForm1& form, const FormatSettings& format);

    // "F1 = 81,32 N" ... and the cutting power, one line each.
    QString ForcesToolTip() const;

    // Something the descriptions show may have changed.
    void ForcesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateDescriptions();
    void UpdateSpokenValues();
    void UpdateChosenMaterials();
    void NameControls();
    QString Number(double value, int decimals) const;
    // "F1 = 81,32 N, F2 = …, F3 = …, F = … N" for the newest sample.
    QString ForcesText() const;

    TForm1& form_;
    FormatSettings format_;
    QObject* chart_;
    QTimer* descriptionTimer_;
    QElapsedTimer lastDescription_;
};

} // namespace otpor
