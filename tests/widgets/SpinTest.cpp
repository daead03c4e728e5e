#include "widgets/Spin.h"

#include "platform/Convert.h"
#include "platform/Errors.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/Runtime.h"
#include "support/ReportHooks.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
QT_END_NAMESPACE

namespace otpor {
namespace {

std::vector<std::string>& Reports()
{
    static std::vector<std::string> reports;
    return reports;
}

void RecordReport(const std::string& message)
{
    Reports().push_back(message);
}

class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reports().clear();
        // The form's font: 8-point Tahoma, 11 px.
        static const bool fontsRegistered = (qt::RegisterFallbackFonts(), true);
        (void)fontsRegistered;
        QFont tahoma(QStringLiteral("Tahoma"));
        tahoma.setPixelSize(11);
        window.setFont(tahoma);
        window.resize(300, 120);
    }

    // A field as the main window declares one (22 px high), its changes recorded.
    TSpinEdit* Make(int width, int minValue, int maxValue, int increment, int value)
    {
        auto* edit = new TSpinEdit(&window, FormatSettings{",", "."});
        edit->BeginInit();
        edit->setGeometry(10, 10 + 30 * count++, width, 22);
        edit->SetMinValue(minValue);
        edit->SetMaxValue(maxValue);
        edit->SetIncrement(increment);
        edit->SetValue(value);
        edit->OnChange = [this](TSpinEdit* sender) { changes.push_back(sender->text().toStdString()); };
        edit->EndInit();
        return edit;
    }

    void ShowActive()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void ClickUp(TSpinEdit* edit) { QTest::mouseClick(edit->Button()->UpButton(), Qt::LeftButton); }
    static void ClickDown(TSpinEdit* edit)
    {
        QTest::mouseClick(edit->Button()->DownButton(), Qt::LeftButton);
    }

    // One expiry of the repeat timer, without waiting for it.
    static void Fire(TTimerSpeedButton* button)
    {
        ASSERT_NE(button->RepeatTimer(), nullptr);
        ASSERT_TRUE(QMetaObject::invokeMethod(button->RepeatTimer(), "timeout", Qt::DirectConnection));
    }

    QWidget window;
    int count = 0;
    int beeps = 0;
    test::ReportHooks hooks{&RecordReport, [this] { ++beeps; }};
    std::vector<std::string> changes;
};

using Texts = std::vector<std::string>;

TEST_F(SpinEditTest, StartsWithZeroAndAppliesTheFormsValuesWithoutRaisingOnChange)
{
    TSpinEdit fresh(nullptr, FormatSettings{});
    EXPECT_EQ(fresh.text(), "0");

    // Limits first, then the value: the start value is already clamped.
    TSpinEdit* edit = Make(41, 30, 90, 1, 100);
    EXPECT_EQ(edit->text(), "90");
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, AtTheUpperLimitTheUpButtonChangesNothingAndTheDownButtonSteps)
{
    TSpinEdit* edit = Make(57, 0, 5000, 50, 5000);
    ClickUp(edit);
    EXPECT_EQ(edit->text(), "5000");
    EXPECT_TRUE(changes.empty());
    ClickDown(edit);
    EXPECT_EQ(edit->text(), "4950");
    EXPECT_EQ(changes, Texts{"4950"});
}

TEST_F(SpinEditTest, ALoneMinusReadsAsTheLowerLimitStepsFromItAndSurvivesLeaving)
{
    TSpinEdit* edit = Make(41, -5, 5, 1, 0);
    QWidget* other = Make(41, 0, 0, 1, 0);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, "-");
    EXPECT_EQ(edit->text(), "-");
    EXPECT_EQ(edit->Value(), -5);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "-");
    ClickUp(edit);
    EXPECT_EQ(edit->text(), "-4");
    EXPECT_EQ(changes, (Texts{"-", "-4"}));
}

TEST_F(SpinEditTest, EveryTypedTextIsReportedAndLeavingClampsItOnce)
{
    TSpinEdit* edit = Make(41, 1, 10, 1, 5);
    QWidget* other = Make(41, 0, 0, 1, 0);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->selectedText(), "5");
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(changes, (Texts{"1", "12"}));
    EXPECT_EQ(edit->Value(), 12); // the handlers see the number as typed
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "10");
    EXPECT_EQ(changes, (Texts{"1", "12", "10"}));
}

