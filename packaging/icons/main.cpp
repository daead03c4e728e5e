// Draws the program's icons into the folder given on the command line (the
// build's `icons` target passes app/icons/), one PNG for each size and the scalable SVG.
#include "packaging/icons/IconPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    try {
        QGuiApplication app(argc, argv);
        const QDir out(QString::fromLocal8Bit(argv[1]));
        if (!out.mkpath(QStringLiteral("."))) {
            std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
            return 1;
        }
        for (const int size : otpor::qt::IconSizes) {
            const QString path = out.filePath(otpor::qt::IconFileName(size));
            if (!otpor::qt::RenderAppIcon(size, otpor::qt::StyleForSize(size)).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
            std::printf("%s\n", qPrintable(path));
        }
        const QString svgPath = out.filePath(otpor::qt::ScalableIconFileName());
        QSaveFile svg(svgPath);
        if (!svg.open(QIODevice::WriteOnly) || svg.write(otpor::qt::RenderAppIconSvg()) < 0 ||
            !svg.commit()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
            return 1;
        }
        std::printf("%s\n", qPrintable(svgPath));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
