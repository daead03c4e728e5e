// The two built-in material tables, in the order of the main window's lists
// (row = list index + 1), and the rule that decides whether a tool material
// suits a work material.
#pragma once

#include <array>
#include <string_view>

namespace otpor {

struct WorkMaterialRow {
    std::string_view Name;
    double MaterialCoefficient; // C, N
    double SpeedExponent;
};

struct ToolMaterialRow {
    std::string_view Name;
    // Bit r - 1 set: unsuitable for work-material row r.
    unsigned UnsuitableFor;
};

// The main window's two lists: ComboBox1 the work materials, ComboBox2 the
// tool materials.
enum class MaterialList { Work, Tool };

// What each list shows until a material is chosen, and how it is named.
inline constexpr std::string_view WorkMaterialPrompt = "Materijal obratka";
inline constexpr std::string_view ToolMaterialPrompt = "Materijal alata";

inline constexpr int WorkMaterialCount = 10;
inline constexpr int ToolMaterialCount = 8;

inline constexpr double DepthExponentValue = 0.95;
inline constexpr double FeedExponentValue = 0.75;
// The forces rise by 15 % with a tool material that does not suit.
inline constexpr double UnsuitableToolFactor = 1.15;

extern const std::array<WorkMaterialRow, WorkMaterialCount> WorkMaterials;
extern const std::array<ToolMaterialRow, ToolMaterialCount> ToolMaterials;

// False exactly for the pairs the tool-material table lists; rows count from 1.
bool ToolSuitsWork(int toolMaterial, int workMaterial);

} // namespace otpor
