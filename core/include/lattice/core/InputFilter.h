// The character check of the input-filtering edit, apart from any window:
// which single-byte characters may stand in its text, and the walk over a
// text that finds the first one that may not. Double-byte characters are
// taken whole and never checked.
#pragma once

#include <cstddef>

namespace lattice::core {

inline constexpr std::size_t kNoRefusedByte = static_cast<std::size_t>(-1);

// The edit's own set: letters, digits, backspace, "(", ")", "-", "_" and
// anything outside 0..127. Every other control character, space and
// punctuation mark is refused.
bool IsAllowedInputChar(int nChar);

// Walks `text` from the start. A byte of 128 or more opens a double-byte
// character: it and the byte after it are skipped unchecked (a lead byte at
// the very end stands alone; nothing past `length` is read). Every other byte
// goes to `allow` as a value 0..127. Returns the position of the first byte
// `allow` refuses, or kNoRefusedByte when the whole text passes.
template <class Allow>
std::size_t FindRefusedByte(const char* text, std::size_t length, Allow&& allow)
{
    std::size_t i = 0;
    while (i < length) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            i += 2;
            continue;
        }
        if (!allow(static_cast<int>(byte)))
            return i;
        ++i;
    }
    return kNoRefusedByte;
}

} // namespace lattice::core
