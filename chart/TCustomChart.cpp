#include "chart/TCustomChart.h"

#include "platform/Numeric.h"

#include <algorithm>
#include <utility>

namespace otpor {

namespace {

// The gradient never paints more bands than there are shades of a channel.
constexpr int MaxGradientBands = 256;
// Gap between a title's lines and the plot, px.
constexpr int TitleGap = 5;
constexpr const char* FontHeightSample = "W";

TColor Resolved(TColor c) { return IsSystemColor(c) ? ColorToRGB(c) : c; }

} // namespace

TCustomChart::TCustomChart()
    : Title(this), Foot(this), Gradient(this), BackWall(this, BrushStyle::Clear), LeftWall(this, BrushStyle::Solid),
      BottomWall(this, BrushStyle::Solid), Legend(this)
{
}

void TCustomChart::SetBackColor(TColor c)
{
    BackWall.SetColor(c);
    BackWall.Brush.SetStyle(BrushStyle::Solid);
}

void TCustomChart::InternalDraw(Canvas& canvas, const TRect& panelRect)
{
    DrawBackground(canvas, panelRect);
    DrawLegendAndTitles(canvas);
    CalcAxisSpace(canvas);
    WidenAxesForMargins();
    DrawBackWall(canvas);
    if (AxisVisible())
        DrawAxes(canvas);
    DrawAllSeries(canvas);
    // A repaint during a drag keeps the band visible.
    if (ZoomRecord().Active)
        DrawZoomRect(canvas);
    canvas.Reset();
    if (OnAfterDraw)
        OnAfterDraw();
}

// --- background ----------------------------------------------------------

void TCustomChart::DrawBackground(Canvas& canvas, const TRect& rect)
{
    if (Gradient.Visible()) {
        TColor c1 = Gradient.StartColor();
        TColor c2 = Gradient.EndColor();
        if (Gradient.Direction() == gdBottomTop || Gradient.Direction() == gdRightLeft)
            std::swap(c1, c2);
        GradientFill(canvas, rect, c1, c2, Gradient.Direction());
    } else {
        canvas.SetBrushColor(Resolved(Color()));
        canvas.FillRect(rect);
    }
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(1);
    canvas.SetPenMode(PenMode::Copy);
    canvas.SetBrushStyle(BrushStyle::Clear);

    TRect r = rect;
    DrawBevel(canvas, r, BevelOuter(), BevelWidth());
    if (BorderWidth() > 0) {
        const TColor face = Resolved(Color());
        canvas.Bevel(r, face, face, BorderWidth());
        r = {r.Left + BorderWidth(), r.Top + BorderWidth(), r.Right - BorderWidth(), r.Bottom - BorderWidth()};
    }
    DrawBevel(canvas, r, BevelInner(), BevelWidth());
}

void TCustomChart::DrawBevel(Canvas& canvas, TRect& rect, TPanelBevel bevel, int width)
{
    if (bevel == bvNone)
        return;
    const TColor highlight = ColorToRGB(clBtnHighlight);
    const TColor shadow = ColorToRGB(clBtnShadow);
    if (bevel == bvRaised)
        canvas.Bevel(rect, highlight, shadow, width);
    else
        canvas.Bevel(rect, shadow, highlight, width);
    rect = {rect.Left + width, rect.Top + width, rect.Right - width, rect.Bottom - width};
}

void TCustomChart::GradientFill(Canvas& canvas, const TRect& rect, TColor c1, TColor c2,
                                TGradientDirection direction)
{
    c1 = Resolved(c1);
    c2 = Resolved(c2);
    const bool rows = direction == gdTopBottom || direction == gdBottomTop;
    const bool columns = direction == gdLeftRight || direction == gdRightLeft;
    if (!rows && !columns) {
        canvas.SetBrushColor(c1);
        canvas.FillRect(rect);
        return;
    }
    const int top = std::min(rect.Top, rect.Bottom);
    const int bottom = std::max(rect.Top, rect.Bottom);
    const int left = std::min(rect.Left, rect.Right);
    const int right = std::max(rect.Left, rect.Right);
    const int span = rows ? bottom - top + 1 : right - left + 1;
    const int bands = std::min(span, MaxGradientBands);

    const int r1 = GetRValue(c1);
    const int g1 = GetGValue(c1);
    const int b1 = GetBValue(c1);
    const int dr = GetRValue(c2) - r1;
    const int dg = GetGValue(c2) - g1;
    const int db = GetBValue(c2) - b1;
    // The last band (n = bands - 1) is never painted: with more rows than
    // bands the far edge keeps what was there.
    for (int n = 0; n <= bands - 2; ++n) {
        const TColor colour = RGB(r1 + MulDiv(dr, n, bands - 1), g1 + MulDiv(dg, n, bands - 1),
                                  b1 + MulDiv(db, n, bands - 1));
        const int p = MulDiv(n, span, bands);
        const int q = MulDiv(n + 1, span, bands);
        if (rows)
            canvas.BandFill(rect.Left, rect.Bottom - q, rect.Right - rect.Left, q - p, colour);
        else
            canvas.BandFill(rect.Right - q, rect.Top, q - p, rect.Bottom - rect.Top, colour);
    }
}

// --- legend and titles ---------------------------------------------------

void TCustomChart::DrawLegendAndTitles(Canvas& canvas)
{
    if (!Legend.Visible() || ActiveSeriesCount() == 0) {
        DrawTitles(canvas);
    } else if (Legend.Alignment() == laLeft || Legend.Alignment() == laRight) {
        DrawLegend(canvas);
        DrawTitles(canvas);
    } else {
        DrawTitles(canvas);
        DrawLegend(canvas);
    }
}

// The legend box is drawn here, in its turn before or after the titles, and
// takes its room from PlotRect; the legend drawing is not built yet.
void TCustomChart::DrawLegend(Canvas&) {}

void TCustomChart::DrawTitles(Canvas& canvas)
{
    if (Title.Visible())
        DrawTitle(canvas, Title, true);
    if (Foot.Visible())
        DrawTitle(canvas, Foot, false);
}

void TCustomChart::DrawTitle(Canvas& canvas, TChartTitle& title, bool atTop)
{
    canvas.SetFont(title.Font.Value());
    const int fontHeight = canvas.TextHeight(FontHeightSample);
    if (title.Brush.Color() == clNoOwnColor) {
        canvas.SetBrushStyle(BrushStyle::Clear);
    } else {
        canvas.SetBrushColor(Resolved(title.Brush.Color()));
        canvas.SetBrushStyle(title.Brush.Style());
    }
    const int frame = (title.Frame.Visible() && title.Frame.Color() != clNoOwnColor) ? title.Frame.Width() : 0;
    const auto& lines = title.Text();
    const int count = static_cast<int>(lines.size());

    const TRect& plot = PlotRect();
    TRect inner{plot.Left + frame, 0, plot.Right - frame, 0};
    if (atTop) {
        inner.Top = plot.Top + frame;
        inner.Bottom = inner.Top + count * fontHeight;
    } else {
        inner.Bottom = plot.Bottom - frame;
        inner.Top = inner.Bottom - count * fontHeight;
    }
    TRect outer{inner.Left - frame, inner.Top - frame, inner.Right + frame, inner.Bottom + frame};
    title.SetTitleRect(outer);
    if (count == 0)
        return;

    if (frame > 0) {
        if (title.AdjustFrame()) {
            int widest = 0;
            for (const auto& line : lines)
                widest = std::max(widest, canvas.TextWidth(line));
            const int width = widest + 2 * frame;
            if (title.Alignment() == taLeftJustify) {
                outer.Right = outer.Left + width;
            } else if (title.Alignment() == taRightJustify) {
                outer.Left = outer.Right - width;
            } else {
                outer.Left = (outer.Left + outer.Right) / 2 - width / 2;
                outer.Right = outer.Left + width;
            }
        }
        title.Frame.AssignTo(canvas);
        canvas.Rectangle(outer.Left, outer.Top, outer.Right, outer.Bottom);
    }

    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.SetTextAlign({});
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        const int y = atTop ? inner.Top + i * fontHeight : inner.Bottom - (count - i) * fontHeight;
        const int width = canvas.TextWidth(line);
        int x = inner.Left;
        if (title.Alignment() == taRightJustify)
            x = inner.Right - width;
        else if (title.Alignment() == taCenter)
            x = (inner.Left + inner.Right) / 2 - width / 2;
        canvas.TextOut(x, y, line);
    }

