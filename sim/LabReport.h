// What both front-ends offer on the two pictures for a lab report: the items
// of the pictures' menu and the names proposed for the files they save. The
// oscillogram's data is written by OscillogramCsv.
#pragma once

#include <string_view>

namespace otpor {

inline constexpr std::string_view CopyPictureItem = "Kopiraj sliku";
inline constexpr std::string_view SavePictureItem = "Sačuvaj sliku…";
// On the oscillograph only.
inline constexpr std::string_view SaveDataItem = "Sačuvaj podatke (CSV)…";
// On the page only: the link that opens the page with the current inputs.
inline constexpr std::string_view CopyLinkItem = "Kopiraj vezu";

inline constexpr std::string_view PictureFileName = "animacija.png";
inline constexpr std::string_view ChartFileName = "oscilogram.png";
inline constexpr std::string_view DataFileName = "oscilogram.csv";

} // namespace otpor
