// The title of an axis ("Sila, N" reading upwards beside the left axis,
// "Dužina, mm" below the bottom axis): caption, angle in degrees
// counter-clockwise, font.
#pragma once

#include "chart/TChartFont.h"
#include "chart/TChartObject.h"

#include <string>
#include <string_view>

namespace otpor {

// An angle as the chart's angle properties take it: 0 ... 360 degrees, 360
// stored as 0; anything else raises ChartException
// "<what> Angle must be between 0 and 359 degrees".
int CheckedAngle(int degrees, std::string_view what);

class TChartAxisTitle : public TChartObject {
public:
    TChartAxisTitle(TChartChangeSink* owner, int angle) : TChartObject(owner), Font(owner), angle_(angle) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { SetProperty(caption_, std::move(caption)); }
    int Angle() const { return angle_; }
    void SetAngle(int degrees) { SetProperty(angle_, CheckedAngle(degrees, "Axis Title")); }

    TChartFont Font;

private:
    std::string caption_;
    int angle_;
};

} // namespace otpor
