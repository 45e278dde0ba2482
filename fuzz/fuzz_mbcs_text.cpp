// Feeds arbitrary bytes to the multibyte text functions: the first byte
// splits the input into a text and a needle. Each function is checked
// against a plain reference: Find reports the first match at a character
// start, counting characters from the text's start; FindByte and
// FindBytePair the first occurrence inside the given length; upper-casing
// keeps double-byte characters; Compare orders by unsigned bytes. The text
// is an exact-size heap copy, so that AddressSanitizer sees any read past it.
#include "lattice/core/MbcsText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace mbcs = lattice::mbcs;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto& lead = lattice::LeadByteTable::Cp950();
    const std::size_t n = data[0] % size;
    std::unique_ptr<char[]> copy(new char[n == 0 ? 1 : n]);
    std::memcpy(copy.get(), data + 1, n);
    const std::string_view text(copy.get(), n);
    const std::string needle(reinterpret_cast<const char*>(data + 1 + n), size - 1 - n);

    // The reference walks the characters from the start; a lead byte at the
    // very end stands alone.
    const std::size_t start = (size * 7) % (n + 3);
    std::size_t expected = needle.empty() && start <= n ? start : mbcs::npos;
    for (std::size_t p = 0; p < n && expected == mbcs::npos; p += lead.IsLead(text[p]) ? 2 : 1)
        if (p >= start && text.substr(p, needle.size()) == needle)
            expected = p;
    if (mbcs::Find(text, needle, start, lead) != expected)
        std::abort();

    const char a = needle.empty() ? 'A' : needle[0], b = needle.size() < 2 ? a : needle[1];
    std::size_t byte = mbcs::npos, pair = mbcs::npos;
    for (std::size_t p = n; p-- > 0;) {
        byte = text[p] == a ? p : byte;
        pair = p + 1 < n && text[p] == a && text[p + 1] == b ? p : pair;
    }
    if (mbcs::FindByte(text.data(), n, a) != byte || mbcs::FindBytePair(text.data(), n, a, b) != pair)
        std::abort();

    std::unique_ptr<char[]> upper(new char[n == 0 ? 1 : n]);
    std::memcpy(upper.get(), copy.get(), n);
    mbcs::MakeUpper(upper.get(), n, lead);
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        const bool bDouble = lead.IsLead(c) && i + 1 < n;
        const char want = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper[i] != want || (bDouble && upper[i + 1] != text[i + 1]))
            std::abort();
        i += bDouble ? 1 : 0;
    }

    const int order = mbcs::Compare(text, needle), reference = text.compare(needle);
    if ((order < 0) != (reference < 0) || (order > 0) != (reference > 0))
        std::abort();
    return 0;
}
