// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the window's JPEG pictures (logo, textures, photos) with libjpeg, and encodes the
// board pictures the player saves. A damaged or truncated picture gives a null image, never a
// crash or an exit.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mirvalon {

// Pictures larger than this on either side are refused as damaged: none of the game's are.
constexpr int kJpegMaxSide = 8192;

// The decoded picture in QImage::Format_RGB888, or a null image when data is not a whole,
// sound JPEG picture (any libjpeg warning, such as missing data, counts as damage).
QImage decodeJpeg(const QByteArray& data);

// Reads a picture compiled into the program, such as ":/assets/logo.jpg"; null when the
// resource is missing or damaged.
QImage loadJpegResource(const QString& path);

// The picture at `path` for a screen of the given device-pixel ratio. Above 1 it is the
// "@2x" file beside it ("logo@2x.jpg" for "logo.jpg"): twice the pixels, marked with ratio 2
// so that it covers the same place on the window, only sharper. Without a sound "@2x" file,
// the picture itself. Null when that is missing or damaged too.
QImage loadJpegPicture(const QString& path, qreal devicePixelRatio);

// Quality of a saved board picture: sharp text and pegs at a fraction of a bitmap's size.
constexpr int kJpegSaveQuality = 90;

// The whole JPEG file of `image` (baseline, quality 0..100); empty when the image is null or
// libjpeg fails.
QByteArray encodeJpeg(const QImage& image, int quality = kJpegSaveQuality);

} // namespace mirvalon
