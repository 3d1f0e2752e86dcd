// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures decode whole and the program carries them as decoded, and damaged
// pictures give a null image.
#include "ui/jpeg_image.h"

#include "picture_compare.h"
#include "ui/built_in_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

#include <random>
#include <string>

namespace mirvalon {
namespace {

QByteArray assetBytes(const char* name)
{
    QFile file(QStringLiteral(MIRVALON_ASSETS "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Each picture decodes whole, as an independent decoder sees it, and the program carries it
// exactly as the game's decoder gives it. On a high-resolution screen each picture is its "@2x"
// file: the same picture painted at twice the pixels; on an ordinary screen nothing changes.
// (Their sizes are checked against their places in the window by the high-resolution test.)
TEST(JpegImage, highResolutionScreensGetEachPicturePaintedAtTwiceItsSize)
{
    for (const char* name : {"logo", "texture1", "texture2", "photo1", "photo2"}) {
        SCOPED_TRACE(name);
        const QByteArray bytes = assetBytes((std::string(name) + ".jpg").c_str());
        const QImage small = decodeJpeg(bytes);
        ASSERT_FALSE(small.isNull());
        EXPECT_EQ(small.format(), QImage::Format_RGB888);
        // A picture, not a grey fill of missing data.
        EXPECT_GT(distinctColours(small), 500);
        // Channel order and rows as an independent decoder sees them; both sides round
        // their inverse transforms a little differently.
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        const QImage reference =
            QImageReader(&buffer, "jpeg").read().convertToFormat(QImage::Format_RGB32);
        if (!reference.isNull()) { // else no JPEG plugin in this Qt installation
            ASSERT_EQ(reference.size(), small.size());
            EXPECT_LE(test::channelDifference(small, reference).largest, 8);
        }

        const QImage ordinary = builtInPicture(name, 1.0);
        EXPECT_EQ(ordinary.devicePixelRatio(), 1.0);
        EXPECT_EQ(ordinary, small); // the same pixels in the same format
        const QImage sharpFile = decodeJpeg(assetBytes((std::string(name) + "@2x.jpg").c_str()));
        ASSERT_EQ(sharpFile.size(), small.size() * 2);
        for (const qreal ratio : {1.5, 2.0}) {
            const QImage sharp = builtInPicture(name, ratio);
            EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << ratio;
            EXPECT_EQ(sharp, sharpFile) << ratio;
        }
        const QImage reduced =
            sharpFile.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The same picture, in the same place: reduced again it is the small one but for
        // JPEG, grain and the edges of the type.
        EXPECT_LT(test::channelDifference(reduced, small).mean, 6.0);
    }
    EXPECT_TRUE(builtInPicture("no_such_picture", 1.0).isNull());
}

TEST(JpegImage, refusesDamagedPicturesWithoutCrashing)
{
    const QByteArray logo = assetBytes("logo.jpg");
    ASSERT_GT(logo.size(), 1000);
    std::mt19937 rng(20240501u);
    auto randomBytes = [&rng](int count) {
        QByteArray bytes(count, '\0');
        for (char& b : bytes)
            b = static_cast<char>(rng() & 0xFF);
        return bytes;
    };
    // The frame header holds the height two bytes after its length field.
    auto zeroHeight = [&logo]() {
        QByteArray bytes = logo;
        const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
        if (frame >= 0)
            bytes[frame + 5] = bytes[frame + 6] = '\0';
        return bytes;
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"start marker only", QByteArray("\xFF\xD8", 2)},
        {"cut inside the headers", logo.left(100)},
        {"cut halfway through the picture", logo.left(logo.size() / 2)},
        {"end marker missing", logo.left(logo.size() - 2)},
        {"frame of height zero", zeroHeight()},
        {"picture data replaced by noise", logo.left(logo.size() / 3) + randomBytes(4000)},
        {"random bytes", randomBytes(3000)},
        {"random bytes after a start marker", QByteArray("\xFF\xD8", 2) + randomBytes(3000)},
        {"a PNG picture", assetBytes("icon.png")},
    };
    for (const auto& [name, data] : cases)
        EXPECT_TRUE(decodeJpeg(data).isNull()) << name;
}

} // namespace
} // namespace mirvalon
