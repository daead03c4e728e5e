// The layout table as both views read it: the texts it gives the controls,
// the lists' items, and placing at a zoom.
#include "form/FormLayout.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

std::string TextOf(std::string_view name)
{
    return ControlText(MainWindowControl(name));
}

TEST(Layout, GivesEveryControlTheTextTheFormShows)
{
    EXPECT_EQ(TextOf("Button5"), "Polazno stanje");
    EXPECT_EQ(TextOf("GroupBox2"), "Režim rezanja");
    EXPECT_EQ(TextOf("Label1"), "POLAZNI PODACI");
    EXPECT_TRUE(MainWindowControl("Label1").Bold);
    EXPECT_EQ(TextOf("Label2"), "Napadni ugao, ");
    EXPECT_EQ(TextOf("Label9"), "o");
    EXPECT_EQ(TextOf("Label7"), "Ugao nagiba sečiva, ");
    EXPECT_EQ(TextOf("Label4"), "Korak, mm/o");
    EXPECT_EQ(TextOf("Label12"), "Razmera prikaza ");
    EXPECT_EQ(TextOf("Label13"), "u prozoru animacije");
    EXPECT_EQ(TextOf("Label10"), "Maksimalna sila, N");
    EXPECT_EQ(TextOf("Edit1"), "0,2");
    EXPECT_EQ(TextOf("Edit2"), "0,17");
    EXPECT_EQ(TextOf("ComboBox1"), "Materijal obratka");
    EXPECT_EQ(TextOf("ComboBox2"), "Materijal alata");
    EXPECT_EQ(TextOf("SpinEdit2"), "");

    const std::vector<std::string_view> tools = ListItems(MaterialList::Tool);
    EXPECT_EQ(tools,
              (std::vector<std::string_view>{"P30", "P40", "P40", "P10", "K40", "K50", "K30", "C7680"}));
    EXPECT_EQ(ListItems(MaterialList::Work).size(), 10u);
    EXPECT_EQ(ListItems(MaterialList::Work).back(), "AlMg8");

    // The scale's caption takes two labels, each angle a degree mark beside its caption.
    EXPECT_EQ(LabelsOf(InputId::DisplayScale).size(), 2u);
    EXPECT_EQ(LabelsOf(InputId::Rake).size(), 2u);
    EXPECT_EQ(LabelsOf(InputId::Speed).size(), 1u);
    EXPECT_EQ(SpinOf(InputId::Inclination).Name, "SpinEdit5");
    EXPECT_THROW(MainWindowControl("Button6"), std::out_of_range);
}

// The value field stands beside exactly the fields that leave their number no
// room beside the 15-px button pair (2-px border on each side, 2 px gap).
TEST(Layout, AValueFieldShowsTheNumberOfEachFieldTooNarrowForIt)
{
    for (const InputRow& row : InputRows) {
        const ControlLayout& spin = SpinOf(row.Id);
        EXPECT_EQ(HidesItsNumber(spin), spin.Bounds.Width - 2 * 2 - 15 - 2 <= 0) << spin.Name;
        EXPECT_EQ(HidesItsNumber(spin), ValueFieldOf(row.Id) != nullptr) << spin.Name;
    }
}

TEST(Layout, AZoomKeepsTheLayoutAtOneAndNeverMakesControlsOverlap)
{
    for (const ControlLayout& c : MainWindowControls) {
        EXPECT_EQ(Zoomed(c.Bounds, 1), c.Bounds) << c.Name;
        const LayoutRect twice = Zoomed(c.Bounds, 2);
        EXPECT_EQ(twice,
                  (LayoutRect{2 * c.Bounds.Left, 2 * c.Bounds.Top, 2 * c.Bounds.Width, 2 * c.Bounds.Height}));
    }
    EXPECT_EQ(Zoomed(MainWindow.FontPixels, 1.5), 16); // 16.5, to even

    // Controls side by side or one above the other stay so at any zoom.
    const auto apart = [](const LayoutRect& a, const LayoutRect& b) {
        return a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left || a.Top + a.Height <= b.Top ||
               b.Top + b.Height <= a.Top;
    };
    for (const double zoom : {1.25, 1.5, 1.75, 2.5, 3.0})
        for (const ControlLayout& a : MainWindowControls)
            for (const ControlLayout& b : MainWindowControls) {
                if (&a == &b || a.Parent != b.Parent || a.Kind == ControlKind::Label ||
                    b.Kind == ControlKind::Label || !apart(a.Bounds, b.Bounds))
                    continue;
                EXPECT_TRUE(apart(Zoomed(a.Bounds, zoom), Zoomed(b.Bounds, zoom)))
                    << a.Name << " and " << b.Name << " at " << zoom;
            }
}

} // namespace
} // namespace otpor
