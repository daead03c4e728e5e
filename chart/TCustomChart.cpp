#include "chart/TCustomChart.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace otpor {

namespace {

TColor Resolved(TColor c)
{
    return IsSystemColor(c) ? ColorToRGB(c) : c;
}

} // namespace

TCustomChart::TCustomChart()
    : Title(this), Foot(this), Gradient(this), BackWall(this, BrushStyle::Clear),
      LeftWall(this, BrushStyle::Solid), BottomWall(this, BrushStyle::Solid), Legend(this)
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
        r = {r.Left + BorderWidth(), r.Top + BorderWidth(), r.Right - BorderWidth(),
             r.Bottom - BorderWidth()};
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
    const int bands = GradientBandCount(span);
    // The last band (n = bands - 1) is never painted: with more rows than
    // bands the far edge keeps what was there.
    for (int n = 0; n <= bands - 2; ++n) {
        const GradientBand band = GradientBandAt(c1, c2, n, bands, span);
        if (rows)
            canvas.BandFill(rect.Left, rect.Bottom - band.Far, rect.Right - rect.Left, band.Far - band.Near,
                            band.Color);
        else
            canvas.BandFill(rect.Right - band.Far, rect.Top, band.Far - band.Near, rect.Bottom - rect.Top,
                            band.Color);
    }
}

// --- legend and titles ---------------------------------------------------

void TCustomChart::DrawLegendAndTitles(Canvas& canvas)
{
    // A legend not drawn in this paint is not there for the mouse either.
    Legend.SetLegendRect({});
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

int TCustomChart::LegendSeriesCount() const
{
    int n = 0;
    for (int i = 0; i < SeriesCount(); ++i)
        if (Series(i).Active() && Series(i).ShowInLegend())
            ++n;
    return n;
}

TChartSeries* TCustomChart::LegendSeries(int n) const
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries& s = Series(i);
        if (s.Active() && s.ShowInLegend() && n-- == 0)
            return &s;
    }
    return nullptr;
}

SideLegendSettings TCustomChart::LegendSettings() const
{
    SideLegendSettings s;
    s.Left = Legend.Alignment() == laLeft;
    s.TopPos = Legend.TopPos();
    s.ColorWidth = Legend.ColorWidth();
    s.FrameVisible = Legend.Frame.Visible();
    s.FrameWidth = Legend.Frame.Width();
    s.ShadowSize = Legend.ShadowSize();
    s.ResizeChart = Legend.ResizeChart();
    s.HorizMargin = Legend.HorizMargin();
    return s;
}

void TCustomChart::DrawLegend(Canvas& canvas)
{
    const TLegendStyle style = Legend.LegendStyle() == lsAuto
                                   ? (ActiveSeriesCount() >= 2 ? lsSeries : lsValues)
                                   : Legend.LegendStyle();
    const TLegendAlignment alignment = Legend.Alignment();
    if (style != lsSeries || (alignment != laLeft && alignment != laRight))
        return;
    const int first = Legend.FirstValue();
    const int items = std::max(0, LegendSeriesCount() - first);

    canvas.SetFont(Legend.Font.Value());
    const int fontHeight = FontHeight(canvas);
    const SideLegendSettings settings = LegendSettings();
    const int top = SideLegendTop(PanelRect(), settings.TopPos);
    const int rows = SideLegendRows(top, PlotRect(), settings.FrameWidth, fontHeight, items);
    if (rows < 1)
        return;
    int textWidth = 0;
    for (int p = 0; p < rows; ++p)
        textWidth = std::max(textWidth, canvas.TextWidth(LegendText(first + p)));
    const SideLegendLayout legend = LayoutSideLegend(settings, PlotRect(), top, rows, fontHeight, textWidth);
    Legend.SetSymbolWidth(legend.SymbolWidth);
    Legend.SetLegendRect(legend.Box);

    DrawLegendBox(canvas, settings, legend.Box);
    DrawLegendItems(canvas, legend, rows, fontHeight);
    ChangePlotRect(PlotBesideLegend(settings, PlotRect(), PlotWidth(), legend.Box));
    NormalizePlotRect();
}

void TCustomChart::DrawLegendBox(Canvas& canvas, const SideLegendSettings& settings, const TRect& box)
{
    if (settings.FrameVisible)
        Legend.Frame.AssignTo(canvas, Legend.Frame.Color() == clNoOwnColor ? clBlack : Legend.Frame.Color());
    else
        canvas.SetPenStyle(PenStyle::Clear);
    if (settings.ShadowSize > 0) {
        canvas.SetBrushColor(Resolved(Legend.ShadowColor()));
        canvas.FillRect(LegendShadow(settings, box));
    }
    canvas.SetBrushColor(Resolved(Legend.Color()));
    const TRect outline = LegendOutline(settings, box);
    canvas.Rectangle(outline.Left, outline.Top, outline.Right, outline.Bottom);
}

