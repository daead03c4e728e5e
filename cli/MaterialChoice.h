// Work and tool materials as the calculator takes them: by the text of their
// row in the window's list ("C1633", "SL 200"), by the row number (1 ...), or
// by both ("P40:2"). Case and blanks do not matter. "P40" stands in two rows
// of the tool list that differ, so it needs its row.
#pragma once

#include <string>
#include <string_view>

namespace otpor {

// The row, from 1; UsageError naming --work and listing the materials otherwise.
int FindWorkMaterial(std::string_view text);
// The row, from 1; UsageError naming --tool and listing the materials otherwise.
int FindToolMaterial(std::string_view text);

// "P30" for a name that stands once in its list, "P40:2" for one that repeats.
std::string ToolMaterialText(int row);

} // namespace otpor
