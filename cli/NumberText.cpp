#include "cli/NumberText.h"

#include "platform/Csv.h"

namespace otpor {

std::string FormatFull(double value)
{
    return CsvNumber(value);
}

} // namespace otpor
