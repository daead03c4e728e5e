// The built otpor-rezanja-calc, run as a teacher or a student would run it:
// its standard output, its standard error and its exit status.
#include "RunProgram.h"
#include "support/Text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace otpor {
namespace {

using test::ProgramRun;

ProgramRun Calc(const std::vector<std::string>& args)
{
    return test::RunProgram(OTPOR_CALC_EXECUTABLE, args);
}

using test::Lines;
using test::Split;

// The table's value for the line that starts with the label.
std::string TableValue(const std::string& table, std::string_view label)
{
    for (const std::string& line : Lines(table)) {
        if (!line.starts_with(label))
            continue;
        std::istringstream words(line.substr(label.size()));
        std::vector<std::string> rest;
        for (std::string w; words >> w;)
            rest.push_back(w);
        // The value is the last word, or the one before the unit.
        if (rest.size() >= 2 && !std::isdigit(static_cast<unsigned char>(rest.back()[0])) &&
            rest.back()[0] != '-')
            return rest[rest.size() - 2];
        return rest.empty() ? "" : rest.back();
    }
    return "(no line " + std::string(label) + ")";
}

// CSV parsed back: one map of column to text per data row.
std::vector<std::map<std::string, std::string>> ParseCsv(const std::string& text)
{
    const std::vector<std::string> lines = Lines(text);
    std::vector<std::map<std::string, std::string>> rows;
    if (lines.empty())
        return rows;
    const std::vector<std::string> header = Split(lines[0], ',');
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = Split(lines[i], ',');
        EXPECT_EQ(fields.size(), header.size()) << lines[i];
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < header.size() && c < fields.size(); ++c)
            row[header[c]] = fields[c];
        rows.push_back(row);
    }
    return rows;
}

double Number(const std::string& text)
{
    std::size_t used = 0;
    const double v = std::stod(text, &used);
    EXPECT_EQ(used, text.size()) << text;
    return v;
}

struct ForceCase {
    std::vector<std::string> Args;
    std::string MismatchFactor, MainForce, Eta, F1, F2, F3;
};

// The model's table of cases: the start regime with a suitable and an
// unsuitable tool, and the further cases (a tool that suits, K = 1).
const ForceCase Cases[] = {
    {{"--work", "C1633", "--tool", "P30"}, "1", "71.15", "0.4018", "81.32", "38.64", "15.03"},
    {{"--work", "C4130", "--tool", "P40:2"}, "1.15", "166.58", "0.4018", "190.39", "90.47", "35.18"},
    {{"--work", "SL 200", "--tool", "K40", "--depth", "2.0", "--feed", "0.3", "--speed", "100", "--approach",
      "90", "--aux-approach", "30", "--rake", "0", "--inclination", "5"},
     "1",
     "629.51",
     "0.1628",
     "624.17",
     "60.99",
     "372.71"},
    {{"--work", "AlMg8", "--tool", "C7680", "--depth", "4.0", "--feed", "0.5", "--speed", "200", "--approach",
      "60", "--aux-approach", "60", "--rake", "10", "--inclination=-5"},
     "1",
     "",
     "",
     "679.44",
     "206.72",
     "296.83"},
    {{"--work", "C1633", "--tool", "P30", "--depth", "0.2", "--feed", "0.5", "--speed", "50", "--approach",
      "90", "--aux-approach", "60", "--rake", "0", "--inclination", "0"},
     "1",
     "",
     "-0.6441",
     "188.00",
     "-67.73",
     "90.20"},
};

