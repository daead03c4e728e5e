// A font of the chart (title, axis titles and labels, legend). Height is the
// character height in px (8 pt = 11 px); the face falls back to what is
// installed when the named one is missing.
#pragma once

#include "chart/TChartObject.h"
#include "platform/Canvas.h"

#include <string>

namespace otpor {

// The component font every chart font starts from: "Arial", 8 pt, black.
Font ComponentFont();

// The line height the chart lays out with: the canvas's TextHeight of "W" in
// its current font.
inline int FontHeight(Canvas& canvas)
{
    return canvas.TextHeight("W");
}

class TChartFont : public TChartObject {
public:
    explicit TChartFont(TChartChangeSink* owner, Font font = ComponentFont())
        : TChartObject(owner), font_(std::move(font))
    {
    }

    const Font& Value() const { return font_; }
    void Assign(const Font& f) { SetProperty(font_, f); }

    const std::string& Name() const { return font_.Name; }
    void SetName(const std::string& name) { SetProperty(font_.Name, name); }
    int Height() const { return font_.Height; }
    void SetHeight(int px) { SetProperty(font_.Height, px); }
    TColor Color() const { return font_.Color; }
    void SetColor(TColor c) { SetProperty(font_.Color, c); }
    bool Bold() const { return font_.Bold; }
    void SetBold(bool b) { SetProperty(font_.Bold, b); }
    bool Italic() const { return font_.Italic; }
    void SetItalic(bool i) { SetProperty(font_.Italic, i); }

private:
    Font font_;
};

} // namespace otpor
