#include "cli/MaterialChoice.h"

#include "cli/UsageError.h"
#include "platform/Convert.h"
#include "sim/InputSettings.h"

namespace otpor {

namespace {

struct ListWords {
    std::string_view Option; // "--work"
    std::string_view Kind;   // "work material"
};

ListWords WordsOf(MaterialList list)
{
    return list == MaterialList::Work ? ListWords{"--work", "work material"}
                                      : ListWords{"--tool", "tool material"};
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string Choices(MaterialList list)
{
    std::string text;
    for (int row = 1; row <= MaterialCount(list); ++row)
        text += (row > 1 ? ", " : "") + Quoted(MaterialName(list, row));
    return text + " (or the row, 1 ... " + std::to_string(MaterialCount(list)) + ")";
}

int FindMaterial(MaterialList list, std::string_view text)
{
    const ParsedMaterial m = ParseMaterial(list, text);
    const ListWords words = WordsOf(list);
    const std::string kind(words.Kind);
    auto refuse = [&](const std::string& why) { throw UsageError(std::string(words.Option) + ": " + why); };
    switch (m.Refusal) {
    case MaterialRefusal::NoSuchRow:
        refuse("there is no row " + std::string(m.Digits) + " of the " + kind + "s; they are " +
               Choices(list));
        break;
    case MaterialRefusal::Unknown:
        refuse("unknown " + kind + " " + Quoted(Trimmed(text)) + "; the " + kind + "s are " + Choices(list));
        break;
    case MaterialRefusal::NotThatRow:
        refuse("row " + std::to_string(m.GivenRow) + " is " + Quoted(MaterialName(list, m.GivenRow)) +
               ", not " + Quoted(m.Name));
        break;
    case MaterialRefusal::SeveralRows: {
        std::string which;
        for (std::size_t i = 0; i < m.Rows.size(); ++i)
            which += std::string(i ? " or " : "") + MaterialText(list, m.Rows[i]);
        refuse(Quoted(MaterialName(list, m.Rows.front())) + " stands in several rows of the " + kind +
               "s, which differ in the work materials they suit; give " + which);
        break;
    }
    case MaterialRefusal::None:
        break;
    }
    return m.Row;
}

} // namespace

int FindWorkMaterial(std::string_view text)
{
    return FindMaterial(MaterialList::Work, text);
}

int FindToolMaterial(std::string_view text)
{
    return FindMaterial(MaterialList::Tool, text);
}

std::string ToolMaterialText(int row)
{
    return MaterialText(MaterialList::Tool, row);
}

} // namespace otpor
