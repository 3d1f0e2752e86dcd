#include "jpeg_writer.h"

#include <QSaveFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace mirvalon::assets {

namespace {

struct ErrorTrap
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void trapError(j_common_ptr cinfo)
{
    auto* trap = reinterpret_cast<ErrorTrap*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, trap->message);
    std::longjmp(trap->jump, 1);
}

// Encodes into a malloc'ed buffer. Kept free of C++ objects with destructors, because a
// libjpeg error leaves it by longjmp.
bool encode(const QImage* rgb, int quality, unsigned char** buffer, unsigned long* size,
            char* message)
{
    jpeg_compress_struct cinfo;
    ErrorTrap trap;
    trap.message[0] = '\0';
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = trapError;
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", trap.message);
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
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb->constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    if (!encode(&rgb, quality, &buffer, &size, message)) {
        std::free(buffer);
        *error = QStringLiteral("cannot encode %1: %2").arg(path, QString::fromLocal8Bit(message));
        return false;
    }
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char*>(buffer),
                                    static_cast<qint64>(size)) == static_cast<qint64>(size) &&
                         file.commit();
    std::free(buffer);
    if (!written)
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return written;
}

} // namespace mirvalon::assets
