#include "PictureTestFiles.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {
void append16(QByteArray& bytes, std::uint32_t value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}
void append32(QByteArray& bytes, std::uint32_t value) {
    append16(bytes, value & 0xFFFF);
    append16(bytes, value >> 16);
}
} // namespace

QByteArray bmpFile(const BmpLayout& layout, const std::vector<std::uint8_t>& pixels) {
    const bool core = layout.headerSize == 12;
    const int entrySize = core ? 3 : 4;
    const int masksAfterHeader =
        layout.headerSize == 40 ? 4 * static_cast<int>(layout.masks.size()) : 0;
    const int offset = 14 + layout.headerSize + masksAfterHeader +
                       entrySize * static_cast<int>(layout.palette.size());
    QByteArray bytes("BM");
    append32(bytes, static_cast<std::uint32_t>(offset + pixels.size()));
    append32(bytes, 0);
    append32(bytes, static_cast<std::uint32_t>(offset));
    append32(bytes, static_cast<std::uint32_t>(layout.headerSize));
    if (core) {
        append16(bytes, static_cast<std::uint32_t>(layout.width));
        append16(bytes, static_cast<std::uint32_t>(layout.height));
        append16(bytes, 1);
        append16(bytes, static_cast<std::uint32_t>(layout.bitCount));
    } else {
        append32(bytes, static_cast<std::uint32_t>(layout.width));
        append32(bytes, static_cast<std::uint32_t>(layout.height));
        append16(bytes, 1);
        append16(bytes, static_cast<std::uint32_t>(layout.bitCount));
        append32(bytes, layout.compression);
        append32(bytes, static_cast<std::uint32_t>(pixels.size()));
        append32(bytes, 3780);
        append32(bytes, 3780);
        append32(bytes, static_cast<std::uint32_t>(layout.palette.size()));
        append32(bytes, 0);
        const qsizetype headerEnd = bytes.size() + layout.headerSize - 40;
        for (std::uint32_t mask : layout.masks)
            append32(bytes, mask);
        if (layout.headerSize > 40)
            bytes.resize(headerEnd, '\0');
    }
    for (QRgb colour : layout.palette) {
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        if (!core)
            bytes.append('\0');
    }
    bytes.append(reinterpret_cast<const char*>(pixels.data()),
                 static_cast<qsizetype>(pixels.size()));
    return bytes;
}

QByteArray libjpegFile(int width, int height, int space, int components, bool adobeMarker,
                       const SampleSource& samples, bool progressive) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &output, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = static_cast<J_COLOR_SPACE>(space);
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    info.write_Adobe_marker = adobeMarker;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width * components));
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x)
            samples(x, static_cast<int>(info.next_scanline), row.data() + x * components);
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(output), static_cast<qsizetype>(size));
    std::free(output);
    return bytes;
}