TEST(CalcExecutable, ReproducesTheModelsTableOfForces)
{
    for (const ForceCase& c : Cases) {
        SCOPED_TRACE(c.Args[1]);
        const ProgramRun run = Calc(c.Args);
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(TableValue(run.Out, "Mismatch factor K"), c.MismatchFactor);
        EXPECT_EQ(TableValue(run.Out, "Tool material suits work material"),
                  c.MismatchFactor == "1" ? "yes" : "no");
        if (!c.MainForce.empty()) {
            EXPECT_EQ(TableValue(run.Out, "MainForce"), c.MainForce);
        }
        if (!c.Eta.empty()) {
            EXPECT_EQ(TableValue(run.Out, "Chip-flow angle"), c.Eta);
        }
        EXPECT_EQ(TableValue(run.Out, "F1, "), c.F1);
        EXPECT_EQ(TableValue(run.Out, "F2, "), c.F2);
        EXPECT_EQ(TableValue(run.Out, "F3, "), c.F3);
    }
}

TEST(CalcExecutable, CsvParsesBackToTheTablesNumbers)
{
    for (const ForceCase& c : Cases) {
        SCOPED_TRACE(c.Args[1]);
        std::vector<std::string> args = c.Args;
        args.push_back("--csv");
        const ProgramRun csv = Calc(args);
        ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
        const auto rows = ParseCsv(csv.Out);
        ASSERT_EQ(rows.size(), 1u);
        const auto& row = rows[0];
        EXPECT_EQ(row.at("work_material"), c.Args[1]);
        EXPECT_NEAR(Number(row.at("F1_N")), Number(c.F1), 0.005);
        EXPECT_NEAR(Number(row.at("F2_N")), Number(c.F2), 0.005);
        EXPECT_NEAR(Number(row.at("F3_N")), Number(c.F3), 0.005);
        EXPECT_EQ(Number(row.at("mismatch_factor")), Number(c.MismatchFactor));

        const std::string table = Calc(c.Args).Out;
        for (const auto& [column, label] : {std::pair{"MainForce_N", "MainForce"},
                                            {"F1_N", "F1, "},
                                            {"F2_N", "F2, "},
                                            {"F3_N", "F3, "},
                                            {"resultant_N", "Resultant"}}) {
            char fixed[32];
            std::snprintf(fixed, sizeof fixed, "%.2f", Number(row.at(column)));
            EXPECT_EQ(TableValue(table, label), fixed) << column;
        }
        const double power = Number(row.at("F1_N")) * Number(row.at("speed_m_per_min")) / 60000;
        EXPECT_NEAR(Number(row.at("power_kW")), power, 1e-9 * power);
    }
    // Without rake and inclination F1 is MainForce, to every digit printed.
    const auto rows = ParseCsv(Calc({"--work", "C1633", "--tool", "P30", "--rake", "0", "--csv"}).Out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("F1_N"), rows[0].at("MainForce_N"));
}

TEST(CalcExecutable, ASweepOfTheFeedGivesOneRowPerFeedAndTheFeedExponent)
{
    const ProgramRun run = Calc({"--work", "C1633", "--tool", "P30", "--sweep", "feed=0.05:0.50:10"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const auto rows = ParseCsv(run.Out);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.front().at("feed_mm_per_rev"), "0.05");
    EXPECT_EQ(rows.back().at("feed_mm_per_rev"), "0.5");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_NEAR(Number(rows[i].at("feed_mm_per_rev")) - Number(rows[i - 1].at("feed_mm_per_rev")), 0.05,
                    1e-12);
        EXPECT_GT(Number(rows[i].at("F1_N")), Number(rows[i - 1].at("F1_N")));
        EXPECT_EQ(rows[i].at("depth_mm"), "0.2");
        EXPECT_EQ(rows[i].at("speed_m_per_min"), "50");
    }
    // On log-log axes MainForce rises with the feed exponent 0.75; F1 a little
    // more slowly, as the chip-flow angle grows with the feed.
    auto slope = [&](const char* column) {
        return std::log(Number(rows.back().at(column)) / Number(rows.front().at(column))) /
               std::log(Number(rows.back().at("feed_mm_per_rev")) /
                        Number(rows.front().at("feed_mm_per_rev")));
    };
    EXPECT_NEAR(slope("MainForce_N"), 0.75, 1e-8);
    EXPECT_NEAR(slope("F1_N"), 0.728, 0.001);

    // The same with --csv, and downwards.
    const auto down =
        ParseCsv(Calc({"--work", "1", "--tool", "1", "--csv", "--sweep", "speed=200:10:20"}).Out);
    ASSERT_EQ(down.size(), 20u);
    EXPECT_EQ(down.front().at("speed_m_per_min"), "200");
    EXPECT_EQ(down.back().at("speed_m_per_min"), "10");
}

