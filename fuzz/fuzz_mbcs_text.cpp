// Feeds arbitrary bytes to the multibyte text functions: the first byte
// splits the input into a text and a needle. Checks that a reported match is
// a real one at a character start, and that upper-casing keeps lengths and
// double-byte characters.
#include "lattice/core/MbcsText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace mbcs = lattice::mbcs;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto& lead = lattice::LeadByteTable::Cp950();
    const std::size_t split = data[0] % size;
    // Exact-size heap copies so that AddressSanitizer sees any read past them.
    const std::string text(reinterpret_cast<const char*>(data + 1), split);
    const std::string needle(reinterpret_cast<const char*>(data + 1 + split), size - 1 - split);

    const std::size_t at = mbcs::Find(text, needle, 0, lead);
    if (at != mbcs::npos) {
        if (at + needle.size() > text.size() || text.compare(at, needle.size(), needle) != 0)
            std::abort();
        if (!mbcs::IsCharStart(text.data(), at, 0, lead))
            std::abort();
    }

    char* upper = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(upper, text.data(), text.size());
    mbcs::MakeUpper(upper, text.size(), lead);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lead.IsLead(text[i])) {
            if (upper[i] != text[i] || (i + 1 < text.size() && upper[i + 1] != text[i + 1]))
                std::abort();
            ++i;
        }
    }
    std::free(upper);

    if ((mbcs::Compare(text, needle) < 0) != (mbcs::Compare(needle, text) > 0))
        std::abort();
    return 0;
}
