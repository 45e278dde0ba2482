// The search edits' matcher against a search of one string at a time: for
// arbitrary strings and keys, UpperCasedData::Match (one scan over all the
// strings) must report exactly the strings mbcs::Find finds in the
// upper-cased strings, in order, and the same preselected string; mbcs::Find
// itself is checked against a character walk by fuzz_mbcs_text. The
// strings sit in a buffer reserved to their exact size and the key in an
// exact-size heap block, so that AddressSanitizer sees any read past either.
//
// Input: byte 0 chooses the preselection rule (position, marker or none),
// byte 1 the key's length; then the key, then strings, each given as a
// length byte and its bytes.
#include "lattice/core/SearchData.h"

#include "FuzzInput.h"

#include <cstdlib>
#include <vector>

namespace search = lattice::search;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& lead = lattice::LeadByteTable::Cp950();
    FuzzInput in(data, size);
    const std::uint8_t ruleByte = in.Byte();
    search::Preselection rule;
    rule.position = ruleByte % 8;
    rule.marker = (ruleByte & 0x80) != 0 ? '[' : '\0';
    const std::string key = search::UpperCopy(in.Text(in.Byte() % 8), lead);
    std::vector<std::string> strings;
    std::size_t bytes = 0;
    while (in.Remaining() > 0) {
        strings.push_back(in.Text(in.Byte()));
        bytes += strings.back().size();
    }

    search::UpperCasedData upper;
    upper.Reserve(strings.size(), bytes);
    for (const std::string& s : strings)
        upper.Add(s, lead);
    const std::unique_ptr<char[]> exactKey = ExactCopy(key);
    search::MatchResult result;
    upper.Match(std::string_view(exactKey.get(), key.size()), lead, result, rule);

    std::vector<std::uint32_t> hits;
    std::size_t preselect = search::MatchResult::kNone;
    for (std::size_t i = 0; i < strings.size(); ++i) {
        // Stored upper-cased and terminated, as a list box takes it.
        const std::string text = search::UpperCopy(strings[i], lead);
        if (upper.At(i) != text || upper.CStr(i)[text.size()] != '\0')
            std::abort();
        const std::size_t pos = lattice::mbcs::Find(text, key, 0, lead);
        if (pos == lattice::mbcs::npos)
            continue;
        hits.push_back(static_cast<std::uint32_t>(i));
        const bool marked = rule.marker == '\0' || lattice::mbcs::Find(text, std::string(1, rule.marker), 0, lead) != lattice::mbcs::npos;
        if (preselect == search::MatchResult::kNone && pos == rule.position && marked)
            preselect = i;
    }
    if (result.hits != hits || result.preselectIndex != preselect)
        std::abort();
    return 0;
}
