// Writes the desktop program's two pictures after a fixed run, for the
// browser test that compares the page's pictures with them: the main window
// with the separators pinned to "," and ".", "C1633" and "P30" chosen,
// "Proces" pressed and the timer's handler run a given number of times.
// Usage: otpor-web-reference DIR TICKS; writes DIR/picture.ppm and
// DIR/chart.ppm (binary PPM, RGB), and DIR/oscillogram.csv, the data as the
// pictures' menu saves it.
#include "app/TImage.h"
#include "app/Unit1.h"
#include "chart/qt/TChartWidget.h"
#include "platform/Color.h"
#include "platform/qt/Runtime.h"
#include "sim/OscillogramCsv.h"
#include "tests/support/Choose.h"

#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPalette>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

bool WritePpm(const QImage& image, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width() << ' ' << image.height() << "\n255\n";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const char rgb[] = {static_cast<char>(qRed(p)), static_cast<char>(qGreen(p)),
                                static_cast<char>(qBlue(p))};
            out.write(rgb, sizeof rgb);
        }
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DIR TICKS\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const int ticks = std::atoi(argv[2]);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    otpor::qt::RegisterFallbackFonts();
    // The page has no desktop palette: it draws with the classic system
    // colours (the chart's bevel uses them), so the desktop is given the same.
    const otpor::SystemColors classic;
    const auto qcolor = [](otpor::TColor c) {
        return QColor(otpor::GetRValue(c), otpor::GetGValue(c), otpor::GetBValue(c));
    };
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, qcolor(classic.BtnFace));
    palette.setColor(QPalette::Light, qcolor(classic.BtnHighlight));
    palette.setColor(QPalette::Dark, qcolor(classic.BtnShadow));
    palette.setColor(QPalette::WindowText, qcolor(classic.WindowText));
    QApplication::setPalette(palette);
    QDir().mkpath(QString::fromStdString(dir));

    otpor::TForm1 form(otpor::FormatSettings{",", "."});
    otpor::test::ChooseC1633AndP30(form);
    form.Button2Click();
    for (int i = 0; i < ticks; ++i)
        form.Timer1Timer();
    form.Button3Click();
    // The chart draws its picture when it is painted.
    form.Chart1->grab();
    const QImage* chart = form.Chart1->Picture();
    if (!chart)
        return 1;
    std::ofstream csv(dir + "/oscillogram.csv", std::ios::binary);
    csv << otpor::OscillogramCsv(form.State());
    const bool ok = WritePpm(form.Image1->Picture(), dir + "/picture.ppm") &&
                    WritePpm(*chart, dir + "/chart.ppm") && static_cast<bool>(csv.flush());
    return ok ? 0 : 1;
}
