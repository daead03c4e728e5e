// One axis of the chart: the bottom axis maps the length turned (mm), the
// left axis the force (N). It knows its range, the label step and format,
// the value-to-pixel map on the chart's plotting rectangle, and draws its
// title, labels, ticks, grid and line. Pixels are client pixels of the chart.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/TChartAxisTitle.h"
#include "chart/TChartFont.h"
#include "chart/TChartObject.h"
#include "chart/TChartPen.h"
#include "chart/TScaleMap.h"
#include "platform/Canvas.h"
#include "platform/FormatSettings.h"
#include "platform/Geometry.h"

#include <array>
#include <cstdint>
#include <string>

namespace otpor {

class TCustomAxisPanel;
class TChartSeries;

class TChartAxis : public TChartObject {
public:
    // The smallest label step.
    static constexpr double MinStep = 1e-12;

    TChartAxis(TCustomAxisPanel& chart, bool horizontal, bool otherSide);

    bool IsHorizontal() const { return horizontal_; }
    // The top and the right axis.
    bool IsOtherSide() const { return otherSide_; }
    // Whether the series maps its X (horizontal axis) or Y with this axis.
    bool IsBoundTo(const TChartSeries& series) const;

    // --- range -------------------------------------------------------------
    bool Automatic() const { return automatic_; }
    // Also sets AutomaticMinimum and AutomaticMaximum.
    void SetAutomatic(bool a);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    // false also clears Automatic.
    void SetAutomaticMaximum(bool a);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool a);
    double Maximum() const { return maximum_; }
    // AxisException "Axis Maximum Value must be >= Minimum" unless the value
    // is at least Minimum; the automatic flags stay as they are.
    void SetMaximum(double v);
    double Minimum() const { return minimum_; }
    // AxisException "Axis Minimum Value must be <= Maximum" unless the value
    // is at most Maximum.
    void SetMinimum(double v);
    // Clears the automatic flags and stores both ends in either order, without
    // checks; a range narrower than 1e-10 is widened to that.
    void SetRange(double min, double max);
    // The range for this paint: automatic ends from the active series' data.
    void CalcRange();
    double RangeMin() const { return rangeMin_; }
    double RangeMax() const { return rangeMax_; }
    double RangeSize() const { return rangeSize_; }

