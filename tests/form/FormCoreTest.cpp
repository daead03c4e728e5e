// The main window's behaviour without a window: the form core with a view
// that records what it is asked to show.
#include "form/FormCore.h"

#include "platform/Errors.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace otpor {
namespace {

class RecordingView : public FormView {
public:
    test::RecordingCanvas Picture;
    int PicturesDrawn = 0;
    std::map<InputId, std::string> SpinTexts, ValueTexts;
    std::map<MaterialList, int> ListItems;
    bool Timer = false;
    int Beeps = 0;
    std::vector<std::string> Warnings;
    int ForcesChanges = 0;

    Canvas& PictureCanvas() override { return Picture; }
    void PictureDrawn() override { ++PicturesDrawn; }
    void ShowSpinText(InputId input, std::string_view text) override { SpinTexts[input] = text; }
    void ShowValueText(InputId input, std::string_view text) override { ValueTexts[input] = text; }
    void ShowListItem(MaterialList list, int itemIndex) override { ListItems[list] = itemIndex; }
    bool TimerEnabled() const override { return Timer; }
    void SetTimerEnabled(bool enabled) override { Timer = enabled; }
    void Beep() override { ++Beeps; }
    void ShowWarning(std::string_view text) override { Warnings.emplace_back(text); }
    void ForcesChanged() override { ++ForcesChanges; }
};

class Form : public ::testing::Test {
protected:
    Form() { core.FormCreate(); }

    RecordingView view;
    FormCore core{view, FormatSettings{",", "."}};
};

TEST_F(Form, StartsWithTheInputsStartValuesAnEmptyChartAndTheSceneDrawn)
{
    for (const InputRow& row : InputRows)
        EXPECT_EQ(core.Spin(row.Id).Text(), std::to_string(row.Value)) << row.Control;
    EXPECT_EQ(core.Spin(InputId::ForceMaximum).Increment(), 50);
    EXPECT_EQ(core.State().Scene.ToolX, 179);
    EXPECT_EQ(core.State().Scene.ToolY, 252);
    EXPECT_EQ(core.Chart().LeftAxis.Minimum(), 0);
    EXPECT_EQ(core.Chart().LeftAxis.Maximum(), 1000);
    EXPECT_FALSE(core.Chart().LeftAxis.Automatic());
    for (int i = 0; i < core.Chart().SeriesCount(); ++i)
        EXPECT_EQ(core.Chart().Series(i).Count(), 0);
    EXPECT_EQ(view.PicturesDrawn, 1);
    EXPECT_FALSE(view.Picture.Calls.empty());
    EXPECT_FALSE(view.Timer);
    EXPECT_EQ(FormCore::TickInterval, 50);
}

TEST_F(Form, ATickFillsTheTracesDrawsTheForcesAndTellsTheView)
{
    core.ListChanged(MaterialList::Work, 0); // "C1633"
    core.ListChanged(MaterialList::Tool, 0); // "P30"
    EXPECT_EQ(view.ListItems,
              (std::map<MaterialList, int>{{MaterialList::Work, 0}, {MaterialList::Tool, 0}}));
    core.ListChanged(MaterialList::Work, -1); // typed text: the choice stays, the list is not told
    EXPECT_EQ(core.State().Inputs.WorkMaterial, 1);
    core.Button2Click();
    ASSERT_TRUE(view.Timer);
    const std::size_t startCalls = view.Picture.Calls.size();
    core.Timer1Timer();
    EXPECT_EQ(view.ForcesChanges, 1);
    EXPECT_EQ(view.PicturesDrawn, 3); // the scene, then the forces over it
    EXPECT_GT(view.Picture.Calls.size(), 2 * startCalls);
    for (int i = 0; i < core.Chart().SeriesCount(); ++i)
        EXPECT_EQ(core.Chart().Series(i).Count(), OscPoints);
    EXPECT_NEAR(core.Chart().Series(0).YValue(NewestSample), 81.32, 0.005);
    EXPECT_DOUBLE_EQ(core.Chart().Series(0).XValue(NewestSample), 0.3);

    // A picture drawn anew is the one last shown: with the arrows.
    view.Picture.Calls.clear();
    core.RedrawPicture();
    EXPECT_GT(view.Picture.Calls.size(), startCalls);
    core.Button5Click();
    EXPECT_EQ(view.ForcesChanges, 2);
    view.Picture.Calls.clear();
    core.RedrawPicture();
    EXPECT_EQ(view.Picture.Calls.size(), startCalls); // reset: no arrows
    core.Button3Click();
    EXPECT_FALSE(view.Timer);
}

TEST_F(Form, ProcessWithoutMaterialsBeepsWarnsAndKeepsTheTimerOff)
{
    core.Button2Click();
    EXPECT_EQ(view.Beeps, 1);
    EXPECT_EQ(view.Warnings, (std::vector<std::string>{"Izaberite materijal alata i obratka!"}));
    EXPECT_FALSE(view.Timer);
}

TEST_F(Form, InputsGoThroughTheirRowsHandlers)
{
    core.SetInputText(InputId::Depth, "40");
    EXPECT_EQ(view.SpinTexts[InputId::Depth], "40");
    EXPECT_EQ(view.ValueTexts[InputId::Depth], "4");
    EXPECT_EQ(core.State().Inputs.DepthOfCut, 4);
    core.SetInputText(InputId::Feed, "5");
    EXPECT_EQ(view.ValueTexts[InputId::Feed], "0,05");
    const int drawn = view.PicturesDrawn;
    core.SetInputText(InputId::Rake, "10"); // a tool angle redraws the scene
    EXPECT_EQ(view.PicturesDrawn, drawn + 1);

    EXPECT_THROW(core.SetInputText(InputId::Depth, "abc"), EConvertError);
    EXPECT_EQ(view.SpinTexts[InputId::Depth], "abc"); // shown as typed, used by nothing
    EXPECT_EQ(core.State().Inputs.DepthOfCut, 4);
    EXPECT_EQ(view.ValueTexts[InputId::Depth], "4");
}

TEST_F(Form, AnAxisMaximumBelowAZoomedMinimumIsRefusedAndLeavesTheAxis)
{
    core.SetInputText(InputId::ForceMaximum, "1050");
    EXPECT_EQ(core.Chart().LeftAxis.Maximum(), 1050);
    core.Chart().LeftAxis.SetRange(400, 600);
    try {
        core.SetInputText(InputId::ForceMaximum, "300");
        ADD_FAILURE() << "the axis took 300";
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
    }
    EXPECT_EQ(core.Chart().LeftAxis.Minimum(), 400);
    EXPECT_EQ(core.Chart().LeftAxis.Maximum(), 600);
}

} // namespace
} // namespace otpor
