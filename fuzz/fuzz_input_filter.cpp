// Feeds arbitrary bytes to the input filter's walk, in an exact-size heap
// copy so that AddressSanitizer sees a read past the end (a lead byte at the
// very end is the case to watch). The reported position must be a refused
// single byte at a character start, with every single byte before it passed.
#include "lattice/core/InputFilter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace lattice::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::unique_ptr<char[]> text(new char[size]);
    std::memcpy(text.get(), data, size);
    std::size_t asked = 0, i = 0;
    const std::size_t at = FindRefusedByte(text.get(), size, [&](int c) {
        if (c < 0 || c > 127)
            std::abort();
        return ++asked, IsAllowedInputChar(c);
    });
    for (; i < size && i != at; i += data[i] >= 0x80 ? 2 : 1) {
        if (data[i] < 0x80 && !IsAllowedInputChar(data[i]))
            std::abort();
    }
    if (at == kNoRefusedByte ? i < size : (at != i || IsAllowedInputChar(data[at]) || asked == 0))
        std::abort();
    return 0;
}
