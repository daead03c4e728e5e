// Colours as the pictures store them: 0x00BBGGRR, red in the low byte.
// Inside the chart 0x80000000 marks "no colour of its own" and clNone means
// "draw nothing"; the system colours are resolved by ColorToRGB.
#pragma once

#include <cstdint>

namespace otpor {

using TColor = std::uint32_t;

// RGB(r, g, b) = r + 256 g + 65536 b, each component taken as a byte.
constexpr TColor RGB(int r, int g, int b)
{
    return (static_cast<TColor>(r) & 0xFFu) | ((static_cast<TColor>(g) & 0xFFu) << 8) |
           ((static_cast<TColor>(b) & 0xFFu) << 16);
}

constexpr int GetRValue(TColor c)
{
    return static_cast<int>(c & 0xFFu);
}
constexpr int GetGValue(TColor c)
{
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int GetBValue(TColor c)
{
    return static_cast<int>((c >> 16) & 0xFFu);
}

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clGray = 0x00808080;
// The oscillograph's light yellow, RGB(255, 255, 128).
inline constexpr TColor clLightYellow = 0x0080FFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
// A colour property without a colour of its own; it falls back to its owner's.
inline constexpr TColor clNoOwnColor = 0x80000000;
// What a caller passes to ask for clNoOwnColor.
inline constexpr TColor clDefaultPointColor = 0x20000000;

// System colours: the high bit marks an index into the system's palette.
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor clWindowText = 0x80000008;

inline constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000u) == 0x80000000u && c != clNoOwnColor;
}

// The palette the system colours resolve to: the classic light set until the
// program takes the desktop's own at start, all four from one palette.
struct SystemColors {
    TColor BtnFace = RGB(240, 240, 240);
    TColor BtnShadow = RGB(160, 160, 160);
    TColor BtnHighlight = RGB(255, 255, 255);
    TColor WindowText = RGB(0, 0, 0);
};

SystemColors& CurrentSystemColors();

// A plain 0x00BBGGRR value for any colour; system colours are looked up.
TColor ColorToRGB(TColor c);

} // namespace otpor
