#include "ui/JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "ui/Resources.h"

namespace {

// libjpeg's default error handler calls exit(); this one jumps back into
// decodeJpeg instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr) {}  // warnings of damaged data stay quiet

// Keeps a hostile header from asking for gigabytes.
constexpr JDIMENSION maxSide = 16384;

}  // namespace

QImage decodeJpeg(const QByteArray &data)
{
    if (data.isEmpty())
        return QImage();

    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.output_message = onMessage;

    // Everything that must survive a longjmp lives outside this frame's
    // locals that change after setjmp, or is volatile.
    QImage *volatile result = new QImage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        delete result;
        return QImage();
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > maxSide
        || info.image_height > maxSide) {
        jpeg_destroy_decompress(&info);
        delete result;
        return QImage();
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    *result = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (result->isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        delete result;
        return QImage();
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    QImage image = *result;
    delete result;
    return image;
}

QImage jpegResource(const QString &path)
{
    initProgramResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return decodeJpeg(file.readAll());
}
