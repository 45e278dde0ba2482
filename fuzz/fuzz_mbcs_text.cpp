// Feeds arbitrary bytes to the multibyte text functions. Each function is
// checked against a plain reference: Find reports the first match at a
// character start, counting characters from the text's start; FindByte and
// FindBytePair the first occurrence inside the given length; upper-casing
// keeps double-byte characters; Compare orders by unsigned bytes. The text
// is an exact-size heap copy, so that AddressSanitizer sees any read past it.
//
// Input: the text's length, where the search starts, the text, the needle.
#include "lattice/core/MbcsText.h"

#include "FuzzInput.h"

#include <cstdlib>

namespace mbcs = lattice::mbcs;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& lead = lattice::LeadByteTable::Cp950();
    FuzzInput in(data, size);
    const std::size_t nLength = in.Byte(), nStart = in.Byte();
    const std::string bytes = in.Text(nLength);
    const std::size_t n = bytes.size();
    const std::unique_ptr<char[]> copy = ExactCopy(bytes);
    const std::string_view text(copy.get(), n);
    const std::string needle = in.Rest();

    // The reference walks the characters from the start; a lead byte at the
    // very end stands alone.
    const std::size_t start = nStart % (n + 3);
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

    const std::unique_ptr<char[]> upper = ExactCopy(text);
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
