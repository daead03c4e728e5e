// A picture for a person to look at: spin edits as the main window has them,
// written to spin-edits.png (and a 4x enlargement) beside the test binary.
#include "widgets/Spin.h"

#include "platform/qt/Runtime.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace otpor {
namespace {

constexpr int FieldHeight = 22;
constexpr int Enlargement = 4;

TSpinEdit* Field(QWidget* parent, int x, int y, int width, int minValue, int maxValue, int increment,
                 int value)
{
    auto* edit = new TSpinEdit(parent, FormatSettings{",", "."});
    edit->BeginInit();
    edit->setGeometry(x, y, width, FieldHeight);
    edit->SetMinValue(minValue);
    edit->SetMaxValue(maxValue);
    edit->SetIncrement(increment);
    edit->SetValue(value);
    edit->EndInit();
    return edit;
}

TEST(SpinEditScreenshot, ShowsNumbersWithTwoArrowButtonsInsideTheRightEdge)
{
    qt::RegisterFallbackFonts();
    QWidget form;
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    form.setFont(tahoma);
    form.resize(240, 100);

    auto* label = new QLabel(QStringLiteral("Napadni ugao, o"), &form);
    label->move(8, 12);
    TSpinEdit* angle = Field(&form, 160, 8, 41, 30, 90, 1, 45);
    Field(&form, 160, 36, 49, 10, 200, 1, 50);
    Field(&form, 160, 64, 57, 0, 5000, 50, 1000);
    // The depth of cut: its number hidden, shown converted beside it.
    auto* edit1 = new QLineEdit(QStringLiteral("0,2"), &form);
    edit1->setGeometry(96, 36, 33, 21);
    Field(&form, 128, 36, 17, 2, 40, 1, 2);
    Field(&form, 8, 64, 41, 1, 10, 1, 1);

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // One button held down, to show the pressed face.
    QTest::mousePress(angle->Button()->DownButton(), Qt::LeftButton);
    const QImage shot = form.grab().toImage();
    QTest::mouseRelease(angle->Button()->DownButton(), Qt::LeftButton, {}, QPoint(-10, -10));

    const QString dir = QStringLiteral(OTPOR_SHOT_DIR);
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/spin-edits.png")));
    EXPECT_TRUE(shot.scaled(shot.size() * Enlargement).save(dir + QStringLiteral("/spin-edits-x4.png")));

    // The number is really drawn: the text area differs from an empty one.
    const QRect text(2, 2, 18, 18);
    const QImage withText = angle->grab(text).toImage();
    angle->clear();
    EXPECT_NE(angle->grab(text).toImage(), withText);
}

} // namespace
} // namespace otpor
