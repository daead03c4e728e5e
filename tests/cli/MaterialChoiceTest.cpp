#include "cli/MaterialChoice.h"
#include "cli/UsageError.h"
#include "support/Text.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

template <class Find> std::string Refusal(Find find, std::string_view text)
{
    return test::Refusal<UsageError>([&] { find(text); });
}

TEST(MaterialChoice, FindsMaterialsByTheirListTextOrRow)
{
    EXPECT_EQ(FindWorkMaterial("C1633"), 1);
    EXPECT_EQ(FindWorkMaterial("AlMg8"), 10);
    EXPECT_EQ(FindWorkMaterial("SL 200"), 6);
    EXPECT_EQ(FindWorkMaterial("sl200"), 6); // case and blanks do not matter
    EXPECT_EQ(FindWorkMaterial(" almg8 "), 10);
    EXPECT_EQ(FindWorkMaterial("5"), 5);
    EXPECT_EQ(FindWorkMaterial("C4130:5"), 5);
    EXPECT_EQ(FindToolMaterial("P30"), 1);
    EXPECT_EQ(FindToolMaterial("C7680"), 8);
    EXPECT_EQ(FindToolMaterial("P40:2"), 2);
    EXPECT_EQ(FindToolMaterial("p40:3"), 3);
    EXPECT_EQ(FindToolMaterial("3"), 3);
}

TEST(MaterialChoice, TheTwoP40RowsNeedTheirRow)
{
    EXPECT_EQ(Refusal(FindToolMaterial, "P40"), "--tool: \"P40\" stands in several rows of the tool "
                                                "materials, which differ in the work materials they "
                                                "suit; give P40:2 or P40:3");
    EXPECT_EQ(Refusal(FindToolMaterial, "P40:4"), "--tool: row 4 is \"P10\", not \"P40\"");
    EXPECT_EQ(ToolMaterialText(2), "P40:2");
    EXPECT_EQ(ToolMaterialText(3), "P40:3");
    EXPECT_EQ(ToolMaterialText(1), "P30");
}

// The listing of the valid materials is checked through the program itself.
TEST(MaterialChoice, RowsThatDoNotExistAreRefused)
{
    for (const char* row : {"0", "11", "99999999999"})
        EXPECT_EQ(Refusal(FindWorkMaterial, row)
                      .rfind("--work: there is no row " + std::string(row) +
                                 " of the work materials; they are \"C1633\"",
                             0),
                  0u)
            << row;
    EXPECT_EQ(Refusal(FindToolMaterial, "9").rfind("--tool: there is no row 9 of the tool materials", 0), 0u);
    EXPECT_EQ(Refusal(FindToolMaterial, "P30:9").rfind("--tool: there is no row 9", 0), 0u);
    EXPECT_EQ(Refusal(FindWorkMaterial, "").rfind("--work: unknown work material \"\"", 0), 0u);
    EXPECT_EQ(Refusal(FindWorkMaterial, "-1").rfind("--work: unknown work material \"-1\"", 0), 0u);
}

} // namespace
} // namespace otpor
