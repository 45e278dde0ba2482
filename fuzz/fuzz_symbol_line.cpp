// The catalogue's line writer against the C runtime's formatting: for any
// service name, ID and name without a NUL byte (the edit hands over each up
// to its first NUL, as "%s" reads it), the service line has the bytes of
// "[%s]%-8s %s" and the plain line those of "%s %s". Each line is written
// into a block of exactly its length, so that a write past it is caught.
//
// Input: two length bytes, then the service name, the ID and the name.
#include "lattice/core/SymbolLine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

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
    if (size < 2)
        return 0;
    std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t serviceLength = std::min<std::size_t>(data[0] % 16, rest.size());
    const std::size_t idLength = std::min<std::size_t>(data[1] % 24, rest.size() - serviceLength);
    // Up to the first NUL, as the edit reads each part.
    auto part = [&](std::size_t from, std::size_t length) {
        const std::string s = rest.substr(from, length);
        return s.substr(0, s.find('\0'));
    };
    const std::string service = part(0, serviceLength), id = part(serviceLength, idLength),
                      name = part(serviceLength + idLength, std::string::npos);

    const std::size_t serviceLineLength = symbols::ServiceLineLength(service, id, name);
    const std::string serviceLine = WrittenExactly(
        serviceLineLength, [&](char* out) { symbols::WriteServiceLine(out, service, id, name); });
    if (serviceLine != Formatted("[%s]%-8s %s", service, id, name))
        std::abort();

    const std::size_t plainLineLength = symbols::PlainLineLength(id, name);
    const std::string plainLine =
        WrittenExactly(plainLineLength, [&](char* out) { symbols::WritePlainLine(out, id, name); });
    if (plainLine != Formatted("%s %s", id, name))
        std::abort();
    return 0;
}
