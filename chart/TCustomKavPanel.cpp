#include "chart/TCustomKavPanel.h"

#include "platform/Numeric.h"

#include <cstdint>

namespace otpor {

namespace {
constexpr int Percent = 100;
}

TCustomKavPanel::TCustomKavPanel()
{
    panelRect_ = ClientRect();
    plotRect_ = panelRect_;
    NormalizePlotRect();
    constructed_ = true;
}

void TCustomKavPanel::Invalidate()
{
    if (!constructed_ || destroying_)
        return;
    bufferStale_ = true;
    if (onInvalidate_)
        onInvalidate_();
}

void TCustomKavPanel::InvalidateWindow()
{
    if (constructed_ && !destroying_ && onInvalidate_)
        onInvalidate_();
}

void TCustomKavPanel::SetBuffered(bool b)
{
    if (b != buffered_) {
        buffered_ = b;
        Invalidate();
    }
}

void TCustomKavPanel::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    bufferStale_ = true;
}

void TCustomKavPanel::Draw(Canvas& canvas, const TRect& clientRect)
{
    panelRect_ = buffered_ ? TRect{0, 0, clientRect.Width(), clientRect.Height()} : clientRect;
    const int w = panelRect_.Width();
    const int h = panelRect_.Height();
    const int b = borderWidth_;
    plotRect_ = {panelRect_.Left + b + MulDiv(marginLeft_, w, Percent),
                 panelRect_.Top + b + MulDiv(marginTop_, h, Percent),
                 panelRect_.Right - b - MulDiv(marginRight_, w, Percent),
                 panelRect_.Bottom - b - MulDiv(marginBottom_, h, Percent)};
    NormalizePlotRect();
    InternalDraw(canvas, panelRect_);
    if (buffered_)
        bufferStale_ = false;
}

void TCustomKavPanel::SetPlotRect(const TRect& r)
{
    plotRect_ = r;
    NormalizePlotRect();
    PlotRectPinned();
}

void TCustomKavPanel::NormalizePlotRect()
{
    TRect& r = plotRect_;
    if (r.Left < panelRect_.Left)
        r.Left = panelRect_.Left;
    if (r.Top < panelRect_.Top)
        r.Top = panelRect_.Top;
    if (r.Right < r.Left)
        r.Right = r.Left + 1;
    else if (r.Right == r.Left)
        r.Right = r.Left + width_;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top + 1;
    else if (r.Bottom == r.Top)
        r.Bottom = r.Top + height_;
    plotWidth_ = r.Right - r.Left;
    plotHeight_ = r.Bottom - r.Top;
    plotXCenter_ = static_cast<int>((std::int64_t{r.Left} + r.Right) / 2);
    plotYCenter_ = static_cast<int>((std::int64_t{r.Top} + r.Bottom) / 2);
}

void TCustomKavPanel::MouseDown(TMouseButton, TShiftState, int, int) {}

void TCustomKavPanel::MouseMove(TShiftState, int, int) {}

void TCustomKavPanel::MouseUp(TMouseButton, TShiftState, int, int) {}

} // namespace otpor
