#include "platform/Color.h"

namespace otpor {

SystemColors& CurrentSystemColors()
{
    static SystemColors colors;
    return colors;
}

TColor ColorToRGB(TColor c)
{
    const SystemColors& sys = CurrentSystemColors();
    switch (c) {
    case clBtnFace:
        return sys.BtnFace;
    case clBtnShadow:
        return sys.BtnShadow;
    case clBtnHighlight:
        return sys.BtnHighlight;
    case clWindowText:
        return sys.WindowText;
    default:
        return c & 0x00FFFFFFu;
    }
}

} // namespace otpor
