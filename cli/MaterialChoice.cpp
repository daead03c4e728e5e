#include "cli/MaterialChoice.h"

#include "cli/NumberText.h"
#include "cli/UsageError.h"
#include "platform/Convert.h"
#include "sim/MaterialTables.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace otpor {

namespace {

constexpr char RowSeparator = ':';

struct MaterialList {
    std::string_view Option; // "--work"
    std::string_view Kind;   // "work material"
    std::vector<std::string_view> Names;
};

MaterialList WorkList()
{
    MaterialList list{"--work", "work material", {}};
    for (const WorkMaterialRow& row : WorkMaterials)
        list.Names.push_back(row.Name);
    return list;
}

MaterialList ToolList()
{
    MaterialList list{"--tool", "tool material", {}};
    for (const ToolMaterialRow& row : ToolMaterials)
        list.Names.push_back(row.Name);
    return list;
}

// Lower case without blanks, so that "sl200" finds "SL 200".
std::string Normalised(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool IsRowNumber(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string Choices(const MaterialList& list)
{
    std::string text;
    for (std::size_t i = 0; i < list.Names.size(); ++i)
        text += (i ? ", " : "") + Quoted(list.Names[i]);
    return text + " (or the row, 1 ... " + std::to_string(list.Names.size()) + ")";
}

[[noreturn]] void Refuse(const MaterialList& list, const std::string& why)
{
    throw UsageError(std::string(list.Option) + ": " + why);
}

std::vector<int> RowsNamed(const MaterialList& list, std::string_view name)
{
    std::vector<int> rows;
    for (std::size_t i = 0; i < list.Names.size(); ++i)
        if (Normalised(list.Names[i]) == Normalised(name))
            rows.push_back(static_cast<int>(i) + 1);
    return rows;
}

int CheckedRow(const MaterialList& list, std::string_view digits)
{
    const std::optional<int> row = TryStrToInt(digits);
    const int count = static_cast<int>(list.Names.size());
    if (!row || *row < 1 || *row > count)
        Refuse(list, "there is no row " + std::string(digits) + " of the " + std::string(list.Kind) +
                         "s; they are " + Choices(list));
    return *row;
}

int FindMaterial(const MaterialList& list, std::string_view text)
{
    text = Trimmed(text);
    if (IsRowNumber(text))
        return CheckedRow(list, text);

    std::string_view name = text;
    std::optional<int> givenRow;
    const auto sep = text.rfind(RowSeparator);
    if (sep != std::string_view::npos && IsRowNumber(text.substr(sep + 1))) {
        name = text.substr(0, sep);
        givenRow = CheckedRow(list, text.substr(sep + 1));
    }

    const std::vector<int> rows = RowsNamed(list, name);
    if (rows.empty())
        Refuse(list, "unknown " + std::string(list.Kind) + " " + Quoted(text) + "; the " +
                         std::string(list.Kind) + "s are " + Choices(list));
    if (givenRow) {
        if (std::find(rows.begin(), rows.end(), *givenRow) == rows.end())
            Refuse(list, "row " + std::to_string(*givenRow) + " is " + Quoted(list.Names[*givenRow - 1]) +
                             ", not " + Quoted(name));
        return *givenRow;
    }
    if (rows.size() > 1) {
        std::string which;
        for (std::size_t i = 0; i < rows.size(); ++i)
            which += std::string(i ? " or " : "") + std::string(list.Names[rows[i] - 1]) + RowSeparator +
                     std::to_string(rows[i]);
        Refuse(list, Quoted(list.Names[rows[0] - 1]) + " stands in several rows of the " +
                         std::string(list.Kind) + "s, which differ in the work materials they suit; give " +
                         which);
    }
    return rows[0];
}

} // namespace

int FindWorkMaterial(std::string_view text)
{
    return FindMaterial(WorkList(), text);
}

int FindToolMaterial(std::string_view text)
{
    return FindMaterial(ToolList(), text);
}

std::string ToolMaterialText(int row)
{
    const MaterialList list = ToolList();
    const std::string_view name = list.Names.at(row - 1);
    if (RowsNamed(list, name).size() > 1)
        return std::string(name) + RowSeparator + std::to_string(row);
    return std::string(name);
}

} // namespace otpor
