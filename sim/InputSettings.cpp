#include "sim/InputSettings.h"

#include "platform/Convert.h"
#include "platform/Numeric.h"
#include "sim/MaterialTables.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace otpor {

namespace {

// How far a value may lie from a step and still be that step: a few units in
// the last place of the doubles in question, far below any step.
constexpr double StepTolerance = 1e-9;

constexpr std::string_view WorkSetting = "work";
constexpr std::string_view ToolSetting = "tool";

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

std::vector<int> RowsNamed(MaterialList list, std::string_view name)
{
    std::vector<int> rows;
    for (int row = 1; row <= MaterialCount(list); ++row)
        if (Normalised(MaterialName(list, row)) == Normalised(name))
            rows.push_back(row);
    return rows;
}

// The row a text of digits names, or 0 when the list has no such row.
int CheckedRow(MaterialList list, std::string_view digits)
{
    const std::optional<int> row = TryStrToInt(digits);
    return row && *row >= 1 && *row <= MaterialCount(list) ? *row : 0;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A query part as the browser sends it: "+" for a blank, "%xx" for a byte; a
// "%" not followed by two hexadecimal digits stands for itself.
std::string Decoded(std::string_view part)
{
    std::string out;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '+') {
            out += ' ';
        } else if (part[i] == '%' && i + 2 < part.size() && HexDigit(part[i + 1]) >= 0 &&
                   HexDigit(part[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(part[i + 1]) * 16 + HexDigit(part[i + 2]));
            i += 2;
        } else {
            out += part[i];
        }
    }
    return out;
}

// The unit as a sentence writes it after a number: "mm", "°"; empty for the scale.
std::string SpokenUnit(const InputRow& row)
{
    if (row.Unit.empty())
        return "";
    return " " + std::string(row.Unit == DegreeMark ? "°" : row.Unit);
}

std::string Quoted(std::string_view text)
{
    return "„" + std::string(text) + "“";
}

std::string WhyValue(const InputRow& row, ValueRefusal refusal)
{
    switch (refusal) {
    case ValueRefusal::NotANumber:
        return "nije broj";
    case ValueRefusal::OutsideRange:
        return "van opsega " + FormatInputValue(row, row.MinValue) + " … " +
               FormatInputValue(row, row.MaxValue) + SpokenUnit(row);
    case ValueRefusal::OffStep:
        return "nije na koraku od " + FormatInputValue(row, 1) + SpokenUnit(row);
    case ValueRefusal::None:
        break;
    }
    return "";
}

std::string WhyMaterial(MaterialList list, const ParsedMaterial& m)
{
    switch (m.Refusal) {
    case MaterialRefusal::NoSuchRow:
        return "lista ima redove 1 … " + std::to_string(MaterialCount(list));
    case MaterialRefusal::Unknown:
        return "nema ga u listi";
    case MaterialRefusal::NotThatRow:
        return "u redu " + std::to_string(m.GivenRow) + " je " + Quoted(MaterialName(list, m.GivenRow));
    case MaterialRefusal::SeveralRows: {
        std::string which;
        for (std::size_t i = 0; i < m.Rows.size(); ++i)
            which += std::string(i ? " ili " : "") + MaterialText(list, m.Rows[i]);
        return Quoted(MaterialName(list, m.Rows.front())) + " stoji u više redova; navedite " + which;
    }
    case MaterialRefusal::None:
        break;
    }
    return "";
}

} // namespace

std::optional<InputId> FindInputSetting(std::string_view name)
{
    for (std::size_t i = 0; i < InputSettingNames.size(); ++i)
        if (InputSettingNames[i] == name)
            return static_cast<InputId>(i);
    return std::nullopt;
}

ParsedValue ParseInputValue(const InputRow& row, std::string_view text)
{
    const std::optional<double> value = ParseDecimal(text);
    if (!value)
        return {ValueRefusal::NotANumber};
    const double steps = *value * row.Divisor;
    const double nearest = std::nearbyint(steps);
    const bool onStep = std::fabs(steps - nearest) <= StepTolerance * std::fmax(1.0, std::fabs(steps));
    const double given = onStep ? nearest : steps;
    if (given < row.MinValue || given > row.MaxValue)
        return {ValueRefusal::OutsideRange};
    if (!onStep)
        return {ValueRefusal::OffStep};
    return {ValueRefusal::None, Round(nearest)};
}

int StepDecimals(const InputRow& row)
{
    int decimals = 0;
    for (int d = row.Divisor; d > 1; d /= 10)
        ++decimals;
    return decimals;
}

std::string FormatInputValue(const InputRow& row, int controlValue)
{
    return FormatFixed(InUnit(row, controlValue), StepDecimals(row));
}

int MaterialCount(MaterialList list)
{
    return list == MaterialList::Work ? WorkMaterialCount : ToolMaterialCount;
}

