// Feeds arbitrary registered commands and targets to the hyperlink's command
// rewriting: the first byte splits the input. Checks that the command line
// stays inside its buffer, that what fits is not refused, and that a built
// one is the command's kept part, a blank and the whole target, with the
// program name untouched.
#include "lattice/core/OpenCommand.h"

#include "FuzzInput.h"

#include <cstdlib>
#include <cstring>

namespace core = lattice::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    FuzzInput in(data, size);
    const std::uint8_t shape = in.Byte();
    const std::size_t split = shape % size;
    std::string command = in.Text(split);
    // Half the inputs take the shape of a registered command, so that the
    // placeholder cases are reached without the fuzzer finding "%1" first.
    if (shape & 0x80)
        command = "\"C:\\b.exe\" " + command + (shape & 0x40 ? " \"%1\"" : " %1");
    const std::string target = in.Rest();
    // Vary the buffer size too, down to nothing, so that the bounds are
    // exercised without needing inputs of hundreds of bytes.
    const std::size_t outSize = split % 3 == 0 ? core::kOpenCommandBufferSize : (size * 7 + shape) % 40;

    // Exact-size heap buffer: AddressSanitizer reports any write past it.
    // None at all for size 0, so that any write there faults.
    std::unique_ptr<char[]> out(outSize == 0 ? nullptr : new char[outSize]);
    const bool built = core::BuildOpenCommand(command, target, out.get(), outSize);
    const std::size_t nKept = core::KeptCommandLength(command);
    if (nKept > command.size())
        std::abort();
    const std::string kept = command.substr(0, nKept), line = kept + " " + target;
    // Refused only when it does not fit or names no whole program, and then
    // empty; else the kept part, a blank and the whole target, terminated.
    if (!built && ((outSize > 0 && out[0] != '\0') || (line.size() < outSize && core::NamesWholeProgram(kept))))
        std::abort();
    if (built && (line.size() >= outSize || std::memcmp(out.get(), line.c_str(), line.size() + 1) != 0 ||
                  !core::NamesWholeProgram(kept)))
        std::abort();
    return 0;
}
