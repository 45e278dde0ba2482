// The catalogue's line writer against the C runtime's formatting: for any
// service name, ID and name without a NUL byte (the edit hands over each up
// to its first NUL, as "%s" reads it), the service line has the bytes of
// "[%s]%-8s %s" and the plain line those of "%s %s". Each line is written
// into a block of exactly its length, so that a write past it is caught.
//
// Input: two length bytes, then the service name, the ID and the name.
#include "lattice/core/SymbolLine.h"

#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace symbols = lattice::symbols;

namespace {

template <class... Parts>
std::string Formatted(const char* format, const Parts&... parts)
{
    const int n = std::snprintf(nullptr, 0, format, parts.c_str()...);
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(&out[0], out.size(), format, parts.c_str()...);
    out.pop_back();
    return out;
}

template <class Write>
std::string WrittenExactly(std::size_t length, Write write)
{
    const std::unique_ptr<char[]> block(new char[length == 0 ? 1 : length]);
    write(block.get());
    return std::string(block.get(), length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::size_t serviceLength = in.Byte() % 16, idLength = in.Byte() % 24;
    // Up to the first NUL, as the edit reads each part.
    auto part = [](const std::string& s) { return s.substr(0, s.find('\0')); };
    const std::string service = part(in.Text(serviceLength)), id = part(in.Text(idLength)), name = part(in.Rest());

    const std::string serviceLine = WrittenExactly(symbols::ServiceLineLength(service, id, name), [&](char* out) {
        symbols::WriteServiceLine(out, service, id, name);
    });
    if (serviceLine != Formatted("[%s]%-8s %s", service, id, name))
        std::abort();
    const std::string plainLine =
        WrittenExactly(symbols::PlainLineLength(id, name), [&](char* out) { symbols::WritePlainLine(out, id, name); });
    if (plainLine != Formatted("%s %s", id, name))
        std::abort();
    return 0;
}
