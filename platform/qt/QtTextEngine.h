// The pictures' text on the desktop: Qt's glyphs, measured on a device of no
// ratio (as at a scale of 1) and aliased at a scale of 1, as the pictures are
// specified per pixel; smooth (antialiased) at any other scale.
#pragma once

#include "platform/TextEngine.h"

#include <QFont>
#include <QFontMetrics>

#include <vector>

namespace otpor::qt {

class QtTextEngine final : public TextEngine {
protected:
    FaceMetrics OpenFace(std::size_t face, const std::string& name, int pixels, bool bold,
                         bool italic) override;
    int MeasureWidth(std::size_t face, std::string_view text) override;
    int Advance64(std::size_t face, char c) override;
    bool AdvancesAdd(std::size_t face, char first, char second) override;
    void Render(std::size_t face, std::string_view text, int angle, int cellLeft, int cellTop, double scale,
                int anchorX, int anchorY, int width, int height, std::uint8_t* coverage) override;

private:
    struct QtFace {
        // Measured with, and drawn with at a scale of 1.
        QFont Aliased;
        // Drawn with at any other scale.
        QFont Smooth;
        QFontMetrics Metrics;
        int Ascent;
    };
    std::vector<QtFace> faces_;
};

} // namespace otpor::qt
