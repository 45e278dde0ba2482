// Feeds arbitrary bytes to the input filter's walk. The text is an exact-size
// heap copy, so AddressSanitizer sees a read past its end (a lead byte at the
// very end is the case to watch). Checks the reported position against a
// plain re-walk: it is a refused single byte at a character start, and no
// single byte before it is refused.
#include "lattice/core/InputFilter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

using lattice::core::FindRefusedByte;
using lattice::core::IsAllowedInputChar;
using lattice::core::kNoRefusedByte;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::unique_ptr<char[]> text(new char[size == 0 ? 1 : size]);
    std::memcpy(text.get(), data, size);

    std::size_t asked = 0;
    const auto counting = [&](int c) {
        if (c < 0 || c > 127)
            std::abort();
        ++asked;
        return IsAllowedInputChar(c);
    };
    const std::size_t at = FindRefusedByte(text.get(), size, counting);

    std::size_t i = 0, singles = 0;
    while (i < size && i != at) {
        const unsigned char byte = data[i];
        if (byte >= 0x80) {
            i += 2;
            continue;
        }
        if (!IsAllowedInputChar(byte))
            std::abort();
        ++singles, ++i;
    }
    if (at == kNoRefusedByte) {
        if (i < size)
            std::abort();
    } else if (at != i || at >= size || IsAllowedInputChar(data[at]) || asked != singles + 1) {
        std::abort();
    }
    return 0;
}
