// Feeds arbitrary bytes to the PNG reader, as they come and with every chunk's checksum made to
// match, so that damage also gets past the checksums to the chunks and the picture data behind
// them: it must end in a UserError, never in a crash, a hang or memory out of bounds.
#include "PictureTestFiles.h"
#include "platform/PngCodec.h"
#include "platform/UserError.h"

#include <cstddef>
#include <cstdint>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& input : {file, withFreshChecksums(file)}) {
        try {
            (void)decodePng(input);
        } catch (const UserError&) {
        } catch (const std::bad_alloc&) {
        }
    }
    return 0;
}
