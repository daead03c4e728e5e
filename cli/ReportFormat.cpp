#include "cli/ReportFormat.h"

#include "cli/MaterialChoice.h"
#include "cli/NumberText.h"
#include "sim/ForcesText.h"
#include "sim/MaterialTables.h"

#include <algorithm>
#include <functional>

namespace otpor {

namespace {

constexpr int AngleDecimals = 4;
constexpr int PowerDecimals = 4;
constexpr std::string_view ColumnGap = "  ";

// Characters of a UTF-8 text: every byte but the continuation bytes.
std::size_t DisplayWidth(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Capitalised(std::string_view text)
{
    std::string out(text);
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z')
        out[0] = static_cast<char>(out[0] - 'a' + 'A');
    return out;
}

std::string YesNo(bool yes)
{
    return yes ? "yes" : "no";
}

std::string WorkName(const CalcResult& r)
{
    return std::string(WorkMaterials.at(r.Inputs.WorkMaterial - 1).Name);
}
std::string ToolName(const CalcResult& r)
{
    return std::string(ToolMaterials.at(r.Inputs.ToolMaterial - 1).Name);
}

// "approach" and "deg" -> "approach_deg"; "feed" and "mm/rev" -> "feed_mm_per_rev".
std::string CsvName(const NumericInput& input)
{
    std::string name;
    for (char c : input.Name)
        name += c == '-' ? '_' : c;
    name += '_';
    for (char c : input.Unit)
        name += c == '/' ? std::string("_per_") : std::string(1, c);
    return name;
}

struct CsvColumn {
    std::string Name;
    std::function<std::string(const CalcResult&)> Value;
};

std::vector<CsvColumn> BuildCsvColumns()
{
    std::vector<CsvColumn> columns{
        {"work_material", [](const CalcResult& r) { return WorkName(r); }},
        {"work_row", [](const CalcResult& r) { return std::to_string(r.Inputs.WorkMaterial); }},
        {"tool_material", [](const CalcResult& r) { return ToolName(r); }},
        {"tool_row", [](const CalcResult& r) { return std::to_string(r.Inputs.ToolMaterial); }},
    };
    for (const NumericInput& input : NumericInputs)
        columns.push_back(
            {CsvName(input), [&input](const CalcResult& r) { return FormatShortest(input.Held(r.Inputs)); }});
    const std::vector<CsvColumn> results{
        {"tool_suits", [](const CalcResult& r) { return YesNo(r.ToolSuits); }},
        {"mismatch_factor",
         [](const CalcResult& r) { return FormatShortest(r.Coefficients.MismatchFactor); }},
        {"MainForce_N", [](const CalcResult& r) { return FormatFull(r.Forces.MainForce); }},
        {"chip_flow_angle_rad", [](const CalcResult& r) { return FormatFull(r.Forces.ChipFlowAngle); }},
        {"F1_N", [](const CalcResult& r) { return FormatFull(r.Forces.F1); }},
        {"F2_N", [](const CalcResult& r) { return FormatFull(r.Forces.F2); }},
        {"F3_N", [](const CalcResult& r) { return FormatFull(r.Forces.F3); }},
        {"resultant_N", [](const CalcResult& r) { return FormatFull(r.Resultant); }},
        {"power_kW", [](const CalcResult& r) { return FormatFull(r.CuttingPower); }},
    };
    columns.insert(columns.end(), results.begin(), results.end());
    return columns;
}

const std::vector<CsvColumn>& CsvColumns()
{
    static const std::vector<CsvColumn> columns = BuildCsvColumns();
    return columns;
}

std::string UnsuitableRows(const ToolMaterialRow& tool)
{
    std::string rows;
    for (int work = 1; work <= WorkMaterialCount; ++work)
        if (tool.UnsuitableFor & (1u << (work - 1)))
            rows += (rows.empty() ? "" : ", ") + std::to_string(work);
    return rows.empty() ? "none" : rows;
}

} // namespace

std::string AlignColumns(const std::vector<std::vector<std::string>>& rows, std::string_view alignment)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - DisplayWidth(row[c]), ' ');
            const bool right = c < alignment.size() && alignment[c] == 'R';
            line += (c ? std::string(ColumnGap) : "") + (right ? padding + row[c] : row[c] + padding);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + '\n';
    }
    return out;
}

