#include "cli/SweepRange.h"

#include "cli/NumberText.h"
#include "cli/UsageError.h"
#include "platform/Convert.h"

#include <cstdlib>

namespace otpor {

namespace {

constexpr std::string_view Option = "--sweep";
constexpr int MinimumCount = 2;

[[noreturn]] void Refuse(const std::string& why)
{
    throw UsageError(std::string(Option) + ": " + why);
}

// The counts whose spacing is a whole number of steps over that span.
std::string FittingCounts(int span)
{
    std::string counts;
    for (int intervals = 1; intervals <= span; ++intervals)
        if (span % intervals == 0)
            counts += (counts.empty() ? "" : ", ") + std::to_string(intervals + 1);
    return counts;
}

} // namespace

std::vector<int> SweepRange::Values() const
{
    std::vector<int> values;
    const int intervals = Count - 1;
    for (int i = 0; i < Count; ++i)
        values.push_back(From + (To - From) / intervals * i);
    return values;
}

SweepRange ParseSweep(std::string_view text)
{
    const std::string given(text);
    const auto equals = text.find('=');
    const auto colon1 = text.find(':', equals == std::string_view::npos ? 0 : equals);
    const auto colon2 = colon1 == std::string_view::npos ? colon1 : text.find(':', colon1 + 1);
    if (equals == std::string_view::npos || colon1 == std::string_view::npos ||
        colon2 == std::string_view::npos || text.find(':', colon2 + 1) != std::string_view::npos)
        Refuse("'" + given + "' is not NAME=FROM:TO:COUNT, for example feed=0.05:0.50:10");

    const std::string_view name = Trimmed(text.substr(0, equals));
    SweepRange sweep;
    sweep.Input = FindNumericInput(name);
    if (!sweep.Input)
        Refuse("unknown input '" + std::string(name) + "'; NAME is one of " + NumericInputNames());

    const std::string what = std::string(Option) + " " + std::string(name);
    sweep.From = ToControlValue(*sweep.Input, text.substr(equals + 1, colon1 - equals - 1), what + " FROM");
    sweep.To = ToControlValue(*sweep.Input, text.substr(colon1 + 1, colon2 - colon1 - 1), what + " TO");
    const std::string_view count = Trimmed(text.substr(colon2 + 1));
    const std::optional<int> n = TryStrToInt(count);
    if (!n || *n < MinimumCount || count.find_first_not_of("0123456789") != std::string_view::npos)
        Refuse("COUNT must be a whole number of values, at least " + std::to_string(MinimumCount) +
               ", not '" + std::string(count) + "'");
    sweep.Count = *n;
    if (sweep.From == sweep.To)
        Refuse("FROM and TO are the same value; a sweep needs two different ends");

    const int span = std::abs(sweep.To - sweep.From);
    if (span % (sweep.Count - 1) != 0)
        Refuse(std::to_string(sweep.Count) + " values from " + FormatControlValue(*sweep.Input, sweep.From) +
               " to " + FormatControlValue(*sweep.Input, sweep.To) + " " + std::string(sweep.Input->Unit) +
               " do not fall on the steps of the window's control (" + DescribeRange(*sweep.Input) +
               "); counts that fit: " + FittingCounts(span));
    return sweep;
}

} // namespace otpor
