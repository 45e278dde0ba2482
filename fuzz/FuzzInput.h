// Reads typed values off a fuzzer's input, front to back. Past the end every
// read gives zero (or an empty text), so that short inputs still reach the
// code under test and a seed of a few bytes means something.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool Bool() { return (Byte() & 1) != 0; }

    // A value in lo .. hi, from two bytes when the range is small and four
    // otherwise.
    int Range(int lo, int hi)
    {
        const unsigned long long span = static_cast<unsigned long long>(static_cast<long long>(hi) - lo) + 1;
        unsigned long long v = Byte() | (Byte() << 8);
        if (span > 0x10000)
            v |= (static_cast<unsigned long long>(Byte()) << 16) | (static_cast<unsigned long long>(Byte()) << 24);
        return static_cast<int>(lo + static_cast<long long>(v % span));
    }

    // A coordinate as the window code passes them: mostly near zero, now and
    // then anywhere in the 27-bit space GDI keeps coordinates in.
    int Coordinate()
    {
        const int kGdiLimit = 1 << 27;
        return Bool() ? Range(-kGdiLimit, kGdiLimit) : Range(-300, 1200);
    }

    // The next n bytes as a text, fewer when the input ends first.
    std::string Text(std::size_t n)
    {
        n = std::min(n, Remaining());
        const std::string text(reinterpret_cast<const char*>(m_data + m_pos), n);
        m_pos += n;
        return text;
    }
    std::string Rest() { return Text(Remaining()); }

    std::size_t Remaining() const { return m_size - m_pos; }

private:
    const std::uint8_t* m_data; // the fuzzer's input
    std::size_t m_size;         // its length
    std::size_t m_pos = 0;      // next byte to read
};

// A heap block of exactly the text's length holding it, so that
// AddressSanitizer reports any access past its end (for an empty text, any
// access at all).
inline std::unique_ptr<char[]> ExactCopy(std::string_view text)
{
    std::unique_ptr<char[]> copy(new char[text.size()]);
    std::copy(text.begin(), text.end(), copy.get());
    return copy;
}
