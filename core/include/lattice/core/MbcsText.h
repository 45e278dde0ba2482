// Operations on 8-bit multibyte text (the ANSI code page, Big5 in the host's
// setting). Lengths and positions count bytes. A double-byte character is
// never split: upper-casing leaves both of its bytes alone, and a search never
// reports a match that begins on its second byte. A lead byte at the very end
// of a text stands alone; nothing reads past the given length.
#pragma once

#include <cstddef>
#include <string_view>

#include "lattice/core/LeadByteTable.h"

namespace lattice::mbcs {

inline constexpr std::size_t npos = static_cast<std::size_t>(-1);

// Changes the single-byte letters a to z into A to Z.
void MakeUpper(char* text, std::size_t length, const LeadByteTable& lead);

// Whether `pos` begins a character, given that `floor` (<= pos) does.
// Looks back only as far as it must: to the nearest byte that cannot be a
// lead byte, or to `floor`.
bool IsCharStart(const char* text, std::size_t pos, std::size_t floor, const LeadByteTable& lead);

// Position of the first occurrence of `needle` in `text` at or after `start`
// that begins a character, counting characters from the start of `text`;
// npos if there is none. An empty needle is found at `start`.
std::size_t Find(std::string_view text, std::string_view needle, std::size_t start,
                 const LeadByteTable& lead);

// Position of the first byte equal to `byte` in [text, text + length), or npos.
// Reads eight bytes at a time; the C runtime's memchr is slow under Wine.
std::size_t FindByte(const char* text, std::size_t length, char byte);

// Position of the first i in [0, length - 1) where text[i] == first and
// text[i + 1] == second, or npos. Pairs are far rarer than single bytes in
// market text, so a search for a pair stops at far fewer candidates.
std::size_t FindBytePair(const char* text, std::size_t length, char first, char second);

// Byte-order comparison (unsigned bytes; a proper prefix sorts first):
// negative, zero or positive.
int Compare(std::string_view a, std::string_view b);

} // namespace lattice::mbcs
