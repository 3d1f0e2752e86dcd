// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes one of the window's JPEG pictures while the program is built, with the game's own
// decoder, into the form the program carries in its file (built_in_pictures.h): a head of four
// little-endian 32-bit words (width, height, bytes per row, zero) and then the rows of RGB888
// pixels as the decoder laid them out.
// Usage: decode_pictures PICTURE.jpg OUTPUT
#include <QFile>
#include <QImage>
#include <cstdio>

#include "ui/jpeg_image.h"

namespace {

void appendWord(QByteArray& out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: decode_pictures PICTURE.jpg OUTPUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "decode_pictures: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage picture = mirvalon::decodeJpeg(in.readAll());
    if (picture.isNull() || picture.format() != QImage::Format_RGB888) {
        std::fprintf(stderr, "decode_pictures: %s is not a sound JPEG picture\n", argv[1]);
        return 1;
    }
    QByteArray out;
    appendWord(out, static_cast<quint32>(picture.width()));
    appendWord(out, static_cast<quint32>(picture.height()));
    appendWord(out, static_cast<quint32>(picture.bytesPerLine()));
    appendWord(out, 0);
    out.append(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.flush()) {
        std::fprintf(stderr, "decode_pictures: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
