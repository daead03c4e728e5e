#include "sim/OscillogramCsv.h"

#include "sim/InputHandlers.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace otpor {
namespace {

std::vector<std::string> Split(const std::string& line)
{
    return test::Split(line, ',');
}

TEST(OscillogramCsv, NamesTheInputsAndReadsBackAsTheBuffers)
{
    SimulationState s;
    FormCreate(s);
    ComboBox1Change(s, 0); // C1633
    ComboBox2Change(s, 2); // the second "P40"
    for (int k = 0; k < OscPoints; ++k) {
        s.Osc.OscF1[k] = 81.32486231 + k / 7.0;
        s.Osc.OscF2[k] = -67.73 * std::sin(k);
        s.Osc.OscF3[k] = 1e-7 * k;
    }

    std::stringstream csv(OscillogramCsv(s));
    std::vector<std::string> comments;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(csv, line);)
        (line.starts_with('#') ? comments.push_back(line) : rows.push_back(Split(line)));

    const std::vector<std::string> expected{"# work_material: C1633", "# tool_material: P40",
                                            "# tool_row: 3",          "# approach_deg: 45",
                                            "# depth_mm: 0.2",        "# feed_mm_per_rev: 0.17"};
    for (const std::string& line : expected)
        EXPECT_NE(std::find(comments.begin(), comments.end(), line), comments.end()) << line;

    ASSERT_EQ(rows.size(), 1u + OscPoints);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"x_mm", "F1_N", "F2_N", "F3_N"}));
    for (int k = 0; k < OscPoints; ++k) {
        const std::vector<std::string>& row = rows[1 + k];
        ASSERT_EQ(row.size(), 4u);
        const double columns[] = {s.Osc.OscX[k], s.Osc.OscF1[k], s.Osc.OscF2[k], s.Osc.OscF3[k]};
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(row[c].find(','), std::string::npos);
            EXPECT_NEAR(std::stod(row[c]), columns[c], 1e-9 * std::fabs(columns[c])) << k << ' ' << c;
        }
    }
    EXPECT_EQ(rows.back()[0], "0"); // the newest sample is last, at the tool
}

} // namespace
} // namespace otpor
