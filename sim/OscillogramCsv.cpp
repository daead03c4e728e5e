#include "sim/OscillogramCsv.h"

#include "platform/Csv.h"
#include "sim/MaterialTables.h"

#include <string_view>

namespace otpor {

namespace {

// Row 0 is "none chosen"; rows count from 1, as in the lists.
template <class Table> std::string_view RowName(const Table& table, int row)
{
    return row >= 1 && row <= static_cast<int>(table.size()) ? table[row - 1].Name : std::string_view{};
}

std::string Named(std::string_view name, std::string_view value)
{
    return CsvComment(std::string(name) + ": " + std::string(value));
}

} // namespace

std::string OscillogramCsv(const SimulationState& s)
{
    const CuttingInputs& in = s.Inputs;
    // The names are the calculator's CSV column names, so that a report can
    // set both files side by side.
    std::string text = CsvComment("Otpor rezanja: oscilogram");
    text += Named("work_material", RowName(WorkMaterials, in.WorkMaterial));
    text += Named("work_row", std::to_string(in.WorkMaterial));
    text += Named("tool_material", RowName(ToolMaterials, in.ToolMaterial));
    text += Named("tool_row", std::to_string(in.ToolMaterial));
    text += Named("approach_deg", CsvNumber(in.ApproachAngle));
    text += Named("rake_deg", CsvNumber(in.RakeAngle));
    text += Named("inclination_deg", CsvNumber(in.InclinationAngle));
    text += Named("aux_approach_deg", CsvNumber(in.AuxApproachAngle));
    text += Named("depth_mm", CsvNumber(in.DepthOfCut));
    text += Named("feed_mm_per_rev", CsvNumber(in.Feed));
    text += Named("speed_m_per_min", CsvNumber(in.CuttingSpeed));
    text += Named("mismatch_factor", CsvNumber(s.Coefficients.MismatchFactor));

    text += CsvLine({"x_mm", "F1_N", "F2_N", "F3_N"});
    const OscillogramBuffers& osc = s.Osc;
    for (int k = 0; k < OscPoints; ++k)
        text += CsvLine({CsvNumber(osc.OscX[k]), CsvNumber(osc.OscF1[k]), CsvNumber(osc.OscF2[k]),
                         CsvNumber(osc.OscF3[k])});
    return text;
}

} // namespace otpor
