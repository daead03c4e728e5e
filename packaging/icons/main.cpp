// Draws the program's icons into the folders given on the command line (the
// build's `icons` target passes app/icons/ and web/icons/): one PNG for each
// size and the scalable SVG into the first, the web page's icons into the second.
#include "packaging/icons/IconPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON-FOLDER WEB-ICON-FOLDER\n", argv[0]);
        return 2;
    }
    try {
        QGuiApplication app(argc, argv);
        const QDir out(QString::fromLocal8Bit(argv[1]));
        const QDir web(QString::fromLocal8Bit(argv[2]));
        for (const QDir& folder : {out, web})
            if (!folder.mkpath(QStringLiteral("."))) {
                std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder.path()));
                return 1;
            }
        auto save = [](const QImage& image, const QString& path) {
            if (!image.save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return false;
            }
            std::printf("%s\n", qPrintable(path));
            return true;
        };
        for (const int size : otpor::qt::IconSizes)
            if (!save(otpor::qt::RenderAppIcon(size, otpor::qt::StyleForSize(size)),
                      out.filePath(otpor::qt::IconFileName(size))))
                return 1;
        for (const int size : otpor::qt::WebIconSizes)
            if (!save(otpor::qt::RenderAppIcon(size, otpor::qt::IconStyle::Smooth),
                      web.filePath(otpor::qt::WebIconFileName(size))))
                return 1;
        if (!save(otpor::qt::RenderMaskableIcon(otpor::qt::MaskableIconSize),
                  web.filePath(otpor::qt::MaskableIconFileName())))
            return 1;
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
