// The main window on light and dark desktops, and with fonts other than the form's.
#include "app/Desktop.h"
#include "app/Unit1.h"
#include "platform/Color.h"
#include "support/Contrast.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <gtest/gtest.h>

namespace otpor {
namespace {

// A dark desktop palette, as a dark GTK theme or a dark Qt palette gives it.
QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), text(238, 238, 236), base(45, 45, 45);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.darker(120));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(21, 83, 158));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, text.darker(140));
    return p;
}

QRect GroupBoxTitle(const QGroupBox& box)
{
    QStyleOptionGroupBox opt;
    opt.initFrom(&box);
    opt.text = box.title();
    opt.lineWidth = 1;
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    opt.textAlignment = box.alignment();
    return box.style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, &box);
}

// Every text of the window, measured on the window as rendered: its ink
// against its ground.
void ExpectEveryTextReadable(TForm1& form, const QPalette& palette, const char* name)
{
    QTest::qWait(20);
    const QImage shot = form.grab().toImage();
    auto region = [&](const QWidget* w, const QRect& r) {
        return QRect(w->mapTo(&form, r.topLeft()), r.size());
    };

    // The window's ground is the desktop's, and so are the system colours.
    const QColor window = palette.color(QPalette::Window);
    EXPECT_EQ(shot.pixelColor(2, 300), window) << name;
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(window.red(), window.green(), window.blue())) << name;

    int measured = 0;
    auto expect = [&](const QWidget* w, const QRect& r, const QString& what) {
        const double contrast = test::TextContrast(shot, region(w, r));
        EXPECT_GE(contrast, 4.5) << name << ": " << what.toStdString();
        ++measured;
    };
    for (const QLabel* label : form.findChildren<QLabel*>())
        expect(label, label->rect(), label->objectName() + " " + label->text());
    for (const QGroupBox* box : form.findChildren<QGroupBox*>())
        expect(box, GroupBoxTitle(*box), box->title());
    // SpinEdit1 and SpinEdit6 show only their arrows; their values are read in Edit1 and Edit2.
    for (const QLineEdit* edit : form.findChildren<QLineEdit*>())
        if (!edit->text().isEmpty() && edit->objectName() != QStringLiteral("SpinEdit1") &&
            edit->objectName() != QStringLiteral("SpinEdit6"))
            expect(edit, edit->rect().adjusted(3, 3, -3, -3), edit->text());
    for (const QPushButton* button : form.findChildren<QPushButton*>())
        if (!button->text().isEmpty())
            expect(button, button->rect().adjusted(3, 3, -3, -3), button->text());
    EXPECT_EQ(measured, 15 + 2 + 11 + 5);
}

TEST(Desktop, EveryTextOfTheWindowIsReadableUnderALightAndADarkPalette)
{
    const QPalette original = QApplication::palette();
    const QPalette light = QApplication::style()->standardPalette();
    QApplication::setPalette(light);
    TForm1 form(FormatSettings{",", "."});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ExpectEveryTextReadable(form, light, "light");

    // The desktop turns dark while the program runs, and a window starts dark.
    QApplication::setPalette(DarkPalette());
    ExpectEveryTextReadable(form, DarkPalette(), "turned dark");
    TForm1 dark(FormatSettings{",", "."});
    dark.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dark));
    ExpectEveryTextReadable(dark, DarkPalette(), "dark");

    QApplication::setPalette(original);
    LoadSystemColors(original);
}

// The first and the last column with ink of a widget drawn alone.
std::pair<int, int> InkColumns(QWidget& w)
{
    const QImage shot = w.grab().toImage();
    const QRgb ground = shot.pixel(0, 0);
    int first = shot.width();
    int last = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != ground) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {w.x() + first, w.x() + last};
}

TEST(Desktop, DegreeMarksStayClearOfTheirLabelsWithAWideFont)
{
    // The form's marks where its own font puts them.
    TForm1 form(FormatSettings{",", "."});
    const QStringList marks{"Label9", "Label11", "Label14", "Label15"};
    const QList<QPoint> specified{{81, 28}, {72, 50}, {106, 74}, {120, 98}};
    const QStringList labels{"Label2", "Label5", "Label7", "Label6"};
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (qsizetype i = 0; i < marks.size(); ++i) {
        auto* mark = form.findChild<QLabel*>(marks[i]);
        if (QFontInfo(form.font()).family() == QStringLiteral("Tahoma")) {
            EXPECT_EQ(mark->pos(), specified[i]) << marks[i].toStdString();
        }
        EXPECT_LT(InkColumns(*form.findChild<QLabel*>(labels[i])).second, InkColumns(*mark).first);
    }

    // A font much wider than the form's: each mark's ink starts right of its label's.
    QWidget box;
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(15);
    wide.setBold(true);
    box.setFont(wide);
    box.resize(400, 140);
    const char* texts[] = {"Napadni ugao, ", "Grudni ugao, ", "Ugao nagiba sečiva, ",
                           "Pomoćni napadni ugao, "};
    const int rows[] = {32, 56, 80, 104};
    std::vector<std::pair<QLabel*, QLabel*>> pairs;
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromUtf8(texts[i]), &box);
        label->move(8, rows[i]);
        label->adjustSize();
        auto* mark = new QLabel(QStringLiteral("o"), &box);
        mark->move(specified[i]);
        mark->adjustSize();
        pairs.emplace_back(label, mark);
    }
    KeepDegreeMarksClear(box);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto [label, mark] = pairs[i];
        EXPECT_LT(InkColumns(*label).second, InkColumns(*mark).first) << label->text().toStdString();
        EXPECT_EQ(mark->y(), specified[static_cast<qsizetype>(i)].y());
    }
}

TEST(Desktop, ClientAreaHoldsTheLayoutWhateverTheDecoration)
{
    EXPECT_EQ(ClientSizeForFrame({680, 574}, {4, 23, 4, 4}), QSize(672, 547));
    EXPECT_EQ(ClientSizeForFrame({680, 574}, {}), QSize(680, 574));
    EXPECT_EQ(ClientSizeForFrame({680, 574}, {1, 20, 1, 1}), QSize(678, 553));
    // A thick decoration (client-side on Wayland) does not shrink the layout.
    EXPECT_EQ(ClientSizeForFrame({680, 574}, {24, 60, 24, 24}), QSize(672, 547));
}

} // namespace
} // namespace otpor
