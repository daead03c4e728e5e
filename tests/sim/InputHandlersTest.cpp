#include "sim/InputHandlers.h"
#include "platform/Errors.h"
#include "sim/InputTable.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

const FormatSettings Comma{",", "."};
const FormatSettings Point{".", ","};

class Inputs : public ::testing::Test {
protected:
    void SetUp() override { FormCreate(s); }
    SimulationState s;
};

TEST_F(Inputs, StartStateMatchesTheControls)
{
    const CuttingInputs& in = s.Inputs;
    EXPECT_EQ(in.DepthOfCut, 0.2);
    EXPECT_EQ(in.Feed, 0.17);
    EXPECT_EQ(in.CuttingSpeed, 50);
    EXPECT_EQ(in.ApproachAngle, 45);
    EXPECT_EQ(in.RakeAngle, 15);
    EXPECT_EQ(in.InclinationAngle, 0);
    EXPECT_EQ(in.AuxApproachAngle, 45);
    EXPECT_EQ(in.RakeFactor, 0.85);
    EXPECT_EQ(in.DisplayScale, 1);
    EXPECT_EQ(in.WorkMaterial, 0);
    EXPECT_EQ(in.ToolMaterial, 0);
    EXPECT_EQ(s.Coefficients.MaterialCoefficient, 0);
    EXPECT_EQ(s.Coefficients.SpeedExponent, 0);
    EXPECT_EQ(s.Coefficients.MismatchFactor, 0);
    EXPECT_EQ(s.F1Length, 60);
    EXPECT_EQ(s.F2Length, 40);
    EXPECT_EQ(s.F3Length, 30);
    EXPECT_EQ(s.Osc.OscX[0], -100.2);
    EXPECT_EQ(s.Osc.OscX[334], 0);
    EXPECT_EQ(s.Scene.ShoulderWidth, 0);
    EXPECT_EQ(s.Scene.ForceOffset, 0);
}

// The state starts as the controls do: each control's handler, run on the
// control's start value, finds every input already there and writes the text
// its value field starts with.
TEST_F(Inputs, HandlersOnTheControlsStartValuesChangeNoInput)
{
    const CuttingInputs start = s.Inputs;
    for (const InputRow& row : InputRows) {
        SCOPED_TRACE(std::string(row.Control));
        const InputResponse r = row.Change(s, std::to_string(row.Value), Comma);
        const std::optional<std::string> shown = row.ValueField == "Edit1" ? r.Edit1Text : r.Edit2Text;
        if (!row.ValueField.empty()) {
            EXPECT_EQ(shown, ValueFieldStartText(row));
        }
        EXPECT_TRUE(s.Inputs == start);
    }
}

TEST_F(Inputs, DepthOfCutIsShownInMillimetres)
{
    EXPECT_EQ(SpinEdit1Change(s, "40", Comma).Edit1Text, "4");
    EXPECT_EQ(s.Inputs.DepthOfCut, 4);
    EXPECT_EQ(s.Inputs.DepthPx, 20);
    EXPECT_EQ(s.Scene.TurnedRadius, 50);
    EXPECT_EQ(SpinEdit1Change(s, "2", Comma).Edit1Text, "0,2");
    EXPECT_EQ(SpinEdit1Change(s, "2", Point).Edit1Text, "0.2");
    EXPECT_FALSE(SpinEdit1Change(s, "2", Comma).RedrawScene);
}

TEST_F(Inputs, FeedIsShownInMillimetresPerRevolution)
{
    EXPECT_EQ(SpinEdit6Change(s, "5", Comma).Edit2Text, "0,05");
    EXPECT_EQ(s.Inputs.Feed, 0.05);
    EXPECT_EQ(SpinEdit6Change(s, "50", Comma).Edit2Text, "0,5");
    EXPECT_EQ(SpinEdit6Change(s, "17", Point).Edit2Text, "0.17");
}

TEST_F(Inputs, ToolAnglesRedrawOnlyWhereThePictureShowsThem)
{
    EXPECT_TRUE(SpinEdit3Change(s, "0").RedrawScene);
    EXPECT_EQ(s.Inputs.RakeFactor, 1.0);
    EXPECT_EQ(s.Inputs.RakeRad, 0);
    EXPECT_TRUE(SpinEdit4Change(s, "30").RedrawScene);
    EXPECT_EQ(s.Inputs.AuxApproachRad, 3.1415 * 30 / 180);
    EXPECT_TRUE(SpinEdit5Change(s, "-5").RedrawScene);
    EXPECT_EQ(s.Inputs.InclinationRad, -5 * 3.1415 / 180);
    EXPECT_FALSE(SpinEdit2Change(s, "60").RedrawScene);
    EXPECT_EQ(s.Inputs.ApproachRad, 60 * 3.1415 / 180);
    EXPECT_FALSE(SpinEdit7Change(s, "120").RedrawScene);
    EXPECT_EQ(s.Inputs.CuttingSpeed, 120);
    SpinEdit9Change(s, "7");
    EXPECT_EQ(s.Inputs.DisplayScale, 7);
}

TEST_F(Inputs, ForceMaximumGoesToTheChartOnly)
{
    const SimulationState before = s;
    EXPECT_EQ(SpinEdit8Change(s, "1050").LeftAxisMaximum, 1050);
    EXPECT_EQ(SpinEdit8Change(s, "-50").LeftAxisMaximum, -50);
    EXPECT_EQ(s.Inputs.CuttingSpeed, before.Inputs.CuttingSpeed);
}

TEST_F(Inputs, MaterialListsKeepTheirChoiceWhenTextIsTyped)
{
    ComboBox1Change(s, 4);
    ComboBox2Change(s, 2);
    EXPECT_EQ(s.Inputs.WorkMaterial, 5);
    EXPECT_EQ(s.Inputs.ToolMaterial, 3);
    ComboBox1Change(s, -1);
    ComboBox2Change(s, -1);
    EXPECT_EQ(s.Inputs.WorkMaterial, 5);
    EXPECT_EQ(s.Inputs.ToolMaterial, 3);
    // Materials reach the coefficients only through an accepted "Proces".
    EXPECT_EQ(s.Coefficients.MaterialCoefficient, 0);
}

TEST_F(Inputs, TextThatIsNotANumberFailsAndChangesNothing)
{
    SpinEdit2Change(s, "60");
    const SimulationState before = s;
    for (const char* text : {"", "-", "+", "1,5", "abc", "2147483648"}) {
        EXPECT_THROW(SpinEdit1Change(s, text, Comma), EConvertError) << text;
        EXPECT_THROW(SpinEdit2Change(s, text), EConvertError) << text;
        EXPECT_THROW(SpinEdit6Change(s, text, Comma), EConvertError) << text;
        EXPECT_THROW(SpinEdit8Change(s, text), EConvertError) << text;
    }
    EXPECT_EQ(s.Inputs.DepthOfCut, before.Inputs.DepthOfCut);
    EXPECT_EQ(s.Inputs.ApproachAngle, before.Inputs.ApproachAngle);
    EXPECT_EQ(s.Scene.ToolX, before.Scene.ToolX);
    EXPECT_EQ(s.Scene.ForceOffset, before.Scene.ForceOffset);
    try {
        SpinEdit3Change(s, "x");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
}

} // namespace
} // namespace otpor
