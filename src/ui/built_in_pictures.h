// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures (the logo, two textures, two photos, each also at twice the size),
// decoded from assets/ by the game's own decoder while the program is built and carried in the
// program file. Showing one reads its pixels from there: the game neither decodes a picture at
// start nor holds a copy of it in its own memory, and pages of pictures never shown are never
// read.
#pragma once

#include <QImage>

namespace mirvalon {

// The picture by its name in assets/ without ".jpg" ("logo", "photo1", ...) for a screen of
// the given device-pixel ratio. Above 1 it is the "@2x" picture: twice the pixels, marked with
// ratio 2 so that it covers the same place on the window, only sharper. In
// QImage::Format_RGB888 over the program's own bytes, which painting reads in place; nothing
// may paint into it. Null for a name the program lacks.
QImage builtInPicture(const char* name, qreal devicePixelRatio);

namespace pictures {

// Written by the build (src/ui/CMakeLists.txt): per picture its bytes at sizes 1 and 2, each a
// head of four little-endian 32-bit words (width, height, bytes per row, zero) and the rows.
// They lie in a writable section of the program file: its pages stay the file's as long as
// nothing writes to them, so an image over them takes its pixel ratio in place (Qt copies a
// read-only image to change it), and a stray write would cost one copied page, never a crash.
struct Bytes
{
    const char* name;
    unsigned char* begin[2];
    unsigned char* end[2];
};
extern const Bytes kBuiltIn[];
extern const int kBuiltInCount;

} // namespace pictures

} // namespace mirvalon
