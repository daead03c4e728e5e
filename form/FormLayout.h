// The layout of the main window and of the instructions window, in layout
// pixels as the form was designed (100 %): each window's name, caption,
// frame and font, and every control of the main window with its kind,
// parent, rectangle, text, font and tab stop, and what it shows of an input
// row (sim/InputTable.h) or of a material table. The Qt window and the page
// build their controls from it and place them at their zoom; neither adds a
// position, a caption or a list item of its own.
//
// The controls stand in the order the form creates them, which is also the
// order of the tab stops among them: the picture first, then the tab stops,
// then the labels. A control's parent stands before it.
#pragma once

#include "sim/InputTable.h"
#include "sim/MaterialTables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace otpor {

enum class ControlKind { Picture, Button, Chart, Panel, GroupBox, SpinEdit, Edit, ComboBox, Label };

// What a label of an input shows of it: its caption's first or second line
// (the display scale's caption takes two labels), or its raised degree mark.
enum class InputLabel { FirstLine, SecondLine, UnitMark };

// Left, top, width and height, px, relative to the parent's client area.
struct LayoutRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    friend constexpr bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct ControlLayout {
    std::string_view Name;
    ControlKind Kind;
    std::string_view Parent; // a window's name, or a panel's or a group box's
    // A label's size is its text's: 0 x 0 here.
    LayoutRect Bounds;
    // The control's own text: a button's or a group box's caption, the
    // panel's title. Empty where the text comes from an input row or a list.
    std::string_view Caption = {};
    bool Bold = false;
    bool TabStop = false;
    // The input the control serves: its spin field, the value field that
    // shows its number in its unit, or a label of its caption.
    std::optional<InputId> Input = {};
    InputLabel Shows = InputLabel::FirstLine; // a label of an input
    std::optional<MaterialList> List = {};
};

struct WindowLayout {
    std::string_view Name;
    std::string_view Caption;
    // The outer frame's position and size on the desktop.
    LayoutRect Frame;
    std::string_view FontName;
    int FontPixels; // 8 pt at 96 dpi
};

// Form1, and the client area that holds its whole layout: the reference
// client area of its 680 x 574 frame (a 4-px sizing border and a 19-px
// caption taken off).
extern const WindowLayout MainWindow;
inline constexpr int MainClientWidth = 672, MainClientHeight = 547;
inline constexpr int MainWindowControlCount = 38;
extern const std::array<ControlLayout, MainWindowControlCount> MainWindowControls;

// Form2 and its one control, the page of instructions.
extern const WindowLayout InstructionsWindow;
extern const ControlLayout InstructionsPage;

// The rows of the material lists, px.
inline constexpr int ListItemHeight = 13;

// The control of that name; throws std::out_of_range for another name.
const ControlLayout& MainWindowControl(std::string_view name);
// The spin field of the input, its value field (if any) and the labels of
// its caption and unit, in the table's order.
const ControlLayout& SpinOf(InputId input);
const ControlLayout* ValueFieldOf(InputId input);
std::vector<const ControlLayout*> LabelsOf(InputId input);

// The text a control shows when the form is created: its caption, a line of
// its input's label or its degree mark, a value field's start text, a list's
// prompt; empty for a spin field (its model's text) and the pictures.
std::string ControlText(const ControlLayout& control);
// The items of a list, in the order of its material table, and its prompt.
std::vector<std::string_view> ListItems(MaterialList list);
std::string_view ListPrompt(MaterialList list);

// Whether the spin field is too narrow to show its number, which the value
// field beside it shows in the input's unit.
bool HidesItsNumber(const ControlLayout& spin);

// A rectangle of the layout at a zoom (1 = 100 %): each edge at its zoomed
// place, rounded, so that neighbouring controls stay neighbours; exact at 1.
LayoutRect Zoomed(const LayoutRect& r, double zoom);
// A length or a place (a font's pixel height) at a zoom, rounded.
int Zoomed(int px, double zoom);

// The zoom steps of the desktop's window, percent, smallest first: Ctrl+Plus
// and Ctrl+Minus go from one to the next. The first is the form as designed,
// the last the largest zoom of any view.
inline constexpr std::array<int, 7> ZoomSteps{100, 125, 150, 175, 200, 250, 300};
inline constexpr double MaxZoom = ZoomSteps.back() / 100.0;

// The largest zoom, continuous and at most MaxZoom, at which the main
// window's whole layout fits an area of width x height px.
double FittingZoom(int width, int height);

} // namespace otpor
