#include "chart/TCustomChart.h"

#include "platform/Numeric.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace otpor {

namespace {

// The gradient never paints more bands than there are shades of a channel.
constexpr int MaxGradientBands = 256;
// Gap between a title's lines and the plot, px.
constexpr int TitleGap = 5;
constexpr const char* FontHeightSample = "W";
constexpr double Percent = 100;

// Legend layout, px: the box's rows start below a 1-px top line and end
// above a 1-px bottom line; the text stands 2 px off the box's far edge, the
// colour sample 4 px before the text and 4 px after the box's near edge; the
// sample's width is a percentage of the text column plus 10 px, and it
// leaves 2 px free above and below in its row.
constexpr int LegendRowInset = 1;
constexpr int LegendTextGap = 2;
constexpr int LegendSymbolGap = 4;
constexpr int LegendSymbolExtra = 10;
constexpr int LegendSymbolInset = 2;
// Gap between a side legend and the plot when none is set: percent of the plot width.
constexpr int LegendHorizGapPercent = 3;

// The order of SavedAxes.
enum SavedAxisIndex { SavedTop, SavedLeft, SavedRight, SavedBottom };

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
        const TColor colour =
            RGB(r1 + MulDiv(dr, n, bands - 1), g1 + MulDiv(dg, n, bands - 1), b1 + MulDiv(db, n, bands - 1));
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
    const int fontHeight = canvas.TextHeight(FontHeightSample);
    const int frame = Legend.Frame.Width();
    const int shadow = Legend.ShadowSize();
    const TRect& panel = PanelRect();
    const TRect& plot = PlotRect();

    TRect box;
    box.Top = panel.Top + Round(Legend.TopPos() * double(panel.Height()) / Percent);
    int rows = 0;
    if (box.Top < plot.Bottom && fontHeight > 0)
        rows = std::min(items, (plot.Bottom - 2 * frame - box.Top) / fontHeight);
    if (rows < 1)
        return;
    box.Bottom = box.Top + 2 * LegendRowInset + fontHeight * rows;

    int textWidth = 0;
    for (int p = 0; p < rows; ++p)
        textWidth = std::max(textWidth, canvas.TextWidth(LegendText(first + p)));
    const int frameSpace = Legend.Frame.Visible() ? frame + 1 : 0;
    const int symbolWidth = Round((textWidth + LegendSymbolExtra) * Legend.ColorWidth() / Percent);
    int textX = 0;
    if (alignment == laRight) {
        box.Right = plot.Right - frameSpace - shadow;
        textX = box.Right - textWidth - LegendTextGap;
        box.Left = textX - symbolWidth - 2 * LegendSymbolGap;
    } else {
        box.Left = plot.Left + frameSpace;
        textX = box.Left + LegendSymbolGap + symbolWidth + LegendSymbolGap;
        box.Right = textX + textWidth + LegendTextGap;
    }
    Legend.SetSymbolWidth(symbolWidth);
    Legend.SetLegendRect(box);

    DrawLegendBox(canvas, box);
    DrawLegendItems(canvas, box, rows, fontHeight, textX);
    TakeLegendRoom(box);
}

void TCustomChart::DrawLegendBox(Canvas& canvas, const TRect& box)
{
    const int frame = Legend.Frame.Width();
    const int shadow = Legend.ShadowSize();
    TRect outline = box;
    int reach = shadow - 1;
    if (Legend.Frame.Visible()) {
        Legend.Frame.AssignTo(canvas, Legend.Frame.Color() == clNoOwnColor ? clBlack : Legend.Frame.Color());
        outline = {box.Left - frame, box.Top - frame, box.Right + frame, box.Bottom + frame};
        reach = shadow + frame + (frame - 1) / 2;
    } else {
        canvas.SetPenStyle(PenStyle::Clear);
    }
    if (shadow > 0) {
        canvas.SetBrushColor(Resolved(Legend.ShadowColor()));
        canvas.FillRect({box.Left + shadow, box.Top + shadow, box.Right + reach, box.Bottom + reach});
    }
    canvas.SetBrushColor(Resolved(Legend.Color()));
    canvas.Rectangle(outline.Left, outline.Top, outline.Right, outline.Bottom);
}