TEST_F(SpinEditTest, EqualLimitsMeanNoLimitsForStepsAndLeaving)
{
    TSpinEdit* edit = Make(41, 0, 0, 1, -7000);
    QWidget* other = Make(41, 0, 0, 1, 0);
    EXPECT_EQ(edit->text(), "-7000");
    ClickDown(edit);
    EXPECT_EQ(edit->text(), "-7001");

    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "99999");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "99999");

    // At the end of the integer range a step stays there instead of wrapping.
    edit->SetValue(INT_MAX);
    ClickUp(edit);
    EXPECT_EQ(edit->Value(), INT_MAX);
    edit->SetValue(INT_MIN);
    ClickDown(edit);
    EXPECT_EQ(edit->Value(), INT_MIN);
}

TEST_F(SpinEditTest, EnterBeepsAndLeavesTheTextAsItWas)
{
    TSpinEdit* edit = Make(41, 1, 10, 1, 5);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(edit->text(), "5");
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, OnlyDigitsSignsTheDecimalSeparatorAndControlKeysAreTyped)
{
    TSpinEdit* edit = Make(41, 0, 100, 1, 0);
    edit->clear();
    changes.clear();
    QTest::keyClicks(edit, "a");
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("č"), Qt::NoModifier);
    QTest::keyClicks(edit, ". ");
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(changes.empty());

    QTest::keyClicks(edit, "+-1,5");
    EXPECT_EQ(edit->text(), "+-1,5");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "-1,");
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(edit->Value(), 0); // not a whole number: the lower limit
    EXPECT_EQ(changes.size(), 7u);
}

TEST_F(SpinEditTest, TheDecimalSeparatorIsTheOneOfTheRegionalSettings)
{
    TSpinEdit* edit = Make(41, 0, 100, 1, 0);
    edit->SetDecimalSeparator(QStringLiteral("."));
    QTest::keyClicks(edit, ".,");
    EXPECT_EQ(edit->text(), "0.");
    EXPECT_EQ(beeps, 1);
}

TEST_F(SpinEditTest, PastedTextIsNotFilteredButNeedsAnEnabledWritableEditor)
{
    TSpinEdit* edit = Make(41, 0, 100, 1, 0);
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(changes, Texts{"abc"});
    EXPECT_EQ(beeps, 0);

    for (bool editorEnabled : {false, true}) {
        edit->SetEditorEnabled(editorEnabled);
        edit->SetReadOnly(editorEnabled);
        edit->setText(QStringLiteral("7"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "3");
        EXPECT_EQ(edit->text(), "7");
        // The context menu offers neither.
        std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith("&Paste") || action->text().startsWith("Cu&t")) {
                EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
            }
        }
    }
    EXPECT_EQ(beeps, 0);

    // Without the editor the buttons still step.
    edit->SetReadOnly(false);
    edit->SetEditorEnabled(false);
    ClickUp(edit);
    EXPECT_EQ(edit->text(), "8");
}

TEST_F(SpinEditTest, APasteLongerThanTheFieldHoldsIsReportedOnceThroughTheErrorBox)
{
    TSpinEdit* edit = Make(41, 1, 10, 1, 5);
    // As the main window's handlers do: the text must be a whole number.
    edit->OnChange = [](TSpinEdit* sender) { StrToInt(sender->text().toStdString()); };
    // The real error box, closed the moment it shows; its texts are the reports.
    qt::SetErrorReportHook({});
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            RecordReport(box->text().toStdString());
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    closer.start(0);
    ShowActive();
    // The cursor placed in the number by a press on the text: nothing selected.
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 11));
    ASSERT_TRUE(edit->hasFocus());
    ASSERT_FALSE(edit->hasSelectedText());

    const QString pasted(40000, QLatin1Char('x'));
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::qWait(50);
    ASSERT_EQ(edit->text().size(), edit->maxLength());
    // (Compared whole, these texts would fill a failure's report.)
    const QString held = edit->text();
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_TRUE(Reports().front() == "'" + held.toStdString() + "' is not a valid integer value");

    // The window active again, as the desktop makes it when the box closes,
    // gives the focus back to the field as it was: the text is not selected,
    // so a held Control+V repeating after the box adds nothing to the full
    // field and reports nothing.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_FALSE(edit->hasSelectedText());
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_TRUE(edit->text() == held);
    EXPECT_EQ(Reports().size(), 1u);

    // Pasting over the whole text leaves it as it was, which is no change.
    edit->selectAll();
    QApplication::clipboard()->setText(held);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_EQ(Reports().size(), 1u);

    // Another text is another change.
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_EQ(Reports().size(), 2u);
    EXPECT_EQ(edit->text(), "abc");
}

