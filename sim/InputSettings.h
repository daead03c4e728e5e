// The inputs of the main window given as text, by name: what the calculator's
// command line and a link to the page (?approach=60&depth=2&work=C4130&
// tool=P40:2) hold. A numeric input takes its value in the unit its label
// names, and the value must lie on a step of its control (a depth of 0.25 mm
// lies between two); a material takes its list text, its row from 1, or both
// ("P40:2": "P40" stands in two rows of the tool list that differ). Each
// front-end words a refusal in its own language; what is refused is decided
// here, once.
#pragma once

#include "sim/InputTable.h"
#include "sim/MaterialTables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace otpor {

// The name of each input in the input table's order: the calculator's
// options for the seven that the force model reads, and "force-max" and
// "scale" for the chart's maximum and the animation's scale.
inline constexpr std::array<std::string_view, InputCount> InputSettingNames{
    "approach", "rake", "inclination", "aux-approach", "depth", "feed", "speed", "force-max", "scale"};

constexpr std::string_view SettingName(InputId id)
{
    return InputSettingNames[static_cast<std::size_t>(id)];
}
// The input of that name, or none.
std::optional<InputId> FindInputSetting(std::string_view name);

enum class ValueRefusal { None, NotANumber, OutsideRange, OffStep };

struct ParsedValue {
    ValueRefusal Refusal = ValueRefusal::None;
    int ControlValue = 0; // when not refused
};

// The control's whole number for a text in the input's unit ("0.2" mm of
// depth -> 2); a comma is taken for the point as well.
ParsedValue ParseInputValue(const InputRow& row, std::string_view text);
// The digits after the point that one step of the control takes: 1 for the
// depth, 2 for the feed, 0 for the rest.
int StepDecimals(const InputRow& row);
// A control value in the input's unit with the step's decimals, with a point:
// 2 -> "0.2", 40 -> "4.0", 17 -> "0.17", 50 -> "50".
std::string FormatInputValue(const InputRow& row, int controlValue);

enum class MaterialRefusal {
    None,
    NoSuchRow,   // a row number beyond the list (Digits)
    Unknown,     // no row of that text (Name)
    NotThatRow,  // "name:row" whose row holds another text (Name, GivenRow)
    SeveralRows, // a text standing in several rows, without the row (Name, Rows)
};

struct ParsedMaterial {
    MaterialRefusal Refusal = MaterialRefusal::None;
    int Row = 0; // from 1, when not refused
    // Parts of the given text, for the wording of a refusal.
    std::string_view Name;
    std::string_view Digits;
    int GivenRow = 0;
    std::vector<int> Rows;
};

// Case and blanks do not matter: "sl200" is "SL 200".
ParsedMaterial ParseMaterial(MaterialList list, std::string_view text);
int MaterialCount(MaterialList list);
std::string_view MaterialName(MaterialList list, int row);
// The text that finds the row again: "P30" for a name that stands once in its
// list, "P40:2" for one that repeats.
std::string MaterialText(MaterialList list, int row);
inline constexpr char MaterialRowSeparator = ':';

// A link's settings, each applied as if the user had set its control or
// chosen its list item, in the order given; what is refused is left as it was.
struct InputLink {
    std::array<std::optional<int>, InputCount> ControlValues; // by the input table's rows
    std::optional<int> WorkMaterial;                          // rows from 1
    std::optional<int> ToolMaterial;
    struct Refused {
        std::string Name;  // as the link gives it
        std::string Value; // as the link gives it
        std::string Why;   // in Serbian, for the page's message
    };
    std::vector<Refused> Refusals;
};

// "?approach=60&work=C4130" or without the "?"; names and values are
// percent-decoded ("+" is a blank). An empty query gives nothing to apply.
InputLink ParseInputLink(std::string_view query);

// The query (without "?") that sets every input and, where chosen, the
// materials: "approach=45&rake=15&…&scale=1&work=C1633&tool=P40:2"; a value
// beyond its control's range stands at the nearer limit.
std::string FormatInputLink(const std::array<int, InputCount>& controlValues, int workMaterial,
                            int toolMaterial);

// The page's one message about a link's refusals, in Serbian; empty when none.
std::string LinkRefusalMessage(const std::vector<InputLink::Refused>& refusals);

} // namespace otpor