void TCustomChart::DrawLegendItems(Canvas& canvas, const TRect& box, int rows, int fontHeight, int textX)
{
    canvas.SetPen({Legend.Color() == clBlack ? clWhite : clBlack, 1, PenStyle::Solid, PenMode::Copy});
    const int first = Legend.FirstValue();
    const int symbolWidth = Legend.SymbolWidth();
    for (int p = 0; p < rows; ++p) {
        const int item = Legend.Inverted() ? first + rows - 1 - p : first + p;
        const int y = box.Top + LegendRowInset + fontHeight * p;
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetBackgroundMode(BackgroundMode::Transparent);
        canvas.SetTextAlign({});
        canvas.SetFont(Legend.Font.Value());
        const std::string text = LegendText(item);
        if (!text.empty())
            canvas.TextOut(textX, y, text);
        if (TChartSeries* series = LegendSeries(item))
            series->DrawLegendSymbol(canvas, {textX - LegendSymbolGap - symbolWidth, y + LegendSymbolInset,
                                              textX - LegendSymbolGap, y + fontHeight - LegendSymbolInset});
        if (Legend.DividingLines.Visible() && p > 0) {
            Legend.DividingLines.AssignTo(canvas);
            canvas.MoveTo(box.Left, y);
            canvas.LineTo(box.Right, y);
        }
    }
}