TEST_F(SpinEditTest, ReadOnlyFieldBeepsOnEveryStep)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    edit->SetReadOnly(true);
    ClickUp(edit);
    ClickDown(edit);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(beeps, 3);
    EXPECT_EQ(edit->text(), "45");
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, ArrowKeysStepByTheIncrement)
{
    TSpinEdit* edit = Make(57, 0, 5000, 50, 1000);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(changes, (Texts{"1050", "1100", "1050"}));
}

TEST_F(SpinEditTest, OtherListenersOfTheTextHearOfEveryChangeAfterOnChange)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    Texts order;
    edit->OnChange = [&order](TSpinEdit* sender) {
        order.push_back("OnChange " + sender->text().toStdString());
    };
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&order](const QString& text) { order.push_back("listener " + text.toStdString()); });
    ClickUp(edit);
    QTest::keyClicks(edit, "7");
    edit->SetValue(10);
    EXPECT_EQ(order, (Texts{"OnChange 46", "listener 46", "OnChange 467", "listener 467", "OnChange 30",
                            "listener 30"}));
}

TEST_F(SpinEditTest, APlainClickStepsOnceAtTheRelease)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    TTimerSpeedButton* up = edit->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_TRUE(up->Down());
    EXPECT_EQ(edit->text(), "45");
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_FALSE(up->Down());
    EXPECT_FALSE(up->RepeatTimer()->isActive());
    EXPECT_EQ(changes, Texts{"46"});
}

TEST_F(SpinEditTest, HoldingTheUpButtonRepeatsAfterTheDelayAndStepsOnceMoreAtTheRelease)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    TTimerSpeedButton* up = edit->Button()->UpButton();
    EXPECT_EQ(up->RepeatTimer(), nullptr);
    QTest::mousePress(up, Qt::LeftButton);
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_TRUE(up->RepeatTimer()->isActive());
    EXPECT_EQ(up->RepeatTimer()->interval(), TTimerSpeedButton::RepeatDelay);

    // Just under a second: expiries at 400, 500, ... 900 ms.
    for (int i = 0; i < 6; ++i)
        Fire(up);
    EXPECT_EQ(up->RepeatTimer()->interval(), TTimerSpeedButton::RepeatInterval);
    EXPECT_EQ(edit->text(), "51");
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(edit->text(), "52");
    EXPECT_EQ(changes.size(), 7u);
}

TEST_F(SpinEditTest, MovingOffTheHeldButtonPausesTheRepeatsAndReleasingThereMakesNoStep)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    TTimerSpeedButton* down = edit->Button()->DownButton();
    QTest::mousePress(down, Qt::LeftButton);
    Fire(down);
    EXPECT_EQ(edit->text(), "44");

    const QPoint outside(down->width() + 5, down->height() / 2);
    QTest::mouseMove(down, outside);
    EXPECT_FALSE(down->Down());
    Fire(down);
    EXPECT_EQ(edit->text(), "44");

    QTest::mouseMove(down, down->rect().center());
    EXPECT_TRUE(down->Down());
    Fire(down);
    EXPECT_EQ(edit->text(), "43");

    QTest::mouseRelease(down, Qt::LeftButton, {}, outside);
    EXPECT_EQ(edit->text(), "43");
    EXPECT_FALSE(down->RepeatTimer()->isActive());

    // The row just below the button still counts as over it at the release.
    QTest::mouseClick(down, Qt::LeftButton, {}, QPoint(0, down->height()));
    EXPECT_EQ(edit->text(), "42");
}

