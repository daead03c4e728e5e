// The program's icon, drawn in code so that the committed pictures under
// app/icons/ can be made again: a bar in the lathe's chuck, turned down to a
// smaller diameter behind a turning tool whose cutting edge carries a red
// force arrow. Drawn in a 32-unit square scaled to the pixel size asked for.
// The 32 x 32 window icon keeps to the classic 16-colour palette without
// smoothing; the other theme icons and the scalable one are smoothed and shaded.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>

namespace otpor::qt {

enum class IconStyle {
    Palette16, // flat colours of the 16-colour palette, no antialiasing
    Smooth,    // gradients and antialiased edges
};

// The window icon's size in pixels; it is also the smallest theme icon.
inline constexpr int WindowIconSize = 32;
// Every size, in pixels, that is drawn and installed into the icon theme
// (besides the scalable picture).
inline constexpr std::array<int, 6> IconSizes = {16, WindowIconSize, 48, 64, 128, 256};
// At most this many colours, the transparent one included, in the window icon.
inline constexpr int WindowIconColours = 16;

// The style each size is drawn in: the window icon in the palette, the rest smooth.
IconStyle StyleForSize(int size);

// The picture at size x size pixels. A Palette16 picture is an indexed image
// whose colour table holds only the colours it uses (transparency included).
QImage RenderAppIcon(int size, IconStyle style);

// The smooth drawing as an SVG document whose view box is the drawing's own
// square, for the icon theme's scalable folder.
QByteArray RenderAppIconSvg();

// The file name under app/icons/ of the picture of that size.
QString IconFileName(int size);

// The file name under app/icons/ of the scalable picture.
QString ScalableIconFileName();

// The web page's icons under web/icons/, for its manifest: the smooth
// drawing at each size, and one maskable picture, which a platform may cut to
// any shape within the central circle of 80 % of its size: the drawing inside
// that circle on the page's ground colour.
inline constexpr std::array<int, 2> WebIconSizes = {192, 512};
inline constexpr int MaskableIconSize = 512;
// The ground of the maskable icon: the page's desktop colour behind the form.
inline constexpr QRgb MaskableGround = 0xFF3A6EA5;
QImage RenderMaskableIcon(int size);
QString WebIconFileName(int size);
QString MaskableIconFileName();

} // namespace otpor::qt
