#include "PictureTestFiles.h"

#include <QTemporaryFile>

#include <cstdio>
#include <cstdlib>

#include <gif_lib.h>

#include <jpeglib.h>
#include <libheif/heif.h>
#include <png.h>
#include <tiffio.h>
#include <webp/encode.h>
#include <webp/mux.h>
#include <zlib.h>

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

namespace {
int channelsOf(int colourType) {
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

// Samples below 8 bits are packed from the high bits down; 16-bit ones are big-endian.
std::vector<png_byte> pngRow(const PngLayout& layout, int y, const PngSampleSource& samples) {
    const int channels = channelsOf(layout.colourType);
    const int bits = layout.bitDepth;
    std::vector<png_byte> row((layout.width * channels * bits + 7) / 8);
    std::uint16_t pixel[4] = {}; // room for the most channels a pixel has
    for (int x = 0; x < layout.width; ++x) {
        samples(x, y, pixel);
        for (int c = 0; c < channels; ++c) {
            const int at = (x * channels + c) * bits; // in bits
            if (bits == 16) {
                row[at / 8] = static_cast<png_byte>(pixel[c] >> 8);
                row[at / 8 + 1] = static_cast<png_byte>(pixel[c] & 0xFF);
            } else {
                row[at / 8] |= static_cast<png_byte>(pixel[c] << (8 - bits - at % 8));
            }
        }
    }
    return row;
}

void setPalette(png_structp png, png_infop info, const std::vector<QRgb>& palette) {
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    for (QRgb entry : palette) {
        colours.push_back({static_cast<png_byte>(qRed(entry)), static_cast<png_byte>(qGreen(entry)),
                           static_cast<png_byte>(qBlue(entry))});
        alphas.push_back(static_cast<png_byte>(qAlpha(entry)));
    }
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    while (!alphas.empty() && alphas.back() == 0xFF)
        alphas.pop_back();
    if (!alphas.empty())
        png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
}

void setTransparentColour(png_structp png, png_infop info, const std::vector<std::uint16_t>& c) {
    png_color_16 colour{};
    colour.gray = c[0];
    if (c.size() == 3) {
        colour.red = c[0];
        colour.green = c[1];
        colour.blue = c[2];
    }
    png_set_tRNS(png, info, nullptr, 0, &colour);
}

void appendToBytes(png_structp png, png_bytep data, std::size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}
} // namespace

QByteArray libpngFile(const PngLayout& layout, const PngSampleSource& samples) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    QByteArray bytes;
    png_set_write_fn(png, &bytes, appendToBytes, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(layout.width),
                 static_cast<png_uint_32>(layout.height), layout.bitDepth, layout.colourType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty())
        setPalette(png, info, layout.palette);
    if (!layout.transparent.empty())
        setTransparentColour(png, info, layout.transparent);
    std::vector<std::vector<png_byte>> rows;
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < layout.height; ++y)
        rows.push_back(pngRow(layout, y, samples));
    for (auto& row : rows)
        rowPointers.push_back(row.data());
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

QByteArray withFreshChecksums(QByteArray png) {
    auto bigEndian = [&png](qsizetype at) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | static_cast<std::uint8_t>(png[at + i]);
        return value;
    };
    qsizetype at = 8; // past the signature
    while (at + 12 <= png.size()) {
        const std::uint32_t length = bigEndian(at);
        if (length > static_cast<std::uint64_t>(png.size() - at - 12))
            break;
        const std::uint32_t checksum = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(png.constData() + at + 4), length + 4));
        for (int i = 0; i < 4; ++i)
            png[at + 8 + length + i] = static_cast<char>(checksum >> (24 - 8 * i));
        at += 12 + length;
    }
    return png;
}

namespace {
struct HeifWriter {
    static heif_error append(heif_context*, const void* data, size_t size, void* output) {
        static_cast<QByteArray*>(output)->append(static_cast<const char*>(data),
                                                 static_cast<qsizetype>(size));
        return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
    }
};
} // namespace