TEST_F(SpinEditTest, AFailingStepEndsTheRepeatAndIsReportedOnce)
{
    TSpinEdit* edit = Make(57, 0, 5000, 50, 1000);
    edit->OnChange = [](TSpinEdit* sender) {
        if (sender->Value() > 1050)
            throw AxisException("Axis maximum refused");
    };
    TTimerSpeedButton* up = edit->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    Fire(up);
    EXPECT_TRUE(Reports().empty());
    Fire(up);
    EXPECT_EQ(Reports(), Texts{"Axis maximum refused"});
    EXPECT_FALSE(up->RepeatTimer()->isActive());
    EXPECT_FALSE(up->Down());
    Fire(up);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(edit->text(), "1100");
    EXPECT_EQ(Reports().size(), 1u);

    // A failing step by key or click, typing, or the clamp on leaving: each
    // is reported once, and the text stays as it was changed.
    QTest::keyClick(edit, Qt::Key_Up);
    ClickUp(edit);
    EXPECT_EQ(edit->text(), "1200");
    EXPECT_EQ(Reports().size(), 3u);

    QWidget* other = Make(41, 0, 0, 1, 0);
    ShowActive();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "999");
    EXPECT_EQ(Reports().size(), 3u);
    QTest::keyClicks(edit, "9");
    EXPECT_EQ(edit->text(), "9999");
    EXPECT_EQ(Reports().size(), 4u);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "5000");
    EXPECT_EQ(Reports().size(), 5u);
}

TEST_F(SpinEditTest, TheHiddenNumberOfANarrowFieldStillChangesWithItsButtons)
{
    TSpinEdit* narrow = Make(17, 2, 40, 1, 2);
    TSpinEdit* wide = Make(41, 2, 40, 1, 2);
    ShowActive();
    ClickUp(narrow);
    EXPECT_EQ(narrow->text(), "3");
    EXPECT_EQ(changes, Texts{"3"});

    // The narrow field looks the same whatever its number; the wide one does not.
    for (TSpinEdit* edit : {narrow, wide}) {
        edit->SetValue(2);
        const QImage two = edit->grab().toImage();
        edit->SetValue(38);
        const QImage other = edit->grab().toImage();
        EXPECT_EQ(two == other, edit == narrow) << edit->width();
    }
}

TEST_F(SpinEditTest, TextNeverRunsUnderTheButtons)
{
    TSpinEdit* edit = Make(41, 0, 0, 1, 0);
    ShowActive();
    const QRect pair = edit->Button()->geometry();
    edit->clear();
    const QImage empty = edit->grab(pair).toImage();
    edit->setText(QStringLiteral("88888888888"));
    edit->setCursorPosition(0);
    EXPECT_EQ(edit->grab(pair).toImage(), empty);
}

TEST_F(SpinEditTest, TheButtonPairLiesInsideTheRightEdge)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    window.show(); // sizes reach hidden widgets only when they are shown
    // Inside the 2-px 3D border at (21, 0), 15 wide, the field's height - 5 high.
    EXPECT_EQ(edit->Button()->geometry(), QRect(23, 2, 15, 17));
    EXPECT_EQ(edit->Button()->UpButton()->geometry(), QRect(0, 0, 15, 8));
    EXPECT_EQ(edit->Button()->DownButton()->geometry(), QRect(0, 7, 15, 10));

    edit->SetCtl3D(false);
    EXPECT_EQ(edit->Button()->geometry(), QRect(26, 1, 15, 19));
}

TEST_F(SpinEditTest, AHeightBelowTheFontsMinimumIsRaised)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    EXPECT_EQ(edit->height(), 22);
    edit->resize(41, 6);
    EXPECT_GT(edit->height(), 6);
    EXPECT_EQ(edit->height(), edit->MinHeight());

    QFont large = edit->font();
    large.setPixelSize(40);
    edit->setFont(large);
    EXPECT_GT(edit->height(), 40);
}

TEST_F(SpinEditTest, EnteringSelectsAllExceptByALeftPressOnTheText)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    QWidget* other = Make(41, 0, 0, 1, 0);
    ShowActive();

    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->selectedText(), "45");
    other->setFocus(Qt::TabFocusReason);

    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(8, 11));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), "");
    other->setFocus(Qt::TabFocusReason);

    // A press on a button gives the field the focus, all selected.
    QTest::mousePress(edit->Button()->DownButton(), Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), "45");
    QTest::mouseRelease(edit->Button()->DownButton(), Qt::LeftButton);
    other->setFocus(Qt::TabFocusReason);

    edit->SetAutoSelect(false);
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->selectedText(), "");
}

