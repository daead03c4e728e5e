// A pen of the chart (axis line, ticks, grid, frames, series lines): the
// canvas pen's colour, width (px), style and mode, plus a Visible flag. The
// kinds below differ only in their defaults.
#pragma once

#include "chart/TChartObject.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

namespace otpor {

class TChartPen : public TChartObject {
public:
    explicit TChartPen(TChartChangeSink* owner, TColor color = clBlack, int width = 1,
                       PenStyle style = PenStyle::Solid, bool visible = true);

    TColor Color() const { return color_; }
    void SetColor(TColor c) { SetProperty(color_, c); }
    int Width() const { return width_; }
    void SetWidth(int w) { SetProperty(width_, w); }
    PenStyle Style() const { return style_; }
    void SetStyle(PenStyle s) { SetProperty(style_, s); }
    PenMode Mode() const { return mode_; }
    void SetMode(PenMode m) { SetProperty(mode_, m); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { SetProperty(visible_, v); }

    // Copies the values (not the owner) of another pen.
    void Assign(const TChartPen& other);

    // Colour, width, style and mode into the canvas pen; an invisible pen only
    // sets the style to clear. System colours are resolved on the way.
    void AssignTo(Canvas& canvas) const;
    // The same with another colour in place of the pen's own.
    void AssignTo(Canvas& canvas, TColor color) const;

private:
    TColor color_;
    int width_;
    PenStyle style_;
    PenMode mode_ = PenMode::Copy;
    bool visible_;
};

// Ticks: grey, solid, 1 px.
class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(TChartChangeSink* owner) : TChartPen(owner, clGray, 1, PenStyle::Solid) {}
};

// Grid lines: grey, dotted, 1 px.
class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(TChartChangeSink* owner) : TChartPen(owner, clGray, 1, PenStyle::Dot) {}
};

// The axis line: black, solid, 2 px.
class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(TChartChangeSink* owner) : TChartPen(owner, clBlack, 2, PenStyle::Solid) {}
};

// Frames and dividing lines that are off unless switched on.
class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(TChartChangeSink* owner) : TChartPen(owner, clBlack, 1, PenStyle::Solid, false)
    {
    }
};

} // namespace otpor
