#include "cli/ReportFormat.h"
#include "cli/MaterialChoice.h"
#include "sim/MaterialTables.h"
#include "support/Text.h"

#include <gtest/gtest.h>
#include <sstream>

namespace otpor {
namespace {

using test::Lines;

std::vector<std::string> Fields(const std::string& line)
{
    return test::Split(line, ',');
}

CalcResult StartRegime()
{
    CalcInputs in;
    in.WorkMaterial = FindWorkMaterial("C1633");
    in.ToolMaterial = FindToolMaterial("P30");
    return Calculate(in);
}

TEST(ReportFormat, ColumnsAlignByCharactersNotBytes)
{
    EXPECT_EQ(
        AlignColumns({{"Chip-flow angle η", "0.4018", "rad"}, {"F1", "81.32", "N"}, {"Suits", "yes", ""}},
                     "LRL"),
        "Chip-flow angle η  0.4018  rad\n"
        "F1                  81.32  N\n"
        "Suits                 yes\n");
}

TEST(ReportFormat, TheTableShowsInputsSuitabilityAndResults)
{
    const std::vector<std::string> lines = Lines(FormatTable(StartRegime()));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0].substr(0, 13), "Work material");
    auto line = [&](std::string_view label) {
        for (const std::string& l : lines)
            if (l.starts_with(label))
                return l;
        return std::string("(no line)");
    };
    EXPECT_TRUE(line("Depth of cut a").ends_with(" 0.2  mm"));
    EXPECT_TRUE(line("Feed s").ends_with(" 0.17  mm/rev"));
    EXPECT_TRUE(line("Tool material suits").ends_with(" yes"));
    EXPECT_TRUE(line("Mismatch factor K").ends_with(" 1"));
    EXPECT_TRUE(line("MainForce").ends_with(" 71.15  N"));
    EXPECT_TRUE(line("Chip-flow angle").ends_with(" 0.4018  rad"));
    EXPECT_TRUE(line("F1, main").ends_with(" 81.32  N"));
    EXPECT_TRUE(line("F2, penetration").ends_with(" 38.64  N"));
    EXPECT_TRUE(line("F3, resistance").ends_with(" 15.03  N"));
    EXPECT_TRUE(line("Cutting power").ends_with(" 0.0678  kW"));
}

TEST(ReportFormat, CsvHasOneHeaderAndOneFieldPerColumn)
{
    const std::vector<std::string> header = Fields(CsvHeader());
    const std::vector<std::string> row = Fields(CsvRow(StartRegime()));
    EXPECT_EQ(header, (std::vector<std::string>{"work_material",
                                                "work_row",
                                                "tool_material",
                                                "tool_row",
                                                "approach_deg",
                                                "rake_deg",
                                                "inclination_deg",
                                                "aux_approach_deg",
                                                "depth_mm",
                                                "feed_mm_per_rev",
                                                "speed_m_per_min",
                                                "tool_suits",
                                                "mismatch_factor",
                                                "MainForce_N",
                                                "chip_flow_angle_rad",
                                                "F1_N",
                                                "F2_N",
                                                "F3_N",
                                                "resultant_N",
                                                "power_kW\n"}));
    ASSERT_EQ(row.size(), header.size());
    EXPECT_EQ(row[0], "C1633");
    EXPECT_EQ(row[8], "0.2");
    EXPECT_EQ(row[9], "0.17");
    EXPECT_EQ(row[11], "yes");
    EXPECT_EQ(row[15].substr(0, 5), "81.32");
    EXPECT_EQ(row[15].size(), 11u); // ten significant digits and the point
}

TEST(ReportFormat, CsvQuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(CsvField("SL 200"), "SL 200");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"x\""), "\"say \"\"x\"\"\"");
}

TEST(ReportFormat, TheMaterialListingShowsBothTables)
{
    const std::string text = FormatMaterialTables();
    for (const WorkMaterialRow& m : WorkMaterials)
        EXPECT_NE(text.find(m.Name), std::string::npos) << m.Name;
    for (const ToolMaterialRow& m : ToolMaterials)
        EXPECT_NE(text.find(m.Name), std::string::npos) << m.Name;
    EXPECT_NE(text.find("  2  P40            P40:2   5, 6, 7, 8, 9, 10\n"), std::string::npos);
    EXPECT_NE(text.find("  3  P40            P40:3   6, 7, 8, 9, 10\n"), std::string::npos);
    EXPECT_NE(text.find("  8  C7680          C7680   1, 2, 3, 4, 5, 6, 7, 8, 9\n"), std::string::npos);
    EXPECT_NE(text.find(" 10  AlMg8            400          -0.05\n"), std::string::npos);
}

} // namespace
} // namespace otpor