    // --- properties --------------------------------------------------------
    // Smallest label step wanted, 0 = none; AxisException unless >= 0.
    double Increment() const { return increment_; }
    void SetIncrement(double v);
    bool Inverted() const { return inverted_; }
    void SetInverted(bool i);
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { SetProperty(visible_, v); }
    bool Labels() const { return labels_; }
    void SetLabels(bool l) { SetProperty(labels_, l); }
    // Degrees, 0 ... 360 (360 stored as 0), else ChartException.
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int degrees) { SetProperty(labelsAngle_, CheckedAngle(degrees, "Axis Labels")); }
    // Extra gap between labels, percent of the label size; AxisException when negative.
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int percent);
    // Width (height) of the label strip, px; 0 = measured.
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int px) { SetProperty(labelsSize_, px); }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool l) { SetProperty(labelsOnAxis_, l); }
    // Every label of the oscillograph is a value label, whatever the style.
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle s) { SetProperty(labelStyle_, s); }
    const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(std::string f) { SetProperty(axisValuesFormat_, std::move(f)); }
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool r) { SetProperty(roundFirstLabel_, r); }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool m) { SetProperty(labelsMultiLine_, m); }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int px) { SetProperty(tickLength_, px); }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int px) { SetProperty(tickInnerLength_, px); }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int px) { SetProperty(minorTickLength_, px); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int n) { SetProperty(minorTickCount_, n); }
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool t) { SetProperty(tickOnLabelsOnly_, t); }
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool g) { SetProperty(gridCentered_, g); }
    // Width (height) of the title strip, px; 0 = measured.
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int px) { SetProperty(titleSize_, px); }

    TChartFont LabelsFont;
    TDarkGrayPen Ticks;
    TDarkGrayPen TicksInner;
    TDarkGrayPen MinorTicks;
    TDottedGrayPen Grid;
    // The axis line.
    TChartAxisPen Axis;
    TChartAxisTitle Title;

    // --- mapping -----------------------------------------------------------
    // The plotting rectangle the axis maps onto, as the chart laid it out.
    void SetPlotRect(const TRect& plot);
    // The map of the range on the plot of the last layout (TScaleMap).
    const TScaleMap& Scale() const { return scale_; }
    // Pixel of a value on the plot of the last layout; the range's ends fall on
    // the plot's edges, values outside it outside, unclamped. A range of size
    // 0 maps every value to the plot's centre.
    int ValueToPixel(double v) const { return scale_.ValueToPixel(v); }
    // The same mapped along x (y), whichever way the axis runs.
    int HorizontalValueToPixel(double v) const;
    int VerticalValueToPixel(double v) const;
    // Value at a pixel; 0 when the plot has no extent along the axis.
    double PixelToValue(int pixel) const { return scale_.PixelToValue(pixel); }

    // --- labels ------------------------------------------------------------
    // Step between labels so that they fit the axis length with their
    // separation, measured with LabelsFont on the canvas.
    double CalcLabelStep(Canvas& canvas) const;
    // The step from Increment (or 1, or MinStep) up through NextStep until at
    // most n labels cover the range.
    double StepForLabelCount(int n) const;
    // 1, 2, 5, 10, 20, 50, ... and 0.1, 0.2, 0.5 below 1: the next step after s.
    static double NextStep(double s);
    // v in AxisValuesFormat with the chart's separators.
    std::string LabelText(double v) const { return Label(v); }
    // Widest expected value label plus a space, px, in the canvas font.
    int MaxLabelWidth(Canvas& canvas) const;

    // --- layout and drawing (per paint) -------------------------------------
    // Takes the title, label and tick strips off rect's side of the axis and
    // records TitlePos and LabelsPos.
    void ReserveSpace(Canvas& canvas, TRect& rect);
    // Widens the range so that the series' pixel margins (Left/Right of a
    // horizontal axis, Top/Bottom of a vertical one) stay free.
    void WidenForMargins(const TRect& margins);
    void DrawAxis(Canvas& canvas);

    // Pixel of the axis line (x of a vertical axis, y of a horizontal one),
    // and where labels and title are anchored, as of the last paint.
    int AxisPos() const { return axisPos_; }
    int LabelsPos() const { return labelsPos_; }
    int TitlePos() const { return titlePos_; }

private:
    bool IsVerticalAngle(int angle) const;
    // LabelText, kept for the values asked for lately while the format and
    // the separators stay; valid until the next call.
    const std::string& Label(double v) const;
    // The map of the range as it now stands.
    void UpdateScale();
    void DrawTitle(Canvas& canvas);
    void DrawLabels(Canvas& canvas, double step);
    void PlaceLabel(Canvas& canvas, double v);
    void DrawTicksAndGrid(Canvas& canvas, int p, double v);
    void DrawTick(Canvas& canvas, int p, int length, bool inner);
    void DrawGridLine(Canvas& canvas, int p);
    void DrawLabelText(Canvas& canvas, int p, const std::string& text);

    TCustomAxisPanel& chart_;
    bool horizontal_;
    bool otherSide_;

    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    double maximum_ = 0;
    double minimum_ = 0;
    double increment_ = 0;
    bool inverted_ = false;
    bool visible_ = true;
    bool labels_ = true;
    int labelsAngle_ = 0;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    bool labelsOnAxis_ = true;
    TAxisLabelStyle labelStyle_ = talAuto;
    std::string axisValuesFormat_ = "#,##0.###";
    bool roundFirstLabel_ = true;
    bool labelsMultiLine_ = false;
    int tickLength_ = 4;
    int tickInnerLength_ = 0;
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    bool tickOnLabelsOnly_ = true;
    bool gridCentered_ = false;
    int titleSize_ = 0;

    double rangeMin_ = 0;
    double rangeMax_ = 0;
    double rangeSize_ = 0;
    int axisPos_ = 0;
    int labelsPos_ = 0;
    int titlePos_ = 0;
    TScaleMap scale_;
    int lastTickPos_ = -1;

    // Label texts by value, and the format and separators they were made with.
    struct LabelEntry {
        double Value = 0;
        std::string Text;
        std::uint64_t Used = 0; // 0: empty
    };
    mutable std::array<LabelEntry, 16> labelTexts_;
    mutable std::string labelFormat_;
    mutable FormatSettings labelSeparators_;
    mutable std::uint64_t labelClock_ = 0;
    int labelFontHeight_ = 0;
};

} // namespace otpor
