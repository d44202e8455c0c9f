// Feeds arbitrary bytes to the TIFF reader: it must end in a UserError, never in
// a crash, a hang, memory out of bounds or a picture larger than the limits.
#include "platform/TiffCodec.h"
#include "platform/UserError.h"

#include <cstddef>
#include <cstdint>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)decodeTiff(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const UserError&) {
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
