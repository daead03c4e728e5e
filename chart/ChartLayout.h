// Where the background's gradient bands, the legend and the titles go, as pure arithmetic over the text
// metrics the chart measured (the line height FontHeight and text widths, px)
// and the rectangles of the layout so far. The chart's paint steps measure,
// call these, draw at the positions they give and take the plot they leave.
#pragma once

#include "chart/ChartTypes.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

namespace otpor {

// --- background gradient ------------------------------------------------------

// How many bands a linear gradient over `span` rows (columns) has: one a
// row, at most 256. The last of them is never painted.
int GradientBandCount(int span);
struct GradientBand {
    TColor Color = 0;
    // Rows (columns) counted from the gradient's near edge: [Near, Far).
    int Near = 0;
    int Far = 0;
};
// Band n of `bands` from c1 (at the near edge) towards c2.
GradientBand GradientBandAt(TColor c1, TColor c2, int n, int bands, int span);

// --- legend beside the plot (laLeft, laRight) ---------------------------------

struct SideLegendSettings {
    bool Left = false;   // laLeft; else laRight
    int TopPos = 10;     // percent of the panel height
    int ColorWidth = 12; // percent of the text column plus 10 px
    bool FrameVisible = true;
    int FrameWidth = 1;
    int ShadowSize = 3;
    bool ResizeChart = true;
    int HorizMargin = 0; // px; 0 = 3 % of the plot width
};

// Top of the legend box on the panel.
int SideLegendTop(const TRect& panel, int topPos);
// How many of `items` rows fit between the box's top and the plot's bottom;
// 0 when none does.
int SideLegendRows(int top, const TRect& plot, int frameWidth, int fontHeight, int items);

struct SideLegendLayout {
    TRect Box;           // LegendRect: the box without frame and shadow
    int TextX = 0;       // left of the item texts
    int SymbolWidth = 0; // width of the colour samples
};
// The box of `rows` rows whose widest text is textWidth px, against the plot's side.
SideLegendLayout LayoutSideLegend(const SideLegendSettings& s, const TRect& plot, int top, int rows,
                                  int fontHeight, int textWidth);
// Top of row `row`'s text, and the box of its colour sample.
int LegendRowTop(const SideLegendLayout& legend, int row, int fontHeight);
TRect LegendSymbolRect(const SideLegendLayout& legend, int row, int fontHeight);
// The outline drawn around the box with the frame (enlarged by its width when
// visible), and the shadow's rectangle (empty without a shadow).
TRect LegendOutline(const SideLegendSettings& s, const TRect& box);
TRect LegendShadow(const SideLegendSettings& s, const TRect& box);
// The plot once the legend has taken its room and the gap after it (not
// normalised); plotWidth is PlotWidth as last normalised.
TRect PlotBesideLegend(const SideLegendSettings& s, const TRect& plot, int plotWidth, const TRect& box);

// --- title and foot ---------------------------------------------------------------

struct TitleLayout {
    TRect Lines; // the lines' rectangle, inside the frame
    TRect Outer; // TitleRect: the lines with the frame
    TRect Plot;  // the plot left below (above) the title, not normalised
};
// `lines` lines of fontHeight at the top (or bottom) of the plot, with a
// frame of frameWidth px (0 = none).
TitleLayout LayoutTitle(const TRect& plot, int frameWidth, int lines, int fontHeight, bool atTop);
// Top of line `index` of `lines`.
int TitleLineTop(const TitleLayout& title, int index, int lines, int fontHeight, bool atTop);
// Left of a text of `width` px aligned between left and right.
int AlignedTextLeft(int left, int right, TAlignment alignment, int width);
// A visible frame narrowed to the widest line plus the frame on each side.
TRect AdjustedTitleFrame(const TRect& outer, TAlignment alignment, int widest, int frameWidth);

} // namespace otpor
