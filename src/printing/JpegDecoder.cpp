#include "printing/JpegDecoder.h"

#include <QCoreApplication>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared
#include <cstring>
#include <jpeglib.h>

namespace cw::printing {

namespace {

// libjpeg reports errors through a callback that must not return. It jumps back into
// decodeInto, whose frame holds no object with a destructor, so nothing is skipped.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failDecoding(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (level -1) are corrupt data that libjpeg would paper over; they fail the decoding.
void onMessage(j_common_ptr info, int level) {
    if (level < 0)
        failDecoding(info);
}

// Decodes into image, which it allocates once the size is known; false with the message set
// when anything went wrong.
bool decodeInto(const QByteArray& bytes, QImage& image, ErrorManager& errors) {
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    errors.base.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        std::strcpy(errors.message, "not enough memory for the decoded picture");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

Result<QImage> decodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return Error{QCoreApplication::translate("JpegDecoder", "The picture is empty.")};
    QImage image;
    ErrorManager errors{};
    if (!decodeInto(bytes, image, errors))
        return Error{
            QCoreApplication::translate("JpegDecoder", "The picture cannot be decoded: %1.")
                .arg(QString::fromLocal8Bit(errors.message))};
    return image;
}

} // namespace cw::printing
