// Feeds arbitrary registered commands and targets to the hyperlink's command
// rewriting: the first byte splits the input. Checks that the command line
// stays inside its buffer, that what fits is not refused, and that a built
// one is the command's kept part, a blank and the whole target, with the
// program name untouched.
#include "lattice/core/OpenCommand.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace core = lattice::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t split = data[0] % size;
    std::string command(reinterpret_cast<const char*>(data + 1), split);
    // Half the inputs take the shape of a registered command, so that the
    // placeholder cases are reached without the fuzzer finding "%1" first.
    if (data[0] & 0x80)
        command = "\"C:\\b.exe\" " + command + (data[0] & 0x40 ? " \"%1\"" : " %1");
    const std::string target(reinterpret_cast<const char*>(data + 1 + split), size - 1 - split);
    // Vary the buffer size too, down to nothing, so that the bounds are
    // exercised without needing inputs of hundreds of bytes.
    const std::size_t outSize = split % 3 == 0 ? core::kOpenCommandBufferSize : (size * 7 + data[0]) % 40;

    // Exact-size heap buffer: AddressSanitizer reports any write past it.
    // None at all for size 0, so that any write there faults.
    std::unique_ptr<char[]> out(outSize == 0 ? nullptr : new char[outSize]);
    const bool built = core::BuildOpenCommand(command, target, out.get(), outSize);
    const std::size_t kept = core::KeptCommandLength(command);
    const std::size_t len = kept + 1 + target.size();
    if (!built) {
        // Refused only when it does not fit or names no whole program.
        if ((outSize > 0 && out[0] != '\0') ||
            (len < outSize && core::NamesWholeProgram(std::string(command, 0, kept))))
            std::abort();
        return 0;
    }
    if (kept > command.size() || len >= outSize || out[len] != '\0')
        std::abort();
    if (std::memcmp(out.get(), command.data(), kept) != 0 || out[kept] != ' ' ||
        std::memcmp(out.get() + kept + 1, target.data(), target.size()) != 0)
        std::abort();
    if (!core::NamesWholeProgram(std::string(command, 0, kept)))
        std::abort();
    return 0;
}
