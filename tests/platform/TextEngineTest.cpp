#include "support/FixedTextEngine.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

constexpr std::uint32_t White = 0xFFFFFFFFu;

int Device(double v, double scale)
{
    return static_cast<int>(std::lround(v * scale));
}

TEST(TextEngine, TextLandsOnTheDevicePixelsOfItsLayoutCellAtEveryScale)
{
    for (const double scale : {1.0, 1.5, 2.0, 2.75}) {
        SCOPED_TRACE(scale);
        test::FixedTextCanvas canvas(60, 40, scale);
        canvas.SetTextAlign({HorizontalAlign::Right, VerticalAlign::Bottom});
        canvas.SetBackgroundColor(clYellow);
        Font font;
        font.Color = clRed;
        canvas.SetFont(font);
        // "ab" is 12 x 14 layout pixels: its cell ends at the anchor (40, 30).
        EXPECT_EQ(canvas.TextWidth("ab"), 12);
        canvas.TextOut(40, 30, "ab");
        // The device pixel under a layout point.
        const auto at = [&](double x, double y) {
            return canvas.Word(static_cast<int>(x * scale), static_cast<int>(y * scale));
        };
        // The cell filled, the first glyph's box one pixel inside it.
        EXPECT_EQ(at(28.2, 16.2), 0xFFFFFF00u);
        EXPECT_EQ(at(29.5, 17.5), 0xFFFF0000u);
        EXPECT_EQ(at(39.5, 29.5), 0xFFFFFF00u);
        EXPECT_EQ(at(40.1, 30.1), White);
        EXPECT_EQ(at(27.9, 15.9), White);
        // The same text with a clear brush leaves what lies beneath.
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.TextOut(40, 10, "ab");
        EXPECT_EQ(at(28.2, 0.2), White);
        EXPECT_EQ(at(29.5, 1.5), 0xFFFF0000u);
    }
}

TEST(TextEngine, AnAbsurdTextIsDrawnOnlyWhereItShows)
{
    // A line of 2,000 characters 1,000 pixels high at a scale of 16 would be
    // some 10^10 device pixels: only the clip's are rendered, and not kept.
    test::FixedTextCanvas canvas(30, 20, 16, {400, 1000});
    canvas.ClipRect({5, 5, 25, 15});
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(-3, -3, std::string(2000, 'x'));
    EXPECT_EQ(canvas.Word(Device(10, 16), Device(10, 16)), 0xFF000000u);
    EXPECT_EQ(canvas.Word(Device(2, 16), Device(2, 16)), White);
    canvas.TextOut(-3, -3, std::string(2000, 'x'));
    EXPECT_EQ(canvas.Engine().Rendered, 2);
}

} // namespace
} // namespace otpor
