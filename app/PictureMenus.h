// The context menus of the two pictures, for lab reports: "Kopiraj sliku",
// "Sačuvaj sliku…", and on the oscillograph "Sačuvaj podatke (CSV)…". A right
// click (press and release without the mouse moving in between) opens the
// menu of the picture under the mouse, and the menu key and Shift+F10 that
// of the focused picture (the two pictures are the window's last tab stops);
// a right drag on the chart scrolls and opens nothing. What is copied or
// saved is the state at the moment of the choice; the process keeps running
// while the menu or the file dialog is open.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QWidget;

namespace otpor {

class TForm1;

class PictureMenus : public QObject {
public:
    explicit PictureMenus(TForm1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenMenu(QWidget* picture, QPoint globalPos);
    void CopyPicture(QWidget* picture);
    void SavePicture(QWidget* picture);
    void SaveData();
    // Asks for a file name, proposing `name` in the last folder; empty when cancelled.
    QString AskFileName(const QString& caption, const QString& name, const QString& filter);

    TForm1& form_;
    // The file dialogs open in the folder used last during this run; nothing
    // is kept between runs.
    QString lastFolder_;
    // A right press on a picture not yet followed by a move or a release.
    QWidget* rightPressed_ = nullptr;
    QPoint rightPressAt_;
};

// Writes the file whole or not at all: into a temporary file beside it,
// renamed over the name only when every byte is on the disk. A failure
// throws with the reason, and no file of that name is left behind.
void WriteFileWhole(const QString& path, const QByteArray& contents);

} // namespace otpor