struct RefusalCase {
    std::vector<std::string> Args;
    std::string Message; // the first line of standard error, after the program's name
};

const RefusalCase Refusals[] = {
    {{"--work", "C1633", "--tool", "P30", "--colour", "red"},
     "The following arguments were not expected: red --colour"},
    {{"--work", "C1633", "--tool", "P30", "extra"}, "The following argument was not expected: extra"},
    {{"--work", "C1633", "--tool", "P30", "--depth"}, "--depth: 1 required MM missing"},
    {{"--tool", "P30"}, "--work is required: the work material, by its text or row (see --list-materials)"},
    {{"--work", "C1633"}, "--tool is required: the tool material, by its text or row (see --list-materials)"},
    {{"--work", "Steel", "--tool", "P30"},
     "--work: unknown work material \"Steel\"; the work materials are \"C1633\", \"C4131\", \"25HGT\", "
     "\"C4730\", "
     "\"C4130\", \"SL 200\", \"NL 600-3\", \"PTEL 65-2\", \"C4571\", \"AlMg8\" (or the row, 1 ... 10)"},
    {{"--work", "C1633", "--tool", "HSS"},
     "--tool: unknown tool material \"HSS\"; the tool materials are \"P30\", \"P40\", \"P40\", \"P10\", "
     "\"K40\", "
     "\"K50\", \"K30\", \"C7680\" (or the row, 1 ... 8)"},
    {{"--work", "C1633", "--tool", "P40"},
     "--tool: \"P40\" stands in several rows of the tool materials, which differ in the work materials they "
     "suit; "
     "give P40:2 or P40:3"},
    {{"--work", "11", "--tool", "P30"},
     "--work: there is no row 11 of the work materials; they are \"C1633\", \"C4131\", \"25HGT\", \"C4730\", "
     "\"C4130\", \"SL 200\", \"NL 600-3\", \"PTEL 65-2\", \"C4571\", \"AlMg8\" (or the row, 1 ... 10)"},
    {{"--work", "C1633", "--tool", "P30", "--depth", "4.5"},
     "--depth: 4.5 mm is outside the range of the window's control, 0.2 ... 4.0 mm"},
    {{"--work", "C1633", "--tool", "P30", "--depth", "0.25"},
     "--depth: 0.25 mm is not on a step of the window's control, which takes 0.2 ... 4.0 mm in steps of 0.1"},
    {{"--work", "C1633", "--tool", "P30", "--feed", "0.6"},
     "--feed: 0.6 mm/rev is outside the range of the window's control, 0.05 ... 0.50 mm/rev"},
    {{"--work", "C1633", "--tool", "P30", "--feed", "0.123"},
     "--feed: 0.123 mm/rev is not on a step of the window's control, which takes 0.05 ... 0.50 mm/rev in "
     "steps of "
     "0.01"},
    {{"--work", "C1633", "--tool", "P30", "--speed", "0"},
     "--speed: 0 m/min is outside the range of the window's control, 10 ... 200 m/min"},
    {{"--work", "C1633", "--tool", "P30", "--speed", "fast"},
     "--speed: 'fast' is not a number; it takes the cutting speed v, 10 ... 200 m/min in steps of 1"},
    {{"--work", "C1633", "--tool", "P30", "--approach", "0"},
     "--approach: 0 deg is outside the range of the window's control, 30 ... 90 deg"},
    {{"--work", "C1633", "--tool", "P30", "--rake", "16"},
     "--rake: 16 deg is outside the range of the window's control, 0 ... 15 deg"},
    {{"--work", "C1633", "--tool", "P30", "--inclination=-6"},
     "--inclination: -6 deg is outside the range of the window's control, -5 ... 5 deg"},
    {{"--work", "C1633", "--tool", "P30", "--aux-approach", "29"},
     "--aux-approach: 29 deg is outside the range of the window's control, 30 ... 60 deg"},
    {{"--work", "C1633", "--tool", "P30", "--sweep", "feed=0.05:0.50:8"},
     "--sweep: 8 values from 0.05 to 0.50 mm/rev do not fall on the steps of the window's control (0.05 ... "
     "0.50 "
     "mm/rev in steps of 0.01); counts that fit: 2, 4, 6, 10, 16, 46"},
    {{"--work", "C1633", "--tool", "P30", "--sweep", "mass=1:2:2"},
     "--sweep: unknown input 'mass'; NAME is one of approach, rake, inclination, aux-approach, depth, feed, "
     "speed"},
    {{"--work", "C1633", "--tool", "P30", "--feed", "0.2", "--sweep", "feed=0.05:0.50:10"},
     "--sweep: the feed is swept, so --feed must not be given as well"},
    {{"--work", "C1633", "--tool", "P30", "--sweep", "depth=0.1:2:20"},
     "--sweep depth FROM: 0.1 mm is outside the range of the window's control, 0.2 ... 4.0 mm"},
};