void TCustomChart::TakeLegendRoom(const TRect& box)
{
    TRect rest = PlotRect();
    const bool left = Legend.Alignment() == laLeft;
    if (Legend.ResizeChart()) {
        if (left)
            rest.Left = box.Right;
        else
            rest.Right = box.Left;
    }
    // PlotWidth is still that of the plot before the legend took its part.
    const int gap = Legend.HorizMargin() != 0 ? Legend.HorizMargin()
                                              : MulDiv(LegendHorizGapPercent, PlotWidth(), int(Percent));
    if (left)
        rest.Left += gap;
    else
        rest.Right -= gap;
    ChangePlotRect(rest);
    NormalizePlotRect();
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
    const int fontHeight = canvas.TextHeight(FontHeightSample);
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

bool TCustomChart::ClickClaimed(const TChartClickedPart& part, TMouseButton button, TShiftState shift, int x,
                                int y)
{
    if (part.Part == cpSeries && part.Series->OnClick) {
        part.Series->OnClick(*part.Series, part.PointIndex, button, shift, x, y);
        return true;
    }
    if (part.Part == cpAxis && OnClickAxis) {
        OnClickAxis(*part.Axis, button, shift, x, y);
        return true;
    }
    if (part.Part == cpPlotArea && OnClickBackground) {
        OnClickBackground(button, shift, x, y);
        return true;
    }
    return false;
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
    // A second button pressed during a drag is ignored.
    if (ZoomRecord().Active || PanningRecord().Active)
        return;
    const TChartClickedPart part = ClickedPart(x, y);
    if (part.Part != cpSeries && part.Part != cpAxis && part.Part != cpPlotArea)
        return;
    if (!ClickClaimed(part, button, shift, x, y))
        StartGesture(button, shift, x, y);
}

// The cursor stays the chart's own arrow throughout: the program's series
// have no cursor of their own.
void TCustomChart::StartGesture(TMouseButton button, TShiftState shift, int x, int y)
{
    if (allowZoom_ && button == ZoomMouseButton && (shift & ZoomKeyShift) == ZoomKeyShift) {
        ZoomRecord() = {true, x, y, x, y};
        InvalidateWindow();
    }
    if (allowPanning_ != pmNone && button == ScrollMouseButton && (shift & ScrollKeyShift) == ScrollKeyShift)
        PanningRecord() = {true, x, y, x, y};
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
    TZoomPanningRecord& zoom = ZoomRecord();
    if (zoom.Active) {
        if (x != zoom.X1 || y != zoom.Y1) {
            zoom.X1 = x;
            zoom.Y1 = y;
            // The host shows the band anew over the picture as it is.
            InvalidateWindow();
        }
        return;
    }
    TZoomPanningRecord& pan = PanningRecord();
    if (!pan.Active)
        return;
    if (!PlotRect().Contains(x, y)) {
        // Leaving the plot ends the scroll for the rest of the drag.
        pan.Active = false;
        return;
    }
    if (x == pan.X1 && y == pan.Y1)
        return;
    if (!axesSaved_)
        SaveAxes();
    bool scrolled = false;
    if (x != pan.X1 && (allowPanning_ == pmHorizontal || allowPanning_ == pmBoth)) {
        ScrollAxis(BottomAxis, pan.X1, x);
        ScrollAxis(TopAxis, pan.X1, x);
        scrolled = true;
    }
    if (y != pan.Y1 && (allowPanning_ == pmVertical || allowPanning_ == pmBoth)) {
        ScrollAxis(LeftAxis, pan.Y1, y);
        ScrollAxis(RightAxis, pan.Y1, y);
        scrolled = true;
    }
    pan.X1 = x;
    pan.Y1 = y;
    if (scrolled) {
        if (OnScroll)
            OnScroll();
        Invalidate();
    }
}

void TCustomChart::ScrollAxis(TChartAxis& axis, int from, int to)
{
    const double d = axis.PixelToValue(from) - axis.PixelToValue(to);
    const double newMinimum = axis.Minimum() + d;
    const double newMaximum = axis.Maximum() + d;
    bool allow = true;
    if (OnAllowScroll)
        OnAllowScroll(axis, newMinimum, newMaximum, allow);
    if (allow)
        axis.SetRange(newMinimum, newMaximum);
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
    // Line series do nothing with a release, so it is not passed to them.
    TZoomPanningRecord& zoom = ZoomRecord();
    if (zoom.Active && button == ZoomMouseButton) {
        zoom.Active = false;
        InvalidateWindow();
        zoom.X1 = x;
        zoom.Y1 = y;
        const std::int64_t dx = std::int64_t{x} - zoom.X0;
        const std::int64_t dy = std::int64_t{y} - zoom.Y0;
        if (std::llabs(dx) > MinimumDragPixels && std::llabs(dy) > MinimumDragPixels) {
            if (dx > 0 && dy > 0)
                ZoomRect();
            else
                UndoZoom();
            Invalidate();
        }
    }
    PanningRecord().Active = false;
}

void TCustomChart::ZoomRect()
{
    TZoomPanningRecord& z = ZoomRecord();
    if (z.X0 > z.X1)
        std::swap(z.X0, z.X1);
    if (z.Y0 > z.Y1)
        std::swap(z.Y0, z.Y1);
    ZoomValues(TopAxis.PixelToValue(z.X0), TopAxis.PixelToValue(z.X1), BottomAxis.PixelToValue(z.X0),
               BottomAxis.PixelToValue(z.X1), LeftAxis.PixelToValue(z.Y1), LeftAxis.PixelToValue(z.Y0),
               RightAxis.PixelToValue(z.Y1), RightAxis.PixelToValue(z.Y0));
}

void TCustomChart::ZoomValues(double topMin, double topMax, double bottomMin, double bottomMax,
                              double leftMin, double leftMax, double rightMin, double rightMax)
{
    // A further zoom keeps what the first one saved.
    if (!axesSaved_)
        SaveAxes();
    LeftAxis.SetRange(leftMin, leftMax);
    RightAxis.SetRange(rightMin, rightMax);
    TopAxis.SetRange(topMin, topMax);
    BottomAxis.SetRange(bottomMin, bottomMax);
    zoomed_ = true;
    if (OnZoom)
        OnZoom();
}

void TCustomChart::SaveAxes()
{
    const auto save = [](const TChartAxis& axis) {
        return TAxisSavedState{axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(),
                               axis.Minimum(), axis.Maximum()};
    };
    savedAxes_[SavedTop] = save(TopAxis);
    savedAxes_[SavedLeft] = save(LeftAxis);
    savedAxes_[SavedRight] = save(RightAxis);
    savedAxes_[SavedBottom] = save(BottomAxis);
    axesSaved_ = true;
}

void TCustomChart::UndoZoom()
{
    if (axesSaved_) {
        const auto restore = [](TChartAxis& axis, const TAxisSavedState& saved) {
            axis.SetAutomatic(saved.Automatic);
            axis.SetAutomaticMinimum(saved.AutomaticMinimum);
            axis.SetAutomaticMaximum(saved.AutomaticMaximum);
            if (!axis.Automatic())
                axis.SetRange(saved.Minimum, saved.Maximum);
        };
        restore(TopAxis, savedAxes_[SavedTop]);
        restore(BottomAxis, savedAxes_[SavedBottom]);
        restore(LeftAxis, savedAxes_[SavedLeft]);
        restore(RightAxis, savedAxes_[SavedRight]);
    }
    axesSaved_ = false;
    if (OnUndoZoom)
        OnUndoZoom();
    Invalidate();
    zoomed_ = false;
}

} // namespace otpor
