#include "chart/Oscillograph.h"

#include "sim/LabReport.h"

#include <memory>

namespace otpor {

namespace {

constexpr int MarginPercent = 1;
constexpr TColor GradientEndColor = clLightYellow;
constexpr int LegendColorWidth = 70;
constexpr int LegendTopPos = 16;
constexpr const char* WindowFontName = "Tahoma";
constexpr int WindowFontHeight = 11; // 8 pt

Font WindowFont(TColor color, bool bold)
{
    Font f;
    f.Name = WindowFontName;
    f.Height = WindowFontHeight;
    f.Color = color;
    f.Bold = bold;
    return f;
}

TLineSeries& AddTrace(TChart& chart, const OscillogramTrace& trace)
{
    auto series = std::make_unique<TLineSeries>(std::string(trace.Series));
    series->SetTitle(std::string(trace.LegendTitle));
    series->SetSeriesColor(trace.LegendColor);
    series->XValues().SetOrder(loAscending);
    series->YValues().SetOrder(loNone);
    return chart.AddSeries(std::move(series));
}

} // namespace

OscillographSeries ConfigureOscillograph(TChart& chart)
{
    chart.SetBounds(OscillographLeft, OscillographTop, OscillographWidth, OscillographHeight);
    chart.SetView3D(false);
    chart.SetMarginLeft(MarginPercent);
    chart.SetMarginTop(MarginPercent);
    chart.SetMarginRight(MarginPercent);
    chart.SetMarginBottom(MarginPercent);

    chart.Gradient.SetEndColor(GradientEndColor);
    chart.Gradient.SetVisible(true);
    chart.BackWall.SetColor(clBlack);
    chart.SetBackColor(clBlack);

    chart.Title.SetText({std::string(OscillographName)});
    chart.Title.Font.Assign(WindowFont(clBlue, true));

    chart.BottomAxis.Title.SetCaption("Dužina, mm");
    chart.BottomAxis.Title.Font.Assign(WindowFont(clBlack, false));
    chart.BottomAxis.SetAutomatic(true);

    chart.LeftAxis.Title.SetCaption("Sila, N");
    chart.LeftAxis.Title.SetAngle(90);
    chart.LeftAxis.Title.Font.Assign(WindowFont(clBlack, false));
    chart.LeftAxis.SetAutomatic(false);
    chart.LeftAxis.SetRange(0, OscillographForceMaximum);

    chart.Legend.SetColor(clGray);
    chart.Legend.SetColorWidth(LegendColorWidth);
    chart.Legend.SetTopPos(LegendTopPos);

    TLineSeries& series1 = AddTrace(chart, OscillogramTraces[0]);
    TLineSeries& series2 = AddTrace(chart, OscillogramTraces[1]);
    TLineSeries& series3 = AddTrace(chart, OscillogramTraces[2]);
    return {series1, series2, series3};
}

} // namespace otpor
