// Feeds arbitrary bytes to the bitmap decoder: it must refuse what is broken with its message and
// never read or write out of bounds.
#include "platform/BmpCodec.h"
#include "platform/UserError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)decodeBmp(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const UserError&) {
    }
    return 0;
}
