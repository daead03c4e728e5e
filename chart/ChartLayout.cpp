#include "chart/ChartLayout.h"

#include "platform/Numeric.h"

#include <algorithm>

namespace otpor {

namespace {

constexpr double Percent = 100;
// The gradient never paints more bands than there are shades of a channel.
constexpr int MaxGradientBands = 256;
// Gap between a title's lines and the plot, px.
constexpr int TitleGap = 5;
// Legend, px: the box's rows start below a 1-px top line and end above a
// 1-px bottom line; the text stands 2 px off the box's far edge, the colour
// sample 4 px before the text and 4 px after the box's near edge; the
// sample's width is a percentage of the text column plus 10 px, and it leaves
// 2 px free above and below in its row.
constexpr int LegendRowInset = 1;
constexpr int LegendTextGap = 2;
constexpr int LegendSymbolGap = 4;
constexpr int LegendSymbolExtra = 10;
constexpr int LegendSymbolInset = 2;
// Gap between a side legend and the plot when none is set: percent of the plot width.
constexpr int LegendHorizGapPercent = 3;

} // namespace

int GradientBandCount(int span)
{
    return std::min(span, MaxGradientBands);
}

GradientBand GradientBandAt(TColor c1, TColor c2, int n, int bands, int span)
{
    const int r1 = GetRValue(c1);
    const int g1 = GetGValue(c1);
    const int b1 = GetBValue(c1);
    const int dr = GetRValue(c2) - r1;
    const int dg = GetGValue(c2) - g1;
    const int db = GetBValue(c2) - b1;
    GradientBand band;
    band.Color =
        RGB(r1 + MulDiv(dr, n, bands - 1), g1 + MulDiv(dg, n, bands - 1), b1 + MulDiv(db, n, bands - 1));
    band.Near = MulDiv(n, span, bands);
    band.Far = MulDiv(n + 1, span, bands);
    return band;
}

int SideLegendTop(const TRect& panel, int topPos)
{
    return panel.Top + Round(topPos * double(panel.Height()) / Percent);
}

int SideLegendRows(int top, const TRect& plot, int frameWidth, int fontHeight, int items)
{
    if (top >= plot.Bottom || fontHeight <= 0)
        return 0;
    return std::max(0, std::min(items, (plot.Bottom - 2 * frameWidth - top) / fontHeight));
}

SideLegendLayout LayoutSideLegend(const SideLegendSettings& s, const TRect& plot, int top, int rows,
                                  int fontHeight, int textWidth)
{
    SideLegendLayout out;
    TRect& box = out.Box;
    box.Top = top;
    box.Bottom = top + 2 * LegendRowInset + fontHeight * rows;
    const int frameSpace = s.FrameVisible ? s.FrameWidth + 1 : 0;
    out.SymbolWidth = Round((textWidth + LegendSymbolExtra) * s.ColorWidth / Percent);
    if (s.Left) {
        box.Left = plot.Left + frameSpace;
        out.TextX = box.Left + LegendSymbolGap + out.SymbolWidth + LegendSymbolGap;
        box.Right = out.TextX + textWidth + LegendTextGap;
    } else {
        box.Right = plot.Right - frameSpace - s.ShadowSize;
        out.TextX = box.Right - textWidth - LegendTextGap;
        box.Left = out.TextX - out.SymbolWidth - 2 * LegendSymbolGap;
    }
    return out;
}

int LegendRowTop(const SideLegendLayout& legend, int row, int fontHeight)
{
    return legend.Box.Top + LegendRowInset + fontHeight * row;
}

TRect LegendSymbolRect(const SideLegendLayout& legend, int row, int fontHeight)
{
    const int y = LegendRowTop(legend, row, fontHeight);
    return {legend.TextX - LegendSymbolGap - legend.SymbolWidth, y + LegendSymbolInset,
            legend.TextX - LegendSymbolGap, y + fontHeight - LegendSymbolInset};
}

TRect LegendOutline(const SideLegendSettings& s, const TRect& box)
{
    if (!s.FrameVisible)
        return box;
    const int f = s.FrameWidth;
    return {box.Left - f, box.Top - f, box.Right + f, box.Bottom + f};
}

TRect LegendShadow(const SideLegendSettings& s, const TRect& box)
{
    const int t = s.ShadowSize;
    if (t <= 0)
        return {};
    const int f = s.FrameWidth;
    const int reach = s.FrameVisible ? t + f + (f - 1) / 2 : t - 1;
    return {box.Left + t, box.Top + t, box.Right + reach, box.Bottom + reach};
}

TRect PlotBesideLegend(const SideLegendSettings& s, const TRect& plot, int plotWidth, const TRect& box)
{
    TRect rest = plot;
    if (s.ResizeChart) {
        if (s.Left)
            rest.Left = box.Right;
        else
            rest.Right = box.Left;
    }
    const int gap = s.HorizMargin != 0 ? s.HorizMargin
                                       : MulDiv(LegendHorizGapPercent, plotWidth, static_cast<int>(Percent));
    if (s.Left)
        rest.Left += gap;
    else
        rest.Right -= gap;
    return rest;
}

TitleLayout LayoutTitle(const TRect& plot, int frameWidth, int lines, int fontHeight, bool atTop)
{
    const int f = frameWidth;
    TitleLayout out;
    TRect& inner = out.Lines;
    inner.Left = plot.Left + f;
    inner.Right = plot.Right - f;
    if (atTop) {
        inner.Top = plot.Top + f;
        inner.Bottom = inner.Top + lines * fontHeight;
    } else {
        inner.Bottom = plot.Bottom - f;
        inner.Top = inner.Bottom - lines * fontHeight;
    }
    out.Outer = {inner.Left - f, inner.Top - f, inner.Right + f, inner.Bottom + f};
    out.Plot = plot;
    if (lines > 0) {
        const int frameSpace = f > 0 ? 2 * f : 0;
        if (atTop)
            out.Plot.Top = inner.Bottom + frameSpace + TitleGap;
        else
            out.Plot.Bottom = inner.Top - frameSpace - TitleGap;
    }
    return out;
}

int TitleLineTop(const TitleLayout& title, int index, int lines, int fontHeight, bool atTop)
{
    return atTop ? title.Lines.Top + index * fontHeight : title.Lines.Bottom - (lines - index) * fontHeight;
}

int AlignedTextLeft(int left, int right, TAlignment alignment, int width)
{
    if (alignment == taRightJustify)
        return right - width;
    if (alignment == taCenter)
        return (left + right) / 2 - width / 2;
    return left;
}

TRect AdjustedTitleFrame(const TRect& outer, TAlignment alignment, int widest, int frameWidth)
{
    const int width = widest + 2 * frameWidth;
    TRect r = outer;
    if (alignment == taLeftJustify) {
        r.Right = r.Left + width;
    } else if (alignment == taRightJustify) {
        r.Left = r.Right - width;
    } else {
        r.Left = (r.Left + r.Right) / 2 - width / 2;
        r.Right = r.Left + width;
    }
    return r;
}

} // namespace otpor
