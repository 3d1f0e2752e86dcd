// SPDX-License-Identifier: GPL-3.0-or-later
// make_assets: paints the game's pictures and writes them into the given folder
// (normally assets/): logo.jpg, texture1.jpg, texture2.jpg, photo1.jpg, photo2.jpg, each also
// as name@2x.jpg at twice the size for high-resolution screens, and the icon at every size a
// desktop asks for, icon_16.png .. icon_256.png (icon.png is the 64).
// The same sources and fonts give the same files on every run.
#include "jpeg_writer.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kJpegQuality = 85;

struct Picture
{
    std::string fileName;
    std::function<QImage()> paint;
};

bool writePng(const QImage& image, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // Painting text needs a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "make_assets: cannot create %s\n", argv[1]);
        return 1;
    }

    using namespace mirvalon::assets;
    const std::pair<std::string, QImage (*)(int)> windowPictures[] = {
        {"logo", paintLogo},
        {"texture1", paintWoodTexture},
        {"texture2", paintMarbleTexture},
        {"photo1", paintLakeLandscape},
        {"photo2", paintMistyEvening},
    };
    std::vector<Picture> pictures;
    // Each picture also at twice the size, for screens of device-pixel ratio 2.
    for (const auto& [name, paint] : windowPictures) {
        pictures.push_back({name + ".jpg", [paint] { return paint(1); }});
        pictures.push_back({name + "@2x.jpg", [paint] { return paint(2); }});
    }
    pictures.push_back({"icon.png", [] { return paintIcon(kClassicIconSize); }});
    for (const int size : kIconSizes)
        pictures.push_back(
            {"icon_" + std::to_string(size) + ".png", [size] { return paintIcon(size); }});
    for (const Picture& picture : pictures) {
        const QString path = folder.filePath(QString::fromStdString(picture.fileName));
        const QImage image = picture.paint();
        QString error;
        const bool ok = path.endsWith(QLatin1String(".png"))
                            ? writePng(image, path, &error)
                            : writeJpeg(image, path, kJpegQuality, &error);
        if (!ok) {
            std::fprintf(stderr, "make_assets: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("%s  %d x %d\n", qPrintable(path), image.width(), image.height());
    }
    return 0;
}
