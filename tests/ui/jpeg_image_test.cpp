// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures decode whole, and damaged pictures give a null image.
#include "ui/jpeg_image.h"

#include "picture_compare.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>

namespace mirvalon {
namespace {

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
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

// Each picture decodes whole, as an independent decoder sees it. On a high-resolution screen
// each picture is its "@2x" file: the same picture painted at twice the pixels; on an
// ordinary screen nothing changes. (Their sizes are checked against their places in the
// window by the high-resolution test.)
TEST(JpegImage, highResolutionScreensGetEachPicturePaintedAtTwiceItsSize)
{
    for (const char* path : {":/assets/logo.jpg", ":/assets/texture1.jpg", ":/assets/texture2.jpg",
                             ":/assets/photo1.jpg", ":/assets/photo2.jpg"}) {
        SCOPED_TRACE(path);
        const QImage small = loadJpegResource(QString::fromLatin1(path));
        ASSERT_FALSE(small.isNull());
        EXPECT_EQ(small.format(), QImage::Format_RGB888);
        // A picture, not a grey fill of missing data.
        EXPECT_GT(distinctColours(small), 500);
        // Channel order and rows as an independent decoder sees them; both sides round
        // their inverse transforms a little differently.
        QByteArray bytes = resourceBytes(QString::fromLatin1(path));
        QBuffer buffer(&bytes);
        const QImage reference =
            QImageReader(&buffer, "jpeg").read().convertToFormat(QImage::Format_RGB32);
        if (!reference.isNull()) { // else no JPEG plugin in this Qt installation
            ASSERT_EQ(reference.size(), small.size());
            EXPECT_LE(test::channelDifference(small, reference).largest, 8);
        }

        const QImage ordinary = loadJpegPicture(QString::fromLatin1(path), 1.0);
        EXPECT_EQ(ordinary.devicePixelRatio(), 1.0);
        ASSERT_EQ(ordinary.size(), small.size());
        EXPECT_EQ(test::channelDifference(ordinary, small).largest, 0);
        for (const qreal ratio : {1.5, 2.0}) {
            const QImage sharp = loadJpegPicture(QString::fromLatin1(path), ratio);
            EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << ratio;
            ASSERT_EQ(sharp.size(), small.size() * 2) << ratio;
        }
        const QImage sharp = loadJpegPicture(QString::fromLatin1(path), 2.0);
        const QImage reduced =
            sharp.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The same picture, in the same place: reduced again it is the small one but for
        // JPEG, grain and the edges of the type.
        EXPECT_LT(test::channelDifference(reduced, small).mean, 6.0);
    }
}

// A picture without a sound "@2x" file is shown at its own size on any screen.
TEST(JpegImage, aPictureWithoutASoundDoubleSizeFileKeepsItsOwn)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray logo = resourceBytes(QStringLiteral(":/assets/logo.jpg"));
    const QString path = folder.filePath(QStringLiteral("logo.jpg"));
    struct Case
    {
        const char* twin; // the "@2x" file's bytes, none when null
        const char* what;
    };
    const Case cases[] = {{nullptr, "missing"}, {"\xFF\xD8\xFF\xE0 not a picture", "damaged"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile(path).remove();
        QFile twin(folder.filePath(QStringLiteral("logo@2x.jpg")));
        twin.remove();
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(logo);
        }
        if (c.twin) {
            ASSERT_TRUE(twin.open(QIODevice::WriteOnly));
            twin.write(c.twin);
            twin.close();
        }
        const QImage picture = loadJpegPicture(path, 2.0);
        EXPECT_EQ(picture.size(), QSize(230, 114));
        EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    }
}

TEST(JpegImage, refusesDamagedPicturesWithoutCrashing)
{
    const QByteArray logo = resourceBytes(QStringLiteral(":/assets/logo.jpg"));
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
    struct Case
    {
        const char* name;
        QByteArray data;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"start marker only", QByteArray("\xFF\xD8", 2)},
        {"cut inside the headers", logo.left(100)},
        {"cut halfway through the picture", logo.left(logo.size() / 2)},
        {"end marker missing", logo.left(logo.size() - 2)},
        {"frame of height zero", zeroHeight()},
        {"picture data replaced by noise", logo.left(logo.size() / 3) + randomBytes(4000)},
        {"random bytes", randomBytes(3000)},
        {"random bytes after a start marker", QByteArray("\xFF\xD8", 2) + randomBytes(3000)},
        {"a PNG picture", resourceBytes(QStringLiteral(":/assets/icon.png"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(decodeJpeg(c.data).isNull());
    }
}

TEST(JpegImage, missingResourceGivesNullImage)
{
    EXPECT_TRUE(loadJpegResource(QStringLiteral(":/assets/no_such_picture.jpg")).isNull());
}

TEST(JpegImage, windowIconIsCompiledIn)
{
    const QImage icon(QStringLiteral(":/assets/icon.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_GE(icon.width(), 32);
}

} // namespace
} // namespace mirvalon
