#include "lattice/core/SymbolLine.h"

#include <cstring>

namespace lattice::symbols {

namespace {

char* Put(char* out, std::string_view text)
{
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

std::size_t PaddedIdLength(std::string_view id)
{
    return id.size() < kServiceLineIdWidth ? kServiceLineIdWidth : id.size();
}

} // namespace

std::size_t ServiceLineLength(std::string_view service, std::string_view id, std::string_view name)
{
    return 1 + service.size() + 1 + PaddedIdLength(id) + 1 + name.size();
}

void WriteServiceLine(char* out, std::string_view service, std::string_view id, std::string_view name)
{
    *out++ = '[';
    out = Put(out, service);
    *out++ = ']';
    out = Put(out, id);
    const std::size_t padding = PaddedIdLength(id) - id.size();
    std::memset(out, ' ', padding);
    out += padding;
    *out++ = ' ';
    Put(out, name);
}

std::size_t PlainLineLength(std::string_view id, std::string_view name)
{
    return id.size() + 1 + name.size();
}

void WritePlainLine(char* out, std::string_view id, std::string_view name)
{
    out = Put(out, id);
    *out++ = ' ';
    Put(out, name);
}

} // namespace lattice::symbols