void TCustomChart::DrawLegendItems(Canvas& canvas, const SideLegendLayout& legend, int rows, int fontHeight)
{
    canvas.SetPen({Legend.Color() == clBlack ? clWhite : clBlack, 1, PenStyle::Solid, PenMode::Copy});
    const int first = Legend.FirstValue();
    for (int p = 0; p < rows; ++p) {
        const int item = Legend.Inverted() ? first + rows - 1 - p : first + p;
        const int y = LegendRowTop(legend, p, fontHeight);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetBackgroundMode(BackgroundMode::Transparent);
        canvas.SetTextAlign({});
        canvas.SetFont(Legend.Font.Value());
        const std::string text = LegendText(item);
        if (!text.empty())
            canvas.TextOut(legend.TextX, y, text);
        if (TChartSeries* series = LegendSeries(item))
            series->DrawLegendSymbol(canvas, LegendSymbolRect(legend, p, fontHeight));
        if (Legend.DividingLines.Visible() && p > 0) {
            Legend.DividingLines.AssignTo(canvas);
            canvas.MoveTo(legend.Box.Left, y);
            canvas.LineTo(legend.Box.Right, y);
        }
    }
}

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
    const int fontHeight = FontHeight(canvas);
    if (title.Brush.Color() == clNoOwnColor) {
        canvas.SetBrushStyle(BrushStyle::Clear);
    } else {
        canvas.SetBrushColor(Resolved(title.Brush.Color()));
        canvas.SetBrushStyle(title.Brush.Style());
    }
    const int frame =
        (title.Frame.Visible() && title.Frame.Color() != clNoOwnColor) ? title.Frame.Width() : 0;
    const auto& lines = title.Text();
    const int count = static_cast<int>(lines.size());
    const TitleLayout layout = LayoutTitle(PlotRect(), frame, count, fontHeight, atTop);
    title.SetTitleRect(layout.Outer);
    if (count == 0)
        return;

    if (frame > 0) {
        TRect outline = layout.Outer;
        if (title.AdjustFrame()) {
            int widest = 0;
            for (const auto& line : lines)
                widest = std::max(widest, canvas.TextWidth(line));
            outline = AdjustedTitleFrame(outline, title.Alignment(), widest, frame);
        }
        title.Frame.AssignTo(canvas);
        canvas.Rectangle(outline.Left, outline.Top, outline.Right, outline.Bottom);
    }

    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.SetTextAlign({});
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        const int x = AlignedTextLeft(layout.Lines.Left, layout.Lines.Right, title.Alignment(),
                                      canvas.TextWidth(line));
        canvas.TextOut(x, TitleLineTop(layout, i, count, fontHeight, atTop), line);
    }
    ChangePlotRect(layout.Plot);
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

void TCustomChart::DrawPicture(Canvas& picture, const TRect& rect)
{
    Draw(picture, rect);
    if (ZoomRecord().Active)
        DrawZoomRect(picture);
}

// --- zoom and scroll -----------------------------------------------------

void TCustomChart::DrawZoomRect(Canvas& canvas)
{
    // The panel's colour inverts what lies beneath; white would leave it unchanged.
    TColor colour = ColorToRGB(Color());
    if (colour == clWhite)
        colour = clRed;
    canvas.SetPen({colour, 1, PenStyle::Solid, PenMode::NotXor});
    canvas.SetBrushStyle(BrushStyle::Clear);
    const TZoomPanningRecord& z = ZoomRecord();
    canvas.Rectangle(std::min(z.X0, z.X1), std::min(z.Y0, z.Y1), std::max(z.X0, z.X1), std::max(z.Y0, z.Y1));
    canvas.SetPenMode(PenMode::Copy);
}

TChartClickedPart TCustomChart::ClickedPart(int x, int y)
{
    TChartClickedPart part;
    if (Legend.Visible() && Legend.LegendRect().Contains(x, y)) {
        part.Part = cpLegend;
        return part;
    }
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries& s = Series(i);
        if (!s.Active())
            continue;
        const int index = s.Clicked(x, y);
        if (index >= 0) {
            part.Part = cpSeries;
            part.Series = &s;
            part.PointIndex = index;
            return part;
        }
    }
    const TRect& plot = PlotRect();
    for (TChartAxis* axis : {&TopAxis, &BottomAxis, &LeftAxis, &RightAxis}) {
        if (!IsAxisShown(*axis))
            continue;
        const bool along =
            axis->IsHorizontal() ? (plot.Left <= x && x <= plot.Right) : (plot.Top <= y && y <= plot.Bottom);
        const std::int64_t across = std::int64_t{axis->IsHorizontal() ? y : x} - axis->AxisPos();
        if (along && std::llabs(across) < AxisClickTolerance) {
            part.Part = cpAxis;
            part.Axis = axis;
            return part;
        }
    }
    if (Title.Visible() && Title.TitleRect().Contains(x, y))
        part.Part = cpTitle;
    else if (Foot.Visible() && Foot.TitleRect().Contains(x, y))
        part.Part = cpFoot;
    else if (plot.Contains(x, y) && ActiveSeriesCount() > 0)
        part.Part = cpPlotArea;
    return part;
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
    gestures_.Press(button, shift, x, y);
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
    gestures_.Move(x, y);
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
    // Line series do nothing with a release, so it is not passed to them.
    gestures_.Release(button, x, y);
}

void TCustomChart::ZoomRect()
{
    gestures_.ZoomToBand();
}

void TCustomChart::ZoomValues(double topMin, double topMax, double bottomMin, double bottomMax,
                              double leftMin, double leftMax, double rightMin, double rightMax)
{
    gestures_.Zoom(topMin, topMax, bottomMin, bottomMax, leftMin, leftMax, rightMin, rightMax);
}

void TCustomChart::UndoZoom()
{
    gestures_.Undo();
}

void TCustomChart::ScrollAxis(TChartAxis& axis, int from, int to)
{
    gestures_.Scroll(axis, from, to);
}

} // namespace otpor
