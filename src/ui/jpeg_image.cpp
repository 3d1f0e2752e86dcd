#include "ui/jpeg_image.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace mirvalon {

namespace {

struct ErrorTrap
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void trapError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}

// libjpeg only warns about a truncated or corrupt stream and fills the rest with grey;
// for the game's own pictures that is damage, so a warning ends the decoding too.
void trapWarning(j_common_ptr cinfo, int level)
{
    if (level < 0)
        trapError(cinfo);
}

// Decodes into *out. Written in the manner of C: a libjpeg error leaves it by longjmp, so
// no object with a destructor may live in it across a libjpeg call.
bool decodeInto(const unsigned char* bytes, unsigned long size, QImage* out)
{
    jpeg_decompress_struct cinfo;
    ErrorTrap trap;
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = trapError;
    trap.manager.emit_message = trapWarning;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&cinfo);
        *out = QImage();
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes, size);
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > kJpegMaxSide || cinfo.image_height > kJpegMaxSide ||
        cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Four bytes a pixel in the order of QImage::Format_RGB32 on this machine; libjpeg sets
    // the fourth byte to 0xFF, as that format wants.
    cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&cinfo);
    *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                  QImage::Format_RGB32);
    if (out->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    QImage image;
    if (data.isEmpty())
        return image;
    if (!decodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), &image))
        return QImage();
    return image;
}

QImage loadJpegResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return decodeJpeg(file.readAll());
}

} // namespace mirvalon
