#include "cli/CalcOptions.h"

#include "cli/CalcExitCode.h"
#include "cli/NumberText.h"
#include "sim/MaterialTables.h"

#include <cctype>

namespace otpor {

namespace {

// The help fits 80 columns: option names in the first 30, their text after.
constexpr std::size_t HelpColumnWidth = 30;
constexpr std::size_t DescriptionWidth = 49;
constexpr std::size_t NotesWidth = 78;
constexpr std::string_view NotesIndent = "  ";

std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (char c : text)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return width;
}

// Greedy word wrap; CLI11 indents the lines of a description after the first.
std::string Wrapped(std::string_view text, std::size_t width, std::string_view indent = {})
{
    std::string out, line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (!line.empty() && DisplayWidth(line) + 1 + DisplayWidth(word) > width) {
            out += std::string(indent) + line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + std::string(word);
        start = end + 1;
    }
    return out + std::string(indent) + line;
}

CLI::Option* AddText(CLI::App& app, const std::string& name, std::optional<std::string>& slot,
                     const std::string& help)
{
    return app.add_option_function<std::string>(
        name, [&slot](const std::string& v) { slot = v; }, help);
}

std::string TypeName(const NumericInput& input)
{
    std::string type;
    for (char c : input.Unit)
        type += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return type;
}

// The window's label and the range each in one piece.
std::string NumericHelp(const NumericInput& input)
{
    const std::string label = "(\"" + WindowLabel(input) + "\"),";
    const std::string both = std::string(input.Quantity) + " " + label;
    return (DisplayWidth(both) <= DescriptionWidth ? both : std::string(input.Quantity) + "\n" + label) +
           "\n" + DescribeRange(input);
}

std::string Paragraph(std::string_view title, std::string_view text)
{
    return std::string(title) + ":\n" + Wrapped(text, NotesWidth - NotesIndent.size(), NotesIndent) + "\n\n";
}

std::string Notes()
{
    return Paragraph(
               "Numbers",
               "Values are read as the window's controls hold them: the depth in tenths of a millimetre, "
               "the feed in hundredths, the speed and the angles in whole units. A value between two steps "
               "(a depth of 0.25 mm, say) or outside a control's range is refused. A comma is taken for the "
               "decimal point as well (0,17). Every number printed has a decimal point, whatever the "
               "locale.") +
           Paragraph(
               "Output",
               "The inputs as the simulation holds them; whether the tool material suits the work material "
               "(if not, the forces rise by the mismatch factor " +
                   FormatShortest(UnsuitableToolFactor) +
                   "); MainForce, the chip-flow angle (rad), F1 (main cutting resistance), F2 (penetration "
                   "resistance), F3 (resistance of the feed motion), their resultant (N) and the cutting "
                   "power F1 v / 60000 (kW). The table gives the forces to 2 decimals and the angle to 4; "
                   "CSV gives every result to 10 significant digits.") +
           Paragraph("Sweep",
                     "With --sweep NAME=FROM:TO:COUNT the calculator computes COUNT evenly spaced values "
                     "of one input, FROM and TO included, and prints one CSV row for each. NAME is one of " +
                         NumericInputNames() +
                         ". Every value must fall on a step of its control (a refusal lists the counts "
                         "that fit), and the swept input must not be given as an option too.") +
           Paragraph("Exit status",
                     std::to_string(ExitOk) + " done; " + std::to_string(ExitUsage) +
                         " the command line is refused (an unknown option, a value out of range "
                         "or off its step, an unknown or missing material); " +
                         std::to_string(ExitFailure) + " nothing could be computed or written.") +
           // One command a line after a prompt: the manual page's examples (help2man).
           R"(Examples:
  $ otpor-rezanja-calc --work C1633 --tool P30
  $ otpor-rezanja-calc --work C4130 --tool P40:2 --depth 0.2 --feed 0.17 --csv
  $ otpor-rezanja-calc --work "SL 200" --tool K40 --depth 2 --feed 0.3
  $ otpor-rezanja-calc --work "SL 200" --tool K40 --speed 100 --approach 90
  $ otpor-rezanja-calc --work C1633 --tool P30 --sweep feed=0.05:0.50:10
  $ otpor-rezanja-calc --list-materials)";
}

} // namespace

void AddCalcOptions(CLI::App& app, CalcOptions& options)
{
    app.name(std::string(CalcProgramName));
    app.description(
        Wrapped("Cutting resistance in external longitudinal turning: the forces F1, F2 and F3 that "
                "the simulation \"Odredjivanje otpora rezanja pri struganju\" computes, for one tool "
                "and regime.",
                NotesWidth));
    app.get_formatter()->column_width(HelpColumnWidth);

    AddText(app, "--work", options.WorkMaterial,
            Wrapped("work material (\"" + std::string(WorkMaterialPrompt) +
                        "\"), by its text in the window's list or its row; required",
                    DescriptionWidth))
        ->type_name("TEXT|ROW");
    AddText(
        app, "--tool", options.ToolMaterial,
        Wrapped(
            "tool material (\"" + std::string(ToolMaterialPrompt) +
                "\"), by its text or its row; \"P40\" stands in rows 2 and 3, which differ: give P40:2 or "
                "P40:3; required",
            DescriptionWidth))
        ->type_name("TEXT|ROW");
    for (const NumericInput& input : NumericInputs)
        AddText(app, "--" + std::string(input.Name), options.Numeric[IndexOf(input)], NumericHelp(input))
            ->type_name(TypeName(input))
            ->default_str(FormatControlValue(input, input.Control().Value));
    app.add_flag("--csv", options.Csv, "print CSV with a header line instead of the table");
    AddText(app, "--sweep", options.Sweep,
            Wrapped("vary one input over COUNT values from FROM to TO; prints CSV", DescriptionWidth))
        ->type_name("NAME=FROM:TO:COUNT");
    app.add_flag("--list-materials", options.ListMaterials, "print the work and tool materials and exit");
    app.set_version_flag("--version", std::string(CalcProgramName) + " " + OTPOR_VERSION);
    app.footer(Notes());
}

} // namespace otpor
