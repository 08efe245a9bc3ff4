#include "JpegDecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <QFile>

#include "CalcError.h"

namespace {

// More than this many pixels is refused before anything is allocated: no
// reference page comes near it, and a damaged header may claim gigapixels.
constexpr unsigned long long kMaxPixels = 40'000'000ULL;

struct ErrorManager {
    jpeg_error_mgr base;  // first member: libjpeg sees only this
    std::jmp_buf escape;
    int code;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->code = manager->base.msg_code;
    std::longjmp(manager->escape, 1);
}

// Corrupt-data warnings (level -1) end the decoding too: a damaged page is
// not shown half grey. Trace messages are ignored.
void EmitMessage(j_common_ptr info, int level) {
    if (level < 0) ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

// Decodes into `image`; returns -1, or the libjpeg message code of the failure. No C++ object
// with a destructor lives between setjmp and a longjmp back to it.
int DecodeInto(const unsigned char* data, std::size_t size, QImage* image) {
    jpeg_decompress_struct info;
    ErrorManager manager;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = ErrorExit;
    manager.base.emit_message = EmitMessage;
    manager.base.output_message = OutputMessage;
    manager.code = 0;
    if (setjmp(manager.escape)) {
        jpeg_destroy_decompress(&info);
        return manager.code;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (static_cast<unsigned long long>(info.image_width) * info.image_height > kMaxPixels) {
        info.err->msg_code = JERR_IMAGE_TOO_BIG;
        ErrorExit(reinterpret_cast<j_common_ptr>(&info));
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        info.err->msg_code = JERR_OUT_OF_MEMORY;
        ErrorExit(reinterpret_cast<j_common_ptr>(&info));
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return -1;
}

}  // namespace

QImage DecodeJpeg(std::span<const unsigned char> bytes) {
    QImage image;
    const int code = DecodeInto(bytes.data(), bytes.size(), &image);
    if (code >= 0) throw CalcError("JPEG error #" + std::to_string(code));
    return image;
}

QImage DecodeJpegFile(const QString& path, const QString& shownName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw CalcError("Cannot open file " + shownName.toStdString());
    if (file.size() > 64 * 1024 * 1024) throw CalcError("JPEG error #" + std::to_string(JERR_IMAGE_TOO_BIG));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw CalcError("Cannot open file " + shownName.toStdString());
    return DecodeJpeg(
        {reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
}
