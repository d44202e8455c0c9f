#include "platform/TiffCodec.h"

#include "platform/PictureLimits.h"
#include "platform/UserError.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include <tiffio.h>

namespace {

[[noreturn]] void refuse(const QString& reason) {
    throw UserError(QStringLiteral("TIFF image is not valid: ") + reason);
}

// libtiff reads the file through these, from memory.
struct MemoryFile {
    const QByteArray& data;
    toff_t position = 0;
    bool ranOut = false; // a read asked for more than was left
    // libtiff's first complaint, kept so the user hears why rather than that something failed.
    QString firstError;
};

// The name libtiff gives the file in its messages; they are the user's, so it is left out there.
constexpr char clientName[] = "picture";

tmsize_t readMemory(thandle_t handle, void* buffer, tmsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    const toff_t length = static_cast<toff_t>(file->data.size());
    if (size <= 0)
        return 0;
    if (file->position >= length) {
        file->ranOut = true;
        return 0;
    }
    const tmsize_t count =
        static_cast<tmsize_t>(std::min<toff_t>(static_cast<toff_t>(size), length - file->position));
    std::memcpy(buffer, file->data.constData() + file->position, static_cast<std::size_t>(count));
    file->position += static_cast<toff_t>(count);
    file->ranOut = file->ranOut || count < size;
    return count;
}

tmsize_t writeNothing(thandle_t, void*, tmsize_t) {
    return -1;
}

toff_t seekMemory(thandle_t handle, toff_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(handle);
    const toff_t base = whence == SEEK_CUR   ? file->position
                        : whence == SEEK_END ? static_cast<toff_t>(file->data.size())
                                             : 0;
    file->position = base + offset;
    return file->position;
}

int closeNothing(thandle_t) {
    return 0;
}

toff_t memorySize(thandle_t handle) {
    return static_cast<toff_t>(static_cast<MemoryFile*>(handle)->data.size());
}

int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapNothing(thandle_t, void*, toff_t) {}

int keepFirstError(TIFF*, void* userData, const char*, const char* format, va_list arguments) {
    auto* file = static_cast<MemoryFile*>(userData);
    if (file->firstError.isEmpty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        file->firstError = QString::fromUtf8(text).trimmed();
        file->firstError.remove(QLatin1String(clientName) + QLatin1String(": "));
    }
    return 1;
}

int ignoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffClose {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
struct OptionsFree {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

// No single buffer of libtiff's (a strip, a tile, a colour map) may be larger than this.
constexpr tmsize_t largestTiffBuffer = tmsize_t(1) << 30;

std::unique_ptr<TIFF, TiffClose> openTiff(MemoryFile& file) {
    const std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
    if (!options)
        throw std::bad_alloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), largestTiffBuffer);
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), keepFirstError, &file);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), ignoreWarning, nullptr);
    // "m": libtiff copies what it reads rather than mapping, so it never writes to our bytes.
    return std::unique_ptr<TIFF, TiffClose>(
        TIFFClientOpenExt(clientName, "rm", &file, readMemory, writeNothing, seekMemory,
                          closeNothing, memorySize, mapNothing, unmapNothing, options.get()));
}

// libtiff's RGBA samples are premultiplied by their alpha, so white shows through by what the
// alpha leaves.
QRgb overWhitePaper(std::uint32_t rgba) {
    const int clear = 255 - static_cast<int>(TIFFGetA(rgba));
    const auto channel = [clear](std::uint32_t value) {
        return std::min(255, static_cast<int>(value) + clear);
    };
    return qRgb(channel(TIFFGetR(rgba)), channel(TIFFGetG(rgba)), channel(TIFFGetB(rgba)));
}

} // namespace

bool isTiff(const QByteArray& file) {
    return file.startsWith(QByteArrayView("II*\0", 4)) || file.startsWith("MM\0*") ||
           file.startsWith(QByteArrayView("II+\0", 4)) || file.startsWith("MM\0+");
}

Bitmap decodeTiff(const QByteArray& data, int* orientation) {
    MemoryFile file{data, 0, false, {}};
    const std::unique_ptr<TIFF, TiffClose> tiff = openTiff(file);
    const auto damaged = [&file](const char* what) {
        if (file.ranOut)
            refuse(QStringLiteral("the file ends early"));
        refuse(QLatin1String(what) + (file.firstError.isEmpty()
                                          ? QString()
                                          : QStringLiteral(" (%1)").arg(file.firstError)));
    };
    if (!tiff)
        damaged("its structure is damaged");
    std::uint32_t width = 0, height = 0;
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    if (!isDecodableSize(width, height))
        refuse(width && height ? QStringLiteral("the picture is too large")
                               : QStringLiteral("it has no picture"));
    char message[1024] = "";
    if (!TIFFRGBAImageOK(tiff.get(), message))
        refuse(QStringLiteral("it uses a feature this program does not read (%1)")
                   .arg(QString::fromUtf8(message)));
    TIFFRGBAImage reader{};
    if (!TIFFRGBAImageBegin(&reader, tiff.get(), 1, message))
        refuse(QString::fromUtf8(message));
    const auto end =
        std::unique_ptr<TIFFRGBAImage, void (*)(TIFFRGBAImage*)>(&reader, TIFFRGBAImageEnd);
    // Asked for the orientation the page has, libtiff neither flips nor turns it: rows come as
    // stored, top first, and the caller turns the picture once for every format.
    reader.req_orientation = reader.orientation;
    if (orientation)
        *orientation = reader.orientation >= 1 && reader.orientation <= 8 ? reader.orientation : 1;

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    // The picture's own pixels hold libtiff's samples until each is laid over white in place.
    auto* raster = reinterpret_cast<std::uint32_t*>(image.bits());
    if (!TIFFRGBAImageGet(&reader, raster, width, height))
        damaged("the picture data is damaged");
    const std::size_t count = std::size_t(width) * height;
    for (std::size_t i = 0; i < count; ++i)
        raster[i] = overWhitePaper(raster[i]);
    return Bitmap(std::move(image));
}
