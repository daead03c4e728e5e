#include "sim/InputTable.h"

#include "platform/Convert.h"

namespace otpor {

namespace {

// The form's start texts use a comma whatever the locale.
constexpr std::string_view FormDecimalSeparator = ",";

} // namespace

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
