#include "lattice/core/OpenCommand.h"

#include <cstring>

namespace lattice::core {

// Plain byte searches are safe on double-byte text here: neither '"' (0x22)
// nor '%' (0x25) nor '1' can be the trail byte of a Big5 character, whose
// trail bytes start at 0x40.
std::size_t KeptCommandLength(std::string_view command)
{
    std::size_t at = command.find("\"%1\"");
    if (at != std::string_view::npos)
        return at;
    at = command.find("%1");
    if (at != std::string_view::npos)
        return at;
    return command.size();
}

bool NamesWholeProgram(std::string_view kept)
{
    std::size_t i = 0;
    while (i < kept.size() && (kept[i] == ' ' || kept[i] == '\t'))
        ++i;
    if (i == kept.size())
        return false;
    if (kept[i] != '"')
        return true;
    // A quoted name needs its closing quote and something between the two.
    const std::size_t close = kept.find('"', i + 1);
    return close != std::string_view::npos && close > i + 1;
}

bool BuildOpenCommand(std::string_view command, std::string_view target, char* out, std::size_t outSize)
{
    if (outSize > 0)
        out[0] = '\0';
    const std::string_view kept = command.substr(0, KeptCommandLength(command));
    if (!NamesWholeProgram(kept))
        return false;
    // kept + blank + target + terminator, each term checked against what
    // is left so that nothing can overflow in the sum.
    if (outSize == 0 || kept.size() >= outSize || target.size() >= outSize - kept.size() - 1)
        return false;
    std::memcpy(out, kept.data(), kept.size());
    out[kept.size()] = ' ';
    std::memcpy(out + kept.size() + 1, target.data(), target.size());
    out[kept.size() + 1 + target.size()] = '\0';
    return true;
}

} // namespace lattice::core
