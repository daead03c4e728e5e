#include "chart/TChartAxisTitle.h"

#include "platform/Errors.h"

namespace otpor {

namespace {
constexpr int FullTurn = 360;
}

int CheckedAngle(int degrees, std::string_view what)
{
    if (degrees < 0 || degrees > FullTurn)
        throw ChartException(std::string(what) + " Angle must be between 0 and 359 degrees");
    return degrees == FullTurn ? 0 : degrees;
}

} // namespace otpor
