// The hyperlink's fallback for opening a target: the web-page command that
// the system registers (such as `"C:\browser.exe" "%1"`) is rewritten into a
// command line that runs the same program with the target after it.
// Rewriting: a "%1" placeholder in double quotes is cut off at its opening
// quote; else a bare %1 is cut off where it starts; else the command is kept
// whole. Then a blank and the target are appended.
// An overlong result is refused, never cut: a cut target would open another
// page, and a cut program path another program. A command whose kept part
// names no whole program is refused too, so the target can never become the
// program that runs. A refused command runs nothing.
#pragma once

#include <cstddef>
#include <string_view>

namespace lattice::core {

// The command line is built in this many bytes, terminator included.
constexpr std::size_t kOpenCommandBufferSize = 520;
// A registry value is read into this many bytes, terminator included.
constexpr std::size_t kRegistryValueBufferSize = 260;

// How many leading bytes of the registered command stay before the target.
std::size_t KeptCommandLength(std::string_view command);

// Whether a kept command starts with a program name that lies whole inside
// it: after leading blanks, either a quoted name with its closing quote, or
// at least one non-blank byte.
bool NamesWholeProgram(std::string_view kept);

// Writes the kept command, a blank and the target, with a terminator, into
// out[0, outSize). False, with an empty string in out (when outSize > 0),
// when the result would not fit or the kept part names no whole program.
bool BuildOpenCommand(std::string_view command, std::string_view target, char* out, std::size_t outSize);

} // namespace lattice::core
