// Feeds arbitrary bytes to the setup file reader: whatever it is given, it returns a record or
// refuses with its message.
#include "platform/UserError.h"
#include "setup/SetupReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)parseSetupText(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const UserError&) {
    }
    return 0;
}