std::string FormatTable(const CalcResult& r)
{
    std::vector<std::vector<std::string>> rows{
        {"Work material", WorkName(r), "row " + std::to_string(r.Inputs.WorkMaterial)},
        {"Tool material", ToolName(r), "row " + std::to_string(r.Inputs.ToolMaterial)},
    };
    for (const NumericInput& input : NumericInputs)
        rows.push_back(
            {Capitalised(input.Quantity), FormatShortest(input.Held(r.Inputs)), std::string(input.Unit)});
    const std::vector<std::vector<std::string>> results{
        {"Tool material suits work material", YesNo(r.ToolSuits), ""},
        {"Mismatch factor K", FormatShortest(r.Coefficients.MismatchFactor), ""},
        {"MainForce", FormatFixed(r.Forces.MainForce, ForceDecimals), "N"},
        {"Chip-flow angle η", FormatFixed(r.Forces.ChipFlowAngle, AngleDecimals), "rad"},
        {"F1, main cutting resistance", FormatFixed(r.Forces.F1, ForceDecimals), "N"},
        {"F2, penetration resistance", FormatFixed(r.Forces.F2, ForceDecimals), "N"},
        {"F3, resistance of the feed motion", FormatFixed(r.Forces.F3, ForceDecimals), "N"},
        {"Resultant", FormatFixed(r.Resultant, ForceDecimals), "N"},
        {"Cutting power F1 v / 60000", FormatFixed(r.CuttingPower, PowerDecimals), "kW"},
    };
    rows.insert(rows.end(), results.begin(), results.end());
    return AlignColumns(rows, "LRL");
}

std::string CsvHeader()
{
    std::string line;
    for (const CsvColumn& column : CsvColumns())
        line += (line.empty() ? "" : ",") + CsvField(column.Name);
    return line + '\n';
}

std::string CsvRow(const CalcResult& r)
{
    std::string line;
    bool first = true;
    for (const CsvColumn& column : CsvColumns()) {
        line += (first ? "" : ",") + CsvField(column.Value(r));
        first = false;
    }
    return line + '\n';
}

std::string FormatMaterialTables()
{
    std::vector<std::vector<std::string>> work{{"Row", "Work material", "C (N)", "SpeedExponent"}};
    for (int row = 1; row <= WorkMaterialCount; ++row) {
        const WorkMaterialRow& m = WorkMaterials[row - 1];
        work.push_back({std::to_string(row), std::string(m.Name), FormatShortest(m.MaterialCoefficient),
                        FormatShortest(m.SpeedExponent)});
    }
    std::vector<std::vector<std::string>> tool{
        {"Row", "Tool material", "--tool", "Unsuitable for work rows"}};
    for (int row = 1; row <= ToolMaterialCount; ++row) {
        const ToolMaterialRow& m = ToolMaterials[row - 1];
        tool.push_back({std::to_string(row), std::string(m.Name), ToolMaterialText(row), UnsuitableRows(m)});
    }
    return "Work materials (\"" + std::string(WorkMaterialPrompt) + "\"), DepthExponent " +
           FormatShortest(DepthExponentValue) + " and FeedExponent " + FormatShortest(FeedExponentValue) +
           " for each:\n" + AlignColumns(work, "RLRR") + "\nTool materials (\"" +
           std::string(ToolMaterialPrompt) +
           "\"); one that does not suit the work material raises the "
           "forces by "
           "the factor " +
           FormatShortest(UnsuitableToolFactor) + ":\n" + AlignColumns(tool, "RLLL");
}

} // namespace otpor
