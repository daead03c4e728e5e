// What a screen reader, the keyboard and a hovering mouse get from the main
// window beyond its pixels: the window a frame named by its title, the panel
// and the group boxes groups named by their captions, every input's name (its
// label and unit), the material lists' names and chosen rows, the animation
// picture and the oscillograph named and described with the current forces
// (N), the cutting power (kW) and the chart's axis ranges, the picture's
// tooltip, and Return pressing the focused button. During a run the forces
// are announced wherever the focus is: when the run starts and when an input
// changes them, never twice unchanged and at most once in AnnouncementInterval.
// Nothing here changes what the window shows.
#pragma once

#include "form/FormCore.h"
#include "platform/FormatSettings.h"
#include "widgets/SpinAccessible.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <optional>

class QComboBox;
class QTimer;
class QWidget;

namespace otpor {

class TForm1;
class TSpinEdit;

// Gives the windows, the panel, the pictures, the chart and the material lists
// their roles and names on the accessibility bus, and keeps from it what a
// screen reader would only read out as noise. Call before the controls are created.
void InstallAccessibleInterfaces();

class TFormAccessibility : public QObject {
public:
    // Shortest time between two updates of the descriptions, ms.
    static constexpr int DescriptionInterval = FormCore::DescriptionInterval;
    // Shortest time between two announcements of the forces, ms.
    static constexpr int AnnouncementInterval = 2000;
    // Forces an input changed are announced once they have stood this long,
    // ms: holding a key is not a stream of announcements, and the key's own
    // value is heard first.
    static constexpr int AnnouncementSettle = 1000;

    // Owned by the form, whose controls must exist.
    TFormAccessibility(TForm1& form, const FormatSettings& format);

    // "F1 = 81,32 N" ... and the cutting power, one line each.
    QString ForcesToolTip() const;
    // The forces as last announced; empty before the first run.
    const QString& Announced() const { return announced_; }
    int Announcements() const { return announcements_; }

    // Something the descriptions show may have changed.
    void ForcesChanged();
    // A picture's menu of that title is about to open.
    void MenuOpening(const QString& title);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateDescriptions();
    void UpdateSpokenValues();
    void UpdateChosenMaterials();
    void NameControls();
    // After each tick and each start: the forces may be due for announcing.
    void ForcesMayBeDue(bool runStarts);
    void Announce();
    // An opened material list says its chosen row, or that none is chosen.
    void ListOpened(QComboBox* list);
    QString Number(double value, int decimals) const;
    // "F1 81,32 N, F2 38,64 N, F3 15,03 N" for the newest sample.
    QString ForcesText() const;
    QString PowerText() const;

    TForm1& form_;
    FormatSettings format_;
    QObject* chart_;
    QObject* lists_[2];
    QTimer* descriptionTimer_;
    QElapsedTimer lastDescription_;
    QWidget* announcement_;
    QTimer* announcementTimer_;
    QElapsedTimer lastAnnouncement_;
    // The forces as last seen by a tick, and as last announced.
    QString pending_, announced_;
    // A run is going on; its first tick is still to come.
    bool running_ = false, startPending_ = false;
    int announcements_ = 0;
    // While a material list is open.
    std::optional<TQuietAccessibility> listQuiet_;
};

} // namespace otpor
