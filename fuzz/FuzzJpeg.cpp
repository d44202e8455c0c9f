// Feeds arbitrary bytes to the JPEG reader, whole and reduced, turned upright as its Exif block
// says: damage must end in a UserError, never in a crash, a hang or memory out of bounds.
#include "platform/JpegCodec.h"
#include "platform/UserError.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const int smallest : {INT_MAX, 64}) {
        try {
            (void)decodeJpeg(file, smallest, smallest, true);
        } catch (const UserError&) {
        } catch (const std::bad_alloc&) {
        }
    }
    return 0;
}
