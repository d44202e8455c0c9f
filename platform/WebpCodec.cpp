#include "platform/WebpCodec.h"

#include "platform/PictureLimits.h"
#include "platform/UserError.h"

#include <memory>
#include <new>
#include <vector>

#include <webp/decode.h>
#include <webp/demux.h>

namespace {

[[noreturn]] void refuse(const QString& reason) {
    throw UserError(QStringLiteral("WebP image is not valid: ") + reason);
}

QString reasonOf(VP8StatusCode status) {
    switch (status) {
    case VP8_STATUS_NOT_ENOUGH_DATA:
        return QStringLiteral("the file ends early");
    case VP8_STATUS_UNSUPPORTED_FEATURE:
        return QStringLiteral("it uses a feature this program does not read");
    default:
        return QStringLiteral("the picture data is damaged");
    }
}

struct DemuxerDelete {
    void operator()(WebPDemuxer* demuxer) const { WebPDemuxDelete(demuxer); }
};

struct FrameRelease {
    WebPIterator* frame;
    ~FrameRelease() { WebPDemuxReleaseIterator(frame); }
};

// The frame's RGBA samples, after its own header's size is checked.
std::vector<uint8_t> decodeFrame(const WebPIterator& frame) {
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        refuse(QStringLiteral("the library cannot start"));
    const VP8StatusCode features =
        WebPGetFeatures(frame.fragment.bytes, frame.fragment.size, &config.input);
    if (features != VP8_STATUS_OK)
        refuse(reasonOf(features));
    if (config.input.width != frame.width || config.input.height != frame.height)
        refuse(QStringLiteral("a frame's size differs from its header"));
    std::vector<uint8_t> samples(static_cast<std::size_t>(frame.width) *
                                 static_cast<std::size_t>(frame.height) * 4);
    config.output.colorspace = MODE_RGBA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = samples.data();
    config.output.u.RGBA.stride = frame.width * 4;
    config.output.u.RGBA.size = samples.size();
    const VP8StatusCode decoded = WebPDecode(frame.fragment.bytes, frame.fragment.size, &config);
    WebPFreeDecBuffer(&config.output);
    if (decoded == VP8_STATUS_OUT_OF_MEMORY)
        throw std::bad_alloc();
    if (decoded != VP8_STATUS_OK)
        refuse(reasonOf(decoded));
    return samples;
}

} // namespace

bool isWebp(const QByteArray& file) {
    return file.size() >= 12 && file.startsWith("RIFF") && file.mid(8, 4) == "WEBP";
}

Bitmap decodeWebp(const QByteArray& file) {
    const WebPData data{reinterpret_cast<const uint8_t*>(file.constData()),
                        static_cast<size_t>(file.size())};
    WebPDemuxState state = WEBP_DEMUX_PARSE_ERROR;
    const std::unique_ptr<WebPDemuxer, DemuxerDelete> demuxer(WebPDemuxPartial(&data, &state));
    if (state == WEBP_DEMUX_PARSE_ERROR)
        refuse(QStringLiteral("its structure is damaged"));
    if (!demuxer || state != WEBP_DEMUX_DONE)
        refuse(reasonOf(VP8_STATUS_NOT_ENOUGH_DATA));
    const int width = static_cast<int>(WebPDemuxGetI(demuxer.get(), WEBP_FF_CANVAS_WIDTH));
    const int height = static_cast<int>(WebPDemuxGetI(demuxer.get(), WEBP_FF_CANVAS_HEIGHT));
    if (!isDecodableSize(width, height))
        refuse(QStringLiteral("the picture is too large"));
    WebPIterator frame{};
    if (!WebPDemuxGetFrame(demuxer.get(), 1, &frame))
        refuse(QStringLiteral("it has no picture"));
    const FrameRelease release{&frame};
    // The demuxer keeps every frame within the canvas.
    const std::vector<uint8_t> samples = decodeFrame(frame);
    // Where the first frame of an animation leaves the canvas clear, the paper shows.
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(Qt::white);
    for (int y = 0; y < frame.height; ++y) {
        const uint8_t* source = samples.data() + static_cast<std::size_t>(y) * frame.width * 4;
        QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(frame.y_offset + y)) + frame.x_offset;
        for (int x = 0; x < frame.width; ++x, source += 4)
            target[x] = qRgb(overWhite(source[0], source[3]), overWhite(source[1], source[3]),
                             overWhite(source[2], source[3]));
    }
    return Bitmap(std::move(image));
}