    TRect rest = plot;
    const int frameSpace = frame > 0 ? 2 * frame : 0;
    if (atTop)
        rest.Top = inner.Bottom + frameSpace + TitleGap;
    else
        rest.Bottom = inner.Top - frameSpace - TitleGap;
    ChangePlotRect(rest);
    NormalizePlotRect();
}

// --- plot ----------------------------------------------------------------

void TCustomChart::DrawBackWall(Canvas& canvas)
{
    BackWall.Pen.AssignTo(canvas);
    if (BackWall.Color() == clNoOwnColor && BackWall.Brush.Style() == BrushStyle::Solid) {
        canvas.SetBrushStyle(BrushStyle::Clear);
    } else {
        canvas.SetBrushColor(Resolved(BackWall.Color()));
        canvas.SetBrushStyle(BackWall.Brush.Style());
    }
    // Frame on columns Left and Right and rows Top and Bottom - 1.
    const TRect& r = PlotRect();
    canvas.Rectangle(r.Left, r.Top, r.Right + 1, r.Bottom);
}

void TCustomChart::DrawAxes(Canvas& canvas)
{
    for (TChartAxis* axis : {&TopAxis, &BottomAxis, &LeftAxis, &RightAxis})
        if (IsAxisShown(*axis))
            axis->DrawAxis(canvas);
}

void TCustomChart::DrawAllSeries(Canvas& canvas)
{
    // In list order: later series paint over earlier ones.
    for (int i = 0; i < SeriesCount(); ++i)
        if (Series(i).Active())
            Series(i).DrawSeries(canvas);
}

// The rubber band of a zoom drag is drawn here; the zoom is not built yet.
void TCustomChart::DrawZoomRect(Canvas&) {}

} // namespace otpor
