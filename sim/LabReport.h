// What both front-ends offer on the two pictures for a lab report: the items
// of the pictures' menu and the names proposed for the files they save. The
// oscillogram's data is written by OscillogramCsv.
#pragma once

#include <string>
#include <string_view>

namespace otpor {

inline constexpr std::string_view CopyPictureItem = "Kopiraj sliku";
inline constexpr std::string_view SavePictureItem = "Sačuvaj sliku…";
// On the oscillograph only.
inline constexpr std::string_view SaveDataItem = "Sačuvaj podatke (CSV)…";
// On the page only: the link that opens the page with the current inputs.
inline constexpr std::string_view CopyLinkItem = "Kopiraj vezu";

// The pictures' names: the oscillograph's title, and what a screen reader
// calls them and their menus.
inline constexpr std::string_view AnimationName = "Animacija struganja";
inline constexpr std::string_view OscillographName = "Oscilograf";

// What a screen reader names a picture's menu by (a popup shows no title).
inline std::string PictureMenuTitle(std::string_view picture)
{
    return "Meni: " + std::string(picture);
}

inline constexpr std::string_view PictureFileName = "animacija.png";
inline constexpr std::string_view ChartFileName = "oscilogram.png";
inline constexpr std::string_view DataFileName = "oscilogram.csv";

} // namespace otpor
