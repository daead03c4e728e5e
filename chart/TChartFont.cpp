#include "chart/TChartFont.h"

namespace otpor {

namespace {
constexpr const char* ComponentFontName = "Arial";
constexpr int ComponentFontHeight = 11; // 8 pt at 96 dpi
} // namespace

Font ComponentFont()
{
    Font f;
    f.Name = ComponentFontName;
    f.Height = ComponentFontHeight;
    f.Color = clBlack;
    return f;
}

} // namespace otpor
