#include "sim/MaterialTables.h"

namespace otpor {

namespace {

constexpr unsigned Rows(std::initializer_list<int> rows)
{
    unsigned mask = 0;
    for (int r : rows)
        mask |= 1u << (r - 1);
    return mask;
}

} // namespace

const std::array<WorkMaterialRow, WorkMaterialCount> WorkMaterials{{
    {"C1633", 2623, -0.15},
    {"C4131", 3669, -0.15},
    {"25HGT", 4466, -0.15},
    {"C4730", 3531, -0.15},
    {"C4130", 5340, -0.15},
    {"SL 200", 1012, -0.05},
    {"NL 600-3", 1070, -0.05},
    {"PTEL 65-2", 1023, -0.05},
    {"C4571", 2040, -0.05},
    {"AlMg8", 400, -0.05},
}};

// "P40" stands twice and the two rows differ: the first also refuses C4130.
const std::array<ToolMaterialRow, ToolMaterialCount> ToolMaterials{{
    {"P30", Rows({6, 7, 8, 9, 10})},
    {"P40", Rows({5, 6, 7, 8, 9, 10})},
    {"P40", Rows({6, 7, 8, 9, 10})},
    {"P10", Rows({6, 7, 8, 9, 10})},
    {"K40", Rows({1, 2, 3, 4, 5})},
    {"K50", Rows({1, 2, 3, 4, 5})},
    {"K30", Rows({1, 2, 3, 4, 5})},
    {"C7680", Rows({1, 2, 3, 4, 5, 6, 7, 8, 9})},
}};

bool ToolSuitsWork(int toolMaterial, int workMaterial)
{
    if (toolMaterial < 1 || toolMaterial > ToolMaterialCount || workMaterial < 1 ||
        workMaterial > WorkMaterialCount)
        return true;
    return (ToolMaterials[toolMaterial - 1].UnsuitableFor & (1u << (workMaterial - 1))) == 0;
}

} // namespace otpor
