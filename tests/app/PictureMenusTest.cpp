// The pictures' context menus, driven as a user would: right clicks and
// drags through Qt's event routing, the real menu and the real file dialog.
#include "app/PictureMenus.h"

#include "app/TImage.h"
#include "app/Unit1.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/ErrorReport.h"
#include "sim/OscillogramCsv.h"
#include "support/Choose.h"
#include "support/ReportHooks.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace otpor {
namespace {

std::vector<std::string> reported;
void Record(const std::string& message)
{
    reported.push_back(message);
}

// Runs `act` on the next window that `find` finds, once it is open inside
// whatever loop opened it; polls, since it opens after queued events.
template <class T> void OnNext(T* (*find)(), std::function<void(T&)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, find, act] {
        if (T* window = find()) {
            poll->stop();
            poll->deleteLater();
            act(*window);
        }
    });
    poll->start(5);
}

QMenu* OpenMenu()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}
QFileDialog* OpenDialog()
{
    return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
}

QStringList Entries(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

class PictureMenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        reported.clear();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        test::ChooseC1633AndP30(form);
        form.Button2Click();
        for (int tick = 0; tick < 40; ++tick)
            form.Timer1Timer();
        form.Button3Click(); // keeps the run still while the test compares
    }

    void RightClick(QWidget* picture, QPoint at)
    {
        QTest::mousePress(picture, Qt::RightButton, {}, at);
        QTest::mouseRelease(picture, Qt::RightButton, {}, at);
    }

    // Right-clicks the picture, chooses `entry`, and answers the file dialog with `path`.
    void SaveThroughMenu(QWidget* picture, const QString& entry, const QString& path)
    {
        bool answered = false;
        proposed.clear();
        OnNext<QMenu>(&OpenMenu, [&](QMenu& menu) {
            OnNext<QFileDialog>(&OpenDialog, [&](QFileDialog& dialog) {
                proposed = dialog.selectedFiles().value(0);
                dialog.selectFile(path);
                static_cast<QDialog&>(dialog).accept(); // as its "Save" button does
                answered = true;
            });
            for (QAction* action : menu.actions())
                if (action->text() == entry)
                    menu.setActiveAction(action);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        RightClick(picture, {200, 80});
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }));
        QTest::qWait(20);
    }

    test::ReportHooks hooks{&Record};
    TForm1 form{FormatSettings{",", "."}};
    QString proposed; // the file the last dialog offered
};

TEST_F(PictureMenusTest, ARightClickOpensTheMenuAndARightDragScrollsWithoutOne)
{
    QStringList chartEntries, pictureEntries;
    OnNext<QMenu>(&OpenMenu, [&](QMenu& menu) {
        chartEntries = Entries(menu);
        menu.close();
    });
    RightClick(form.Chart1, {200, 80});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !chartEntries.isEmpty(); }));
    EXPECT_EQ(chartEntries, (QStringList{"Kopiraj sliku", "Sačuvaj sliku…", "Sačuvaj podatke (CSV)…"}));

    OnNext<QMenu>(&OpenMenu, [&](QMenu& menu) {
        pictureEntries = Entries(menu);
        menu.close();
    });
    RightClick(form.Image1, {100, 100});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pictureEntries.isEmpty(); }));
    EXPECT_EQ(pictureEntries, (QStringList{"Kopiraj sliku", "Sačuvaj sliku…"}));

    const double before = form.Chart().BottomAxis.Minimum();
    QTest::mousePress(form.Chart1, Qt::RightButton, {}, {200, 80});
    QTest::mouseMove(form.Chart1, {150, 80});
    QTest::mouseRelease(form.Chart1, Qt::RightButton, {}, {150, 80});
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_NE(form.Chart().BottomAxis.Minimum(), before);
}

TEST_F(PictureMenusTest, SavesThePictureAsShownAndTheDataWholeOrNotAtAll)
{
    // Under the build folder: Qt's own file dialog sniffs the files of every
    // folder it shows, and would block on a named pipe that /tmp may hold.
    QTemporaryDir folder(PICTURE_DIR "/menus-XXXXXX");
    const QString png = folder.filePath("slika.png");
    SaveThroughMenu(form.Image1, "Sačuvaj sliku…", png);
    const QImage saved(png);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              form.Image1->Picture().convertToFormat(QImage::Format_RGB32));

    // The next dialog proposes its name where the last one saved.
    const QString csv = folder.filePath("oscilogram.csv");
    SaveThroughMenu(form.Chart1, "Sačuvaj podatke (CSV)…", csv);
    EXPECT_EQ(proposed, csv);
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), OscillogramCsv(form.State()));
    EXPECT_TRUE(reported.empty());

    // Below the picture saved above, as if it were a folder: no user can
    // create a file there, root included, in a chroot or a container as on a
    // full system. (Qt's dialog itself refuses a name too long to create.)
    const QString refused = png + "/oscilogram.csv";
    SaveThroughMenu(form.Chart1, "Sačuvaj podatke (CSV)…", refused);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("nije sačuvana"), std::string::npos) << reported[0];
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"oscilogram.csv", "slika.png"}));
}

} // namespace
} // namespace otpor