TEST_F(SpinEditTest, AScreenReaderHearsASpinButtonWithItsNameValueLimitsAndStep)
{
    TSpinEdit* angle = Make(41, 30, 90, 1, 45);
    angle->setAccessibleName(QStringLiteral("Napadni ugao, stepeni"));
    TSpinEdit* depth = Make(17, 2, 40, 1, 2);
    depth->SetAccessibleValueText(QStringLiteral("0,2 mm"));
    ShowActive();

    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(angle);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->role(), QAccessible::SpinBox);
    EXPECT_EQ(field->text(QAccessible::Name), "Napadni ugao, stepeni");
    EXPECT_EQ(field->text(QAccessible::Value), "45");
    EXPECT_TRUE(field->state().editable);
    QAccessibleValueInterface* value = field->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 45);
    EXPECT_EQ(value->minimumValue().toInt(), 30);
    EXPECT_EQ(value->maximumValue().toInt(), 90);
    EXPECT_EQ(value->minimumStepSize().toInt(), 1);
    // Set through the reader: clamped, and the window hears of it.
    value->setCurrentValue(100);
    EXPECT_EQ(angle->text(), "90");
    EXPECT_EQ(changes, Texts{"90"});
    QAccessibleTextInterface* text = field->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), "90");
    // The word under a cursor at the end is the last one (Qt's own search never returns there).
    int start = 0, end = 0;
    EXPECT_EQ(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end), "90");
    EXPECT_EQ(std::pair(start, end), std::pair(0, 2));
    EXPECT_EQ(text->textAfterOffset(2, QAccessible::WordBoundary, &start, &end), "");
    EXPECT_EQ(text->textBeforeOffset(2, QAccessible::LineBoundary, &start, &end), "90");
    EXPECT_EQ(text->textAtOffset(3, QAccessible::SentenceBoundary, &start, &end), "");

    // The hidden number reads as what its window shows for it.
    QAccessibleInterface* hidden = QAccessible::queryAccessibleInterface(depth);
    EXPECT_EQ(hidden->text(QAccessible::Value), "0,2 mm");
    EXPECT_EQ(hidden->valueInterface()->currentValue().toInt(), 2);
    ASSERT_NE(hidden->textInterface(), nullptr);
    EXPECT_EQ(hidden->textInterface()->text(0, 6), "0,2 mm");
    EXPECT_EQ(hidden->textInterface()->textAtOffset(6, QAccessible::WordBoundary, &start, &end), "mm");

    angle->SetReadOnly(true);
    EXPECT_TRUE(field->state().readOnly);
}

TEST_F(SpinEditTest, TheArrowsAreBlackTrianglesOnAGroundThatIsNotDrawn)
{
    EXPECT_EQ(SpinUpGlyph().size(), QSize(9, 6));
    EXPECT_EQ(SpinDownGlyph().size(), QSize(9, 6));
    EXPECT_EQ(SpinUpGlyph().toImage().pixel(0, 5) | 0xFF000000, qRgb(128, 128, 0));

    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    ShowActive();
    const QImage pair =
        edit->grab(edit->Button()->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    int olives = 0;
    int blacks = 0;
    for (int y = 0; y < pair.height(); ++y) {
        for (int x = 0; x < pair.width(); ++x) {
            olives += pair.pixel(x, y) == qRgb(128, 128, 0);
            blacks += pair.pixel(x, y) == qRgb(0, 0, 0);
        }
    }
    EXPECT_EQ(olives, 0);
    EXPECT_EQ(blacks, 2 * (1 + 3 + 5 + 7));
}

TEST_F(SpinEditTest, AtRatioTwoTheArrowsAreDrawnAtTheDevicesResolution)
{
    TSpinEdit* edit = Make(41, 30, 90, 1, 45);
    ShowActive();
    for (TTimerSpeedButton* button : {edit->Button()->UpButton(), edit->Button()->DownButton()}) {
        QImage image(button->size() * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        button->render(&image);
        // The 9 x 6 glyph centred in the button, in device pixels.
        const QRect glyph(QPoint((button->width() - 9) / 2, (button->height() - 6) / 2) * 2, QSize(18, 12));
        int dark = 0;
        bool finerThanBlocks = false;
        for (int y = glyph.top(); y <= glyph.bottom(); ++y) {
            for (int x = glyph.left(); x <= glyph.right(); ++x) {
                dark += qGray(image.pixel(x, y)) < 128;
                const QPoint block(x & ~1, y & ~1);
                finerThanBlocks |= image.pixel(x, y) != image.pixel(block);
            }
        }
        // The triangle of 16 pixels at ratio 1 covers about four times as many.
        EXPECT_NEAR(dark, 4 * 16, 8);
        EXPECT_TRUE(finerThanBlocks);
    }
}

} // namespace
} // namespace otpor