QByteArray libheifFile(bool avif, int width, int height, const PixelSource& storedPixel,
                       bool withAlpha, int orientation) {
    heif_init(nullptr);
    const heif_compression_format format = avif ? heif_compression_AV1 : heif_compression_HEVC;
    if (!heif_have_encoder_for_format(format))
        return {};
    heif_image* image = nullptr;
    heif_image_create(width, height, heif_colorspace_RGB,
                      withAlpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, width, height, 8);
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = storedPixel(x, y);
            std::uint8_t* target = plane + y * stride + x * (withAlpha ? 4 : 3);
            target[0] = qRed(pixel), target[1] = qGreen(pixel), target[2] = qBlue(pixel);
            if (withAlpha)
                target[3] = qAlpha(pixel);
        }
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, format, &encoder);
    heif_encoder_set_lossless(encoder, 1);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = static_cast<heif_orientation>(orientation);
    const heif_error encoded = heif_context_encode_image(context, image, encoder, options, nullptr);
    QByteArray file;
    heif_writer writer{1, HeifWriter::append};
    if (encoded.code == heif_error_Ok)
        heif_context_write(context, &writer, &file);
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_context_free(context);
    heif_image_release(image);
    return file;
}

QByteArray libwebpFile(int width, int height, const PixelSource& pixel, bool lossless, int frames) {
    WebPAnimEncoderOptions animation;
    WebPAnimEncoderOptionsInit(&animation);
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(width, height, &animation);
    WebPConfig config;
    WebPConfigInit(&config);
    config.lossless = lossless;
    config.quality = lossless ? 100 : 90;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width * height * 4));
    for (int frame = 0; frame < frames; ++frame) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb colour = frame ? ~pixel(x, y) | 0xFF000000 : pixel(x, y);
                std::uint8_t* target = &rgba[static_cast<std::size_t>((y * width + x) * 4)];
                target[0] = qRed(colour), target[1] = qGreen(colour), target[2] = qBlue(colour);
                target[3] = qAlpha(colour);
            }
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = lossless;
        picture.width = width, picture.height = height;
        WebPPictureImportRGBA(&picture, rgba.data(), width * 4);
        WebPAnimEncoderAdd(encoder, &picture, frame * 100, &config);
        WebPPictureFree(&picture);
    }
    WebPAnimEncoderAdd(encoder, nullptr, frames * 100, nullptr);
    WebPData assembled;
    WebPDataInit(&assembled);
    WebPAnimEncoderAssemble(encoder, &assembled);
    const QByteArray file(reinterpret_cast<const char*>(assembled.bytes),
                          static_cast<qsizetype>(assembled.size));
    WebPDataClear(&assembled);
    WebPAnimEncoderDelete(encoder);
    return file;
}

namespace {
void writeTiffPage(TIFF* tiff, const TiffLayout& layout, const PngSampleSource& samples,
                   bool inverted) {
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, layout.width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, layout.height);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, layout.samplesPerPixel);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, layout.bitsPerSample);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, layout.photometric);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, layout.orientation);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    if (layout.unassociatedAlpha) {
        const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    if (!layout.palette.empty()) {
        std::vector<std::uint16_t> red(1u << layout.bitsPerSample), green(red.size()),
            blue(red.size());
        for (std::size_t i = 0; i < layout.palette.size(); ++i)
            red[i] = qRed(layout.palette[i]) * 257, green[i] = qGreen(layout.palette[i]) * 257,
            blue[i] = qBlue(layout.palette[i]) * 257;
        TIFFSetField(tiff, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
    }
    const int tile = layout.tiled ? 16 : 0;
    if (tile) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, tile);
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, tile);
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 5);
    }
    const int bytes = layout.bitsPerSample / 8, top = (1 << layout.bitsPerSample) - 1;
    const int width = tile ? (layout.width + tile - 1) / tile * tile : layout.width;
    const int height = tile ? (layout.height + tile - 1) / tile * tile : layout.height;
    std::vector<std::uint8_t> plane(static_cast<std::size_t>(width * height) *
                                    layout.samplesPerPixel * bytes);
    std::uint16_t pixel[4] = {};
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x) {
            samples(x, y, pixel);
            for (int s = 0; s < layout.samplesPerPixel; ++s) {
                const int value = inverted ? top - pixel[s] : pixel[s];
                std::uint8_t* target =
                    &plane[((static_cast<std::size_t>(y) * width + x) * layout.samplesPerPixel +
                            s) *
                           bytes];
                if (bytes == 2)
                    *reinterpret_cast<std::uint16_t*>(target) = static_cast<std::uint16_t>(value);
                else
                    *target = static_cast<std::uint8_t>(value);
            }
        }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * layout.samplesPerPixel * bytes;
    if (!tile) {
        for (int y = 0; y < layout.height; ++y)
            TIFFWriteScanline(tiff, &plane[y * rowBytes], static_cast<std::uint32_t>(y), 0);
    } else {
        std::vector<std::uint8_t> block(static_cast<std::size_t>(TIFFTileSize(tiff)));
        const std::size_t tileRow = block.size() / tile;
        for (int y = 0; y < layout.height; y += tile)
            for (int x = 0; x < layout.width; x += tile) {
                for (int row = 0; row < tile; ++row)
                    std::copy_n(&plane[(y + row) * rowBytes + x * tileRow / tile], tileRow,
                                &block[row * tileRow]);
                TIFFWriteTile(tiff, block.data(), static_cast<std::uint32_t>(x),
                              static_cast<std::uint32_t>(y), 0, 0);
            }
    }
    TIFFWriteDirectory(tiff);
}

int appendGifBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}
} // namespace

QByteArray libtiffFile(const TiffLayout& layout, const PngSampleSource& samples) {
    QTemporaryFile file;
    if (!file.open())
        return {};
    TIFF* tiff = TIFFOpen(QFile::encodeName(file.fileName()).constData(), "w");
    for (int page = 0; page < layout.pages; ++page)
        writeTiffPage(tiff, layout, samples, page > 0);
    TIFFClose(tiff);
    return file.readAll();
}

QByteArray giflibFile(const GifLayout& layout, const std::function<int(int x, int y)>& index) {
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendGifBytes, &error);
    std::vector<GifColorType> colours;
    for (const QRgb colour : layout.colours)
        colours.push_back({static_cast<GifByteType>(qRed(colour)),
                           static_cast<GifByteType>(qGreen(colour)),
                           static_cast<GifByteType>(qBlue(colour))});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, layout.width, layout.height, map->BitsPerPixel, 0, map);
    const bool whole = layout.frame[2] == 0;
    const int left = layout.frame[0], top = layout.frame[1];
    const int width = whole ? layout.width : layout.frame[2];
    const int height = whole ? layout.height : layout.frame[3];
    for (int frame = 0; frame < layout.frames; ++frame) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 10, layout.transparent};
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
        EGifPutImageDesc(gif, left, top, width, height, layout.interlaced, nullptr);
        const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < (layout.interlaced ? 4 : 1); ++pass)
            for (int y = layout.interlaced ? starts[pass] : 0; y < height;
                 y += layout.interlaced ? steps[pass] : 1) {
                std::vector<GifPixelType> line(static_cast<std::size_t>(width));
                for (int x = 0; x < width; ++x)
                    line[x] = static_cast<GifPixelType>(frame ? layout.colours.size() - 1
                                                              : index(left + x, top + y));
                EGifPutLine(gif, line.data(), width);
            }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

QRgb colourBlocks(int x, int y) {
    const QRgb colours[] = {qRgb(200, 30, 30),   qRgb(30, 160, 60), qRgb(40, 60, 220),
                            qRgb(250, 250, 250), qRgb(20, 20, 20),  qRgb(230, 200, 40)};
    return colours[(x / 8 + 2 * (y / 8)) % 6];
}

QRgb seeThroughBlocks(int x, int y) {
    const int alphas[] = {255, 128, 0};
    return (colourBlocks(x, y) & 0xFFFFFF) | static_cast<QRgb>(alphas[x / 8 % 3]) << 24;
}

QRgb blocksOverWhite(int x, int y) {
    const QRgb colour = seeThroughBlocks(x, y);
    const auto over = [&](int value) {
        return (value * qAlpha(colour) + 255 * (255 - qAlpha(colour))) / 255;
    };
    return qRgb(over(qRed(colour)), over(qGreen(colour)), over(qBlue(colour)));
}
