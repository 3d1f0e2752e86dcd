// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/jpeg_image.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

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
    // Three bytes a pixel, red first, as QImage::Format_RGB888 keeps them: the program file
    // carries every picture so, and a fourth byte would only be padding.
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                  QImage::Format_RGB888);
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

// Encodes *rgb (Format_RGB888) into a buffer that libjpeg allocates with malloc; *buffer and
// *size then hold the file, which the caller frees even after a failure. Written in the manner
// of C, as decodeInto.
bool encodeInto(const QImage* rgb, int quality, unsigned char** buffer, unsigned long* size)
{
    jpeg_compress_struct cinfo;
    ErrorTrap trap;
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = trapError;
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb->width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb->height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    cinfo.write_JFIF_header = TRUE;
    cinfo.density_unit = 1; // dots per inch: the window is laid out at 96 dpi
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg only reads the rows; its interface predates const.
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb->constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return QByteArray();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = encodeInto(&rgb, std::clamp(quality, 0, 100), &buffer, &size);
    QByteArray file;
    if (done && buffer != nullptr)
        file = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return file;
}

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

} // namespace mirvalon