std::string_view MaterialName(MaterialList list, int row)
{
    const auto i = static_cast<std::size_t>(row - 1);
    return list == MaterialList::Work ? WorkMaterials.at(i).Name : ToolMaterials.at(i).Name;
}

std::string MaterialText(MaterialList list, int row)
{
    const std::string_view name = MaterialName(list, row);
    if (RowsNamed(list, name).size() > 1)
        return std::string(name) + MaterialRowSeparator + std::to_string(row);
    return std::string(name);
}

ParsedMaterial ParseMaterial(MaterialList list, std::string_view text)
{
    ParsedMaterial m;
    text = Trimmed(text);
    m.Name = text;
    if (IsRowNumber(text)) {
        m.Digits = text;
        m.Row = CheckedRow(list, text);
        if (m.Row == 0)
            m.Refusal = MaterialRefusal::NoSuchRow;
        return m;
    }
    const auto sep = text.rfind(MaterialRowSeparator);
    if (sep != std::string_view::npos && IsRowNumber(text.substr(sep + 1))) {
        m.Name = text.substr(0, sep);
        m.Digits = text.substr(sep + 1);
        m.GivenRow = CheckedRow(list, m.Digits);
        if (m.GivenRow == 0) {
            m.Refusal = MaterialRefusal::NoSuchRow;
            return m;
        }
    }
    m.Rows = RowsNamed(list, m.Name);
    if (m.Rows.empty())
        m.Refusal = MaterialRefusal::Unknown;
    else if (m.GivenRow != 0 && std::find(m.Rows.begin(), m.Rows.end(), m.GivenRow) == m.Rows.end())
        m.Refusal = MaterialRefusal::NotThatRow;
    else if (m.GivenRow == 0 && m.Rows.size() > 1)
        m.Refusal = MaterialRefusal::SeveralRows;
    else
        m.Row = m.GivenRow != 0 ? m.GivenRow : m.Rows.front();
    return m;
}

InputLink ParseInputLink(std::string_view query)
{
    InputLink link;
    if (query.starts_with('?'))
        query.remove_prefix(1);
    while (!query.empty()) {
        const auto end = std::min(query.find('&'), query.size());
        const std::string_view part = query.substr(0, end);
        query.remove_prefix(std::min(end + 1, query.size()));
        if (part.empty())
            continue;
        const auto equals = part.find('=');
        const std::string name = Decoded(part.substr(0, equals));
        const std::string value = equals == std::string_view::npos ? "" : Decoded(part.substr(equals + 1));
        auto refuse = [&](std::string why) { link.Refusals.push_back({name, value, std::move(why)}); };

        if (name == WorkSetting || name == ToolSetting) {
            const MaterialList list = name == WorkSetting ? MaterialList::Work : MaterialList::Tool;
            const ParsedMaterial m = ParseMaterial(list, value);
            if (m.Refusal != MaterialRefusal::None)
                refuse(WhyMaterial(list, m));
            else
                (list == MaterialList::Work ? link.WorkMaterial : link.ToolMaterial) = m.Row;
        } else if (const std::optional<InputId> id = FindInputSetting(name)) {
            const ParsedValue v = ParseInputValue(Row(*id), value);
            if (v.Refusal != ValueRefusal::None)
                refuse(WhyValue(Row(*id), v.Refusal));
            else
                link.ControlValues[static_cast<std::size_t>(*id)] = v.ControlValue;
        } else {
            refuse("nepoznat parametar");
        }
    }
    return link;
}

std::string FormatInputLink(const std::array<int, InputCount>& controlValues, int workMaterial,
                            int toolMaterial)
{
    std::string query;
    for (const InputRow& row : InputRows)
        query += (query.empty() ? "" : "&") + std::string(SettingName(row.Id)) + "=" +
                 FormatInputValue(row, controlValues[static_cast<std::size_t>(row.Id)]);
    // A material text is letters, digits, blanks and ":"; a blank is "+" in a query.
    auto material = [&](std::string_view name, MaterialList list, int row) {
        if (row < 1 || row > MaterialCount(list))
            return;
        std::string text = MaterialText(list, row);
        std::replace(text.begin(), text.end(), ' ', '+');
        query += "&" + std::string(name) + "=" + text;
    };
    material(WorkSetting, MaterialList::Work, workMaterial);
    material(ToolSetting, MaterialList::Tool, toolMaterial);
    return query;
}

std::string LinkRefusalMessage(const std::vector<InputLink::Refused>& refusals)
{
    if (refusals.empty())
        return "";
    std::string message = refusals.size() == 1 ? "Iz veze nije primenjeno:" : "Iz veze nisu primenjeni:";
    for (const InputLink::Refused& r : refusals)
        message += "\n" + r.Name + "=" + r.Value + " – " + r.Why;
    return message;
}

} // namespace otpor
