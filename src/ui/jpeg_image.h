// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the window's JPEG pictures (logo, textures, photos) with libjpeg while the program is
// built (built_in_pictures.h), and encodes the board pictures the player saves. A damaged or
// truncated picture gives a null image, never a crash or an exit.
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

// Quality of a saved board picture: sharp text and pegs at a fraction of a bitmap's size.
constexpr int kJpegSaveQuality = 90;

// The whole JPEG file of `image` (baseline, quality 0..100); empty when the image is null or
// libjpeg fails.
QByteArray encodeJpeg(const QImage& image, int quality = kJpegSaveQuality);

} // namespace mirvalon
