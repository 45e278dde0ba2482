// Feeds arbitrary bytes to the input filter's walk, in an exact-size heap
// copy so that AddressSanitizer sees a read past the end (a lead byte at the
// very end is the case to watch). The walk must ask about exactly the single
// bytes a character-by-character reading meets, in order, up to the first
// refused one, and report that one's position.
#include "lattice/core/InputFilter.h"

#include "FuzzInput.h"

#include <cstdlib>

using namespace lattice::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::unique_ptr<char[]> text = ExactCopy({reinterpret_cast<const char*>(data), size});
    std::string asked, walked;
    const std::size_t at = FindRefusedByte(text.get(), size, [&](int c) {
        if (c < 0 || c > 127)
            std::abort();
        asked += static_cast<char>(c);
        return IsAllowedInputChar(c);
    });
    std::size_t i = 0;
    for (; i < size; i += data[i] >= 0x80 ? 2 : 1) {
        if (data[i] >= 0x80)
            continue;
        walked += static_cast<char>(data[i]);
        if (!IsAllowedInputChar(data[i]))
            break;
    }
    if (asked != walked || at != (i < size ? i : kNoRefusedByte))
        std::abort();
    return 0;
}
