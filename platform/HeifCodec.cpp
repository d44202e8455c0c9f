#include "platform/HeifCodec.h"

#include "platform/PictureLimits.h"
#include "platform/UserError.h"

#include <memory>
#include <new>

#include <libheif/heif.h>

namespace {

// libheif's plugins (the HEVC and AV1 decoders) are loaded once for the whole program.
void initialiseOnce() {
    static const bool initialised = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)initialised;
}

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};

bool isAvifBrand(heif_brand2 brand) {
    return brand == heif_fourcc('a', 'v', 'i', 'f') || brand == heif_fourcc('a', 'v', 'i', 's');
}

class Refusal {
  public:
    explicit Refusal(QString kind) : kind_(std::move(kind)) {}
    [[noreturn]] void operator()(const QString& reason) const {
        throw UserError(QStringLiteral("%1 image is not valid: %2").arg(kind_, reason));
    }
    void check(const heif_error& error) const {
        if (error.code != heif_error_Ok)
            (*this)(QString::fromUtf8(error.message).trimmed());
    }

  private:
    QString kind_;
};

QImage toImage(const heif_image* decoded, bool hasAlpha, const Refusal& refuse) {
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    if (!plane || !isDecodableSize(width, height))
        refuse(QStringLiteral("no picture"));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    const int samples = hasAlpha ? 4 : 3;
    for (int y = 0; y < height; ++y) {
        const uint8_t* source = plane + static_cast<std::ptrdiff_t>(y) * stride;
        QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, source += samples) {
            const int alpha = hasAlpha ? source[3] : 255;
            target[x] = qRgb(overWhite(source[0], alpha), overWhite(source[1], alpha),
                             overWhite(source[2], alpha));
        }
    }
    return image;
}

} // namespace

QString heifKind(const QByteArray& file) {
    if (file.size() < 12 || file.mid(4, 4) != "ftyp")
        return {};
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.constData());
    const int length = static_cast<int>(qMin<qsizetype>(file.size(), 4096));
    if (heif_check_filetype(bytes, length) == heif_filetype_no)
        return {};
    return isAvifBrand(heif_read_main_brand(bytes, length)) ? QStringLiteral("AVIF")
                                                            : QStringLiteral("HEIC");
}

Bitmap decodeHeif(const QByteArray& file) {
    initialiseOnce();
    const QString kind = heifKind(file);
    const Refusal refuse(kind.isEmpty() ? QStringLiteral("HEIC") : kind);
    const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context)
        throw std::bad_alloc();
    // libheif refuses larger pictures, and grids of more tiles, while it reads the boxes.
    heif_context_set_maximum_image_size_limit(context.get(),
                                              static_cast<int>(pictureLimits().side));
    refuse.check(heif_context_read_from_memory_without_copy(
        context.get(), file.constData(), static_cast<size_t>(file.size()), nullptr));
    heif_image_handle* handleOut = nullptr;
    refuse.check(heif_context_get_primary_image_handle(context.get(), &handleOut));
    const std::unique_ptr<heif_image_handle, HandleRelease> handle(handleOut);
    if (!isDecodableSize(heif_image_handle_get_width(handle.get()),
                         heif_image_handle_get_height(handle.get())))
        refuse(QStringLiteral("the picture is too large"));
    const bool hasAlpha = heif_image_handle_has_alpha_channel(handle.get());
    heif_image* decodedOut = nullptr;
    refuse.check(heif_decode_image(
        handle.get(), &decodedOut, heif_colorspace_RGB,
        hasAlpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr));
    const std::unique_ptr<heif_image, ImageRelease> decoded(decodedOut);
    return Bitmap(toImage(decoded.get(), hasAlpha, refuse));
}
