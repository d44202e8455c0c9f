#include "platform/GifCodec.h"

#include "platform/PictureLimits.h"
#include "platform/UserError.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <gif_lib.h>

namespace {

[[noreturn]] void refuse(const QString& reason) {
    throw UserError(QStringLiteral("GIF image is not valid: ") + reason);
}

struct MemoryFile {
    const QByteArray& data;
    qsizetype position = 0;
    bool ranOut = false; // a read asked for more than was left
};

[[noreturn]] void refuseFor(int error, const MemoryFile& file) {
    if (file.ranOut && error != D_GIF_ERR_NOT_ENOUGH_MEM)
        refuse(QStringLiteral("the file ends early"));
    switch (error) {
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        throw std::bad_alloc();
    case D_GIF_ERR_EOF_TOO_SOON:
        refuse(QStringLiteral("the file ends early"));
    case D_GIF_ERR_NO_COLOR_MAP:
        refuse(QStringLiteral("it has no colour table"));
    case D_GIF_ERR_IMAGE_DEFECT:
    case D_GIF_ERR_DATA_TOO_BIG:
        refuse(QStringLiteral("the picture data is damaged"));
    default:
        refuse(QStringLiteral("its structure is damaged"));
    }
}

int readMemory(GifFileType* gif, GifByteType* buffer, int size) {
    auto* file = static_cast<MemoryFile*>(gif->UserData);
    const int count = static_cast<int>(
        std::min<qsizetype>(std::max(size, 0), file->data.size() - file->position));
    std::memcpy(buffer, file->data.constData() + file->position, static_cast<std::size_t>(count));
    file->position += count;
    file->ranOut = file->ranOut || count < size;
    return count;
}

struct GifClose {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifFile = std::unique_ptr<GifFileType, GifClose>;

void check(const GifFile& gif, int result) {
    if (result == GIF_ERROR)
        refuseFor(gif->Error, *static_cast<const MemoryFile*>(gif->UserData));
}

// Goes past the extensions before the first frame, keeping the transparent colour its graphic
// control block names (-1 for none).
int transparentColourOfFirstFrame(const GifFile& gif) {
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        check(gif, DGifGetRecordType(gif.get(), &type));
        if (type == IMAGE_DESC_RECORD_TYPE)
            return transparent;
        if (type == TERMINATE_RECORD_TYPE)
            refuse(QStringLiteral("it has no picture"));
        if (type != EXTENSION_RECORD_TYPE)
            refuse(QStringLiteral("its structure is damaged"));
        int code = 0;
        GifByteType* block = nullptr;
        check(gif, DGifGetExtension(gif.get(), &code, &block));
        GraphicsControlBlock control;
        if (code == GRAPHICS_EXT_FUNC_CODE && block &&
            DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparent = control.TransparentColor;
        while (block)
            check(gif, DGifGetExtensionNext(gif.get(), &block));
    }
}

// The frame's rows in the order the file holds them: all at once, or interlaced in four passes.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    return rows;
}

} // namespace

bool isGif(const QByteArray& file) {
    return file.startsWith("GIF87a") || file.startsWith("GIF89a");
}

Bitmap decodeGif(const QByteArray& data) {
    MemoryFile file{data, 0, false};
    int error = 0;
    const GifFile gif(DGifOpen(&file, readMemory, &error));
    if (!gif)
        refuseFor(error, file);
    const int transparent = transparentColourOfFirstFrame(gif);
    check(gif, DGifGetImageDesc(gif.get()));
    const GifImageDesc& frame = gif->Image;
    // A frame may reach past the canvas its file claims; the picture takes in both.
    const long long width = std::max<long long>(gif->SWidth, 0LL + frame.Left + frame.Width);
    const long long height = std::max<long long>(gif->SHeight, 0LL + frame.Top + frame.Height);
    if (!isDecodableSize(frame.Width, frame.Height) || !isDecodableSize(width, height))
        refuse(frame.Width > 0 && frame.Height > 0 ? QStringLiteral("the picture is too large")
                                                   : QStringLiteral("it has no picture"));
    const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!colours)
        refuseFor(D_GIF_ERR_NO_COLOR_MAP, file);

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(Qt::white);
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (const int y : rowOrder(frame.Height, frame.Interlace)) {
        check(gif, DGifGetLine(gif.get(), line.data(), frame.Width));
        QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(frame.Top + y)) + frame.Left;
        for (int x = 0; x < frame.Width; ++x) {
            // Indices beyond the colour table are as good as transparent.
            if (line[x] == transparent || line[x] >= colours->ColorCount)
                continue;
            const GifColorType colour = colours->Colors[line[x]];
            target[x] = qRgb(colour.Red, colour.Green, colour.Blue);
        }
    }
    return Bitmap(std::move(image));
}
