#include "app/PictureMenus.h"

#include "app/Accessibility.h"
#include "app/TImage.h"
#include "app/Unit1.h"
#include "chart/qt/TChartWidget.h"
#include "platform/Errors.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/QtText.h"
#include "sim/LabReport.h"
#include "sim/OscillogramCsv.h"
#include "widgets/SpinAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QSaveFile>
#include <QTimer>

namespace otpor {

namespace {

// ms from a menu's opening to its first item taking the focus.
constexpr int FirstItemDelay = 150;

bool IsMenuKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

// The picture as the window shows it now, at the screen's resolution.
QImage Shown(QWidget* picture)
{
    return picture->grab().toImage();
}

} // namespace

PictureMenus::PictureMenus(TForm1& form) : QObject(&form), form_(form), lastFolder_(QDir::homePath())
{
    form.Image1->installEventFilter(this);
    form.Chart1->installEventFilter(this);
}

bool PictureMenus::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == form_.Image1 || watched == form_.Chart1) {
            rightPressed_ = mouse->button() == Qt::RightButton ? static_cast<QWidget*>(watched) : nullptr;
            rightPressAt_ = mouse->globalPosition().toPoint();
        }
        break;
    }
    case QEvent::MouseMove:
        if (watched == rightPressed_ &&
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint() != rightPressAt_)
            rightPressed_ = nullptr; // a drag: the chart scrolls
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == rightPressed_ && mouse->button() == Qt::RightButton) {
            QWidget* picture = rightPressed_;
            rightPressed_ = nullptr;
            // Opened once the picture has had its release, so that the chart's
            // own press and release are complete while the menu is open.
            if (mouse->globalPosition().toPoint() == rightPressAt_)
                QMetaObject::invokeMethod(
                    this, [this, picture, at = rightPressAt_] { OpenMenu(picture, at); },
                    Qt::QueuedConnection);
        }
        break;
    }
    case QEvent::KeyPress:
        // The keys open the menu of the focused picture, wherever the mouse is.
        if ((watched == form_.Image1 || watched == form_.Chart1) &&
            IsMenuKey(*static_cast<QKeyEvent*>(event))) {
            auto* picture = static_cast<QWidget*>(watched);
            OpenMenu(picture, picture->mapToGlobal(picture->rect().center()));
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PictureMenus::OpenMenu(QWidget* picture, QPoint globalPos)
{
    QMenu menu(&form_);
    menu.setObjectName(QStringLiteral("PictureMenu"));
    menu.setWindowTitle(qt::ToQString(PictureMenuTitle(picture->accessibleName().toStdString())));
    menu.addAction(qt::ToQString(CopyPictureItem), [&] { qt::Guarded([&] { CopyPicture(picture); }); });
    menu.addAction(qt::ToQString(SavePictureItem), [&] { qt::Guarded([&] { SavePicture(picture); }); });
    if (picture == form_.Chart1)
        menu.addAction(qt::ToQString(SaveDataItem), [&] { qt::Guarded([&] { SaveData(); }); });
    // The window stays active under its menu; telling of it as activated
    // again would have the screen reader say its title over the first item.
    const TQuietAccessibility quiet(&form_, {QAccessible::StateChanged});
    // A screen reader hears the menu's title, then its first item, on which
    // it opens: a focus told together with the title would be said first
    // and cut off by it.
    if (TFormAccessibility* accessibility = form_.Accessibility())
        accessibility->MenuOpening(menu.windowTitle());
    QTimer::singleShot(FirstItemDelay, &menu, [&menu] {
        if (!menu.activeAction())
            menu.setActiveAction(menu.actions().constFirst());
    });
    menu.exec(globalPos);
    // The picture kept the focus under its menu: a screen reader, last told of
    // the menu's item, is told where the focus is again.
    if (picture->hasFocus()) {
        QAccessibleEvent focus(picture, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void PictureMenus::CopyPicture(QWidget* picture)
{
    QGuiApplication::clipboard()->setImage(Shown(picture));
}

void PictureMenus::SavePicture(QWidget* picture)
{
    const QImage image = Shown(picture); // the moment of the choice, not of the dialog's end
    const QString name = qt::ToQString(picture == form_.Chart1 ? ChartFileName : PictureFileName);
    const QString path = AskFileName(QStringLiteral("Sačuvaj sliku"), name, QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw Exception("Slika nije sačuvana: PNG nije napravljen.");
    WriteFileWhole(path, png);
}

void PictureMenus::SaveData()
{
    const std::string csv = OscillogramCsv(form_.State());
    const QString path = AskFileName(QStringLiteral("Sačuvaj podatke"), qt::ToQString(DataFileName),
                                     QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    WriteFileWhole(path, QByteArray::fromStdString(csv));
}

QString PictureMenus::AskFileName(const QString& caption, const QString& name, const QString& filter)
{
    const QString path =
        QFileDialog::getSaveFileName(&form_, caption, QDir(lastFolder_).filePath(name), filter);
    if (!path.isEmpty())
        lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

void WriteFileWhole(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    const auto fail = [&] {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        throw Exception("Datoteka \"" + path.toStdString() + "\" nije sačuvana: " + reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    if (file.write(contents) != contents.size())
        fail();
    if (!file.commit())
        fail();
}

} // namespace otpor
