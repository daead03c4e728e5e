#include "sim/InputTable.h"

#include "platform/Convert.h"

namespace otpor {

namespace {

// The form's start texts use a comma whatever the locale.
constexpr std::string_view FormDecimalSeparator = ",";

// The handlers that take no separators, in the row's one signature.
template <InputResponse (*Handler)(SimulationState&, std::string_view)>
InputResponse Plain(SimulationState& s, std::string_view text, const FormatSettings&)
{
    return Handler(s, text);
}

} // namespace

// Id, control, caption, unit, minimum, maximum, step, start value, divisor,
// value field, handler.
constexpr std::array<InputRow, InputCount> InputRows{{
    {InputId::Approach, "SpinEdit2", "Napadni ugao", DegreeMark, 30, 90, 1, 45, 1, "",
     Plain<SpinEdit2Change>},
    {InputId::Rake, "SpinEdit3", "Grudni ugao", DegreeMark, 0, 15, 1, 15, 1, "", Plain<SpinEdit3Change>},
    {InputId::Inclination, "SpinEdit5", "Ugao nagiba sečiva", DegreeMark, -5, 5, 1, 0, 1, "",
     Plain<SpinEdit5Change>},
    {InputId::AuxApproach, "SpinEdit4", "Pomoćni napadni ugao", DegreeMark, 30, 60, 1, 45, 1, "",
     Plain<SpinEdit4Change>},
    {InputId::Depth, "SpinEdit1", "Dubina rezanja", "mm", 2, 40, 1, 2, 10, "Edit1", SpinEdit1Change},
    {InputId::Feed, "SpinEdit6", "Korak", "mm/o", 5, 50, 1, 17, 100, "Edit2", SpinEdit6Change},
    {InputId::Speed, "SpinEdit7", "Brzina rezanja", "m/min", 10, 200, 1, 50, 1, "", Plain<SpinEdit7Change>},
    {InputId::ForceMaximum, "SpinEdit8", "Maksimalna sila", "N", 0, 5000, 50, 1000, 1, "",
     Plain<SpinEdit8Change>},
    {InputId::DisplayScale, "SpinEdit9", "Razmera prikaza \nu prozoru animacije", "", 1, 10, 1, 1, 1, "",
     Plain<SpinEdit9Change>},
}};

// Row looks a row up by its place.
static_assert([] {
    for (std::size_t i = 0; i < InputRows.size(); ++i)
        if (InputRows[i].Id != static_cast<InputId>(i))
            return false;
    return true;
}());

const InputRow& Row(InputId id)
{
    return InputRows[static_cast<std::size_t>(id)];
}

double InUnit(const InputRow& row, int controlValue)
{
    return controlValue / static_cast<double>(row.Divisor);
}

double StartValue(InputId id)
{
    return InUnit(Row(id), Row(id).Value);
}

std::string LabelText(const InputRow& row)
{
    std::string text(row.Caption);
    if (!row.Unit.empty())
        text += ", " + std::string(row.Unit == DegreeMark ? "" : row.Unit);
    return text;
}

std::string InputName(const InputRow& row)
{
    std::string name;
    for (char c : row.Caption)
        if (c != '\n')
            name += c;
    if (!row.Unit.empty())
        name += ", " + std::string(row.Unit == DegreeMark ? DegreeWord : row.Unit);
    return name;
}

std::string ValueFieldStartText(const InputRow& row)
{
    return FloatToStr(InUnit(row, row.Value), FormDecimalSeparator);
}

} // namespace otpor
