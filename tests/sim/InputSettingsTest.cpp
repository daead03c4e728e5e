#include "sim/InputSettings.h"
#include "sim/MaterialTables.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

int Value(const InputLink& link, InputId id)
{
    return link.ControlValues[static_cast<std::size_t>(id)].value_or(-999);
}

TEST(InputLink, EveryParameterSetsItsControlAndMaterial)
{
    const InputLink link =
        ParseInputLink("?approach=60&rake=10&inclination=-5&aux-approach=30&depth=2&feed=0.3"
                       "&speed=100&work=C4130&tool=P40:2&force-max=2000&scale=2");
    EXPECT_TRUE(link.Refusals.empty());
    EXPECT_EQ(Value(link, InputId::Approach), 60);
    EXPECT_EQ(Value(link, InputId::Rake), 10);
    EXPECT_EQ(Value(link, InputId::Inclination), -5);
    EXPECT_EQ(Value(link, InputId::AuxApproach), 30);
    EXPECT_EQ(Value(link, InputId::Depth), 20); // tenths of a millimetre
    EXPECT_EQ(Value(link, InputId::Feed), 30);  // hundredths
    EXPECT_EQ(Value(link, InputId::Speed), 100);
    EXPECT_EQ(Value(link, InputId::ForceMaximum), 2000);
    EXPECT_EQ(Value(link, InputId::DisplayScale), 2);
    EXPECT_EQ(link.WorkMaterial, 5);
    EXPECT_EQ(link.ToolMaterial, 2);

    // Blanks and bytes as a browser encodes them.
    EXPECT_EQ(ParseInputLink("work=SL+200").WorkMaterial, 6);
    EXPECT_EQ(ParseInputLink("work=SL%20200&tool=p40%3A3").ToolMaterial, 3);
    EXPECT_TRUE(ParseInputLink("").Refusals.empty());
    EXPECT_TRUE(ParseInputLink("?").Refusals.empty());
}

TEST(InputLink, ARefusedValueIsNamedWithItsReasonAndTheRestApply)
{
    const InputLink link =
        ParseInputLink("depth=0.25&feed=abc&speed=500&tool=P40&work=C1633&aproach=50&force-max=2050&work=99");
    EXPECT_EQ(link.WorkMaterial, 1);
    EXPECT_EQ(Value(link, InputId::ForceMaximum), 2050);
    EXPECT_FALSE(link.ControlValues[static_cast<std::size_t>(InputId::Depth)]);
    EXPECT_FALSE(link.ToolMaterial);
    ASSERT_EQ(link.Refusals.size(), 6u);
    EXPECT_EQ(link.Refusals[0].Why, "nije na koraku od 0.1 mm");
    EXPECT_EQ(link.Refusals[1].Why, "nije broj");
    EXPECT_EQ(link.Refusals[2].Why, "van opsega 10 … 200 m/min");
    EXPECT_EQ(link.Refusals[3].Why, "„P40“ stoji u više redova; navedite P40:2 ili P40:3");
    EXPECT_EQ(link.Refusals[4].Why, "nepoznat parametar");
    EXPECT_EQ(link.Refusals[5].Why, "lista ima redove 1 … 10");
    EXPECT_EQ(LinkRefusalMessage({link.Refusals[0]}),
              "Iz veze nije primenjeno:\ndepth=0.25 – nije na koraku od 0.1 mm");
    EXPECT_EQ(LinkRefusalMessage({}), "");
    // Any whole number of newtons, as typed into the field; a degree sign for the angles.
    EXPECT_EQ(Value(ParseInputLink("force-max=1020"), InputId::ForceMaximum), 1020);
    EXPECT_EQ(ParseInputLink("force-max=-50").Refusals.at(0).Why, "van opsega 0 … 5000 N");
    EXPECT_EQ(ParseInputLink("approach=91").Refusals.at(0).Why, "van opsega 30 … 90 °");
}

TEST(InputLink, TheLinkOfTheInputsGivesThemBack)
{
    std::array<int, InputCount> values{};
    for (const InputRow& row : InputRows)
        values[static_cast<std::size_t>(row.Id)] = row.MaxValue;
    for (int work = 0; work <= WorkMaterialCount; ++work)
        for (int tool = 0; tool <= ToolMaterialCount; ++tool) {
            const std::string query = FormatInputLink(values, work, tool);
            const InputLink back = ParseInputLink(query);
            ASSERT_TRUE(back.Refusals.empty()) << query;
            for (const InputRow& row : InputRows)
                EXPECT_EQ(Value(back, row.Id), row.MaxValue) << query;
            EXPECT_EQ(back.WorkMaterial.value_or(0), work) << query;
            EXPECT_EQ(back.ToolMaterial.value_or(0), tool) << query;
        }
    EXPECT_EQ(FormatInputLink(values, 6, 2),
              "approach=90&rake=15&inclination=5&aux-approach=60&depth=4.0&feed=0.50"
              "&speed=200&force-max=5000&scale=10&work=SL+200&tool=P40:2");
}

} // namespace
} // namespace otpor
