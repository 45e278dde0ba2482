// Display lines of the symbol catalogue, built byte by byte rather than through
// a printf-style format, so that a '%' in a service name, a symbol ID or a
// name is copied as text. All widths count bytes: a double-byte name is never
// measured in characters, and a symbol ID of eight bytes or more is never cut.
//
// Two shapes:
//   service line  "[" service "]" id, padded with blanks to at least 8 bytes,
//                 one blank, name           (same bytes as "[%s]%-8s %s")
//   plain line    id, one blank, name       (same bytes as "%s %s")
#pragma once

#include <cstddef>
#include <string_view>

namespace lattice::symbols {

// Bytes the symbol ID of a service line is padded to.
inline constexpr std::size_t kServiceLineIdWidth = 8;

std::size_t ServiceLineLength(std::string_view service, std::string_view id, std::string_view name);
// Writes exactly ServiceLineLength(...) bytes to `out`, no terminator.
void WriteServiceLine(char* out, std::string_view service, std::string_view id, std::string_view name);

std::size_t PlainLineLength(std::string_view id, std::string_view name);
// Writes exactly PlainLineLength(...) bytes to `out`, no terminator.
void WritePlainLine(char* out, std::string_view id, std::string_view name);

} // namespace lattice::symbols