TEST(CalcExecutable, RefusesEveryBadCommandLineWithExitStatusTwoAndAMessage)
{
    for (const RefusalCase& c : Refusals) {
        SCOPED_TRACE(c.Message);
        const ProgramRun run = Calc(c.Args);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, "otpor-rezanja-calc: " + c.Message + "\nRun with --help for more information.\n");
    }
}

TEST(CalcExecutable, HelpExplainsEveryOptionWithExamples)
{
    const ProgramRun run = Calc({"--help"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    for (const char* text :
         {"--work", "--tool", "--depth MM=0.2", "--feed MM/REV=0.17", "--speed M/MIN=50", "--approach DEG=45",
          "--rake DEG=15", "--inclination DEG=0", "--aux-approach DEG=45", "--csv",
          "--sweep NAME=FROM:TO:COUNT", "--list-materials", "--version", "P40:2", "0.2 ... 4.0 mm",
          "0.05 ... 0.50 mm/rev", "Exit status:", "Examples:",
          "otpor-rezanja-calc --work C1633 --tool P30 --sweep feed=0.05:0.50:10"})
        EXPECT_NE(run.Out.find(text), std::string::npos) << text;
    for (const std::string& line : Lines(run.Out)) {
        std::size_t characters = 0;
        for (char ch : line)
            characters += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        EXPECT_LE(characters, 80u) << line;
    }
    EXPECT_EQ(Calc({"-h"}).Out, run.Out);
    const ProgramRun version = Calc({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_TRUE(version.Out.starts_with("otpor-rezanja-calc ")) << version.Out;
}

TEST(CalcExecutable, ListsBothMaterialTables)
{
    const ProgramRun run = Calc({"--list-materials"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_TRUE(run.Out.starts_with("Work materials (\"Materijal obratka\")")) << run.Out;
    EXPECT_NE(run.Out.find("\nTool materials (\"Materijal alata\")"), std::string::npos);
    EXPECT_NE(run.Out.find("  6  SL 200          1012          -0.05\n"), std::string::npos);
    EXPECT_NE(run.Out.find("  2  P40            P40:2   5, 6, 7, 8, 9, 10\n"), std::string::npos);
}

TEST(CalcExecutable, OutputThatCannotBeWrittenEndsWithExitStatusOne)
{
    const ProgramRun run =
        test::RunProgram(OTPOR_CALC_EXECUTABLE, {"--work", "C1633", "--tool", "P30"}, "/dev/full");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "otpor-rezanja-calc: the output could not be written\n");
}

} // namespace
} // namespace otpor
