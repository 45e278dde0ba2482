#include "lattice/core/MbcsText.h"

#include <cstdint>
#include <cstring>

namespace lattice::mbcs {

void MakeUpper(char* text, std::size_t length, const LeadByteTable& lead)
{
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (lead.IsLead(c))
            ++i; // skip the trail byte: it may look like a letter
        else if (c >= 'a' && c <= 'z')
            text[i] = static_cast<char>(c - 'a' + 'A');
    }
}

bool IsCharStart(const char* text, std::size_t pos, std::size_t floor, const LeadByteTable& lead)
{
    // Bytes between the nearest certain character start and pos are all
    // lead-capable, so they pair up from that start.
    std::size_t q = pos;
    while (q > floor && lead.IsLead(text[q - 1]))
        --q;
    return (pos - q) % 2 == 0;
}

std::size_t FindByte(const char* text, std::size_t length, char byte)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    const unsigned char target = static_cast<unsigned char>(byte);
    std::size_t i = 0;
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const std::uint64_t pattern = ones * target;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        const std::uint64_t x = word ^ pattern;
        if (((x - ones) & ~x & highs) != 0)
            break; // some byte of this word matches
    }
    for (; i < length; ++i)
        if (p[i] == target)
            return i;
    return npos;
}

std::size_t FindBytePair(const char* text, std::size_t length, char first, char second)
{
    if (length < 2)
        return npos;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    const auto a = static_cast<unsigned char>(first), b = static_cast<unsigned char>(second);
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const std::uint64_t patternA = ones * a, patternB = ones * b;
    const std::size_t last = length - 1; // last position a pair can start at, exclusive
    std::size_t i = 0;
    // Byte k of `here` is text[i + k], of `next` text[i + k + 1]: a byte that
    // is zero in both differences marks a pair.
    for (; i + 9 <= length; i += 8) {
        std::uint64_t here, next;
        std::memcpy(&here, p + i, 8);
        std::memcpy(&next, p + i + 1, 8);
        const std::uint64_t x = (here ^ patternA) | (next ^ patternB);
        if (((x - ones) & ~x & highs) != 0)
            break;
    }
    for (; i < last; ++i)
        if (p[i] == a && p[i + 1] == b)
            return i;
    return npos;
}

std::size_t Find(std::string_view text, std::string_view needle, std::size_t start,
                 const LeadByteTable& lead)
{
    const std::size_t n = text.size();
    const std::size_t m = needle.size();
    if (start > n || m > n - start)
        return m == 0 && start <= n ? start : npos;
    if (m == 0)
        return start;

    const char* data = text.data();
    std::size_t floor = 0; // a position known to begin a character
    std::size_t pos = start;
    const std::size_t last = n - m; // last position where a match fits
    while (pos <= last) {
        const std::size_t hit = FindByte(data + pos, last - pos + 1, needle[0]);
        if (hit == npos)
            return npos;
        pos += hit;
        const bool starts = IsCharStart(data, pos, floor, lead);
        if (starts && std::memcmp(data + pos + 1, needle.data() + 1, m - 1) == 0)
            return pos;
        floor = starts ? pos : pos + 1;
        ++pos;
    }
    return npos;
}

int Compare(std::string_view a, std::string_view b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    const int c = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (c != 0)
        return c;
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace lattice::mbcs
