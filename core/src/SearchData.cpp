#include "lattice/core/SearchData.h"

#include <cstring>

namespace lattice::search {

std::string UpperCopy(std::string_view text, const LeadByteTable& lead)
{
    std::string copy(text);
    mbcs::MakeUpper(copy.data(), copy.size(), lead);
    return copy;
}

void UpperCasedData::Clear()
{
    m_bytes.clear();
    m_starts.clear();
}

void UpperCasedData::Reserve(std::size_t count, std::size_t bytes)
{
    m_starts.reserve(count);
    m_bytes.reserve(bytes + count);
}

void UpperCasedData::Add(std::string_view text, const LeadByteTable& lead)
{
    const std::size_t start = m_bytes.size();
    m_starts.push_back(start);
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    m_bytes.push_back('\0');
    mbcs::MakeUpper(m_bytes.data() + start, text.size(), lead);
}

bool UpperCasedData::Preselects(std::size_t i, std::size_t pos, const LeadByteTable& lead, Preselection rule) const
{
    if (pos != rule.position)
        return false;
    return rule.marker == '\0' || mbcs::Find(At(i), std::string_view(&rule.marker, 1), 0, lead) != mbcs::npos;
}

void UpperCasedData::Match(std::string_view upperKey, const LeadByteTable& lead, MatchResult& result,
                           Preselection rule) const
{
    result.hits.clear();
    result.preselectIndex = MatchResult::kNone;
    const std::size_t count = m_starts.size();
    auto hit = [&](std::size_t i, std::size_t pos) {
        result.hits.push_back(static_cast<std::uint32_t>(i));
        if (result.preselectIndex == MatchResult::kNone && Preselects(i, pos, lead, rule))
            result.preselectIndex = i;
    };
    if (upperKey.empty()) {
        result.hits.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            hit(i, 0);
        return;
    }

    // One scan over all strings at once: the buffer is searched for the
    // key's first bytes, each candidate is placed in its string, and after a
    // match the scan goes on at the next string. The zero after each string
    // keeps a match from running into the next one, since a key has none.
    const char* const bytes = m_bytes.data();
    const std::size_t size = m_bytes.size(), m = upperKey.size();
    std::size_t i = 0, pos = 0;
    while (pos < size) {
        const std::size_t found = m == 1 ? mbcs::FindByte(bytes + pos, size - pos, upperKey[0])
                                         : mbcs::FindBytePair(bytes + pos, size - pos, upperKey[0], upperKey[1]);
        if (found == mbcs::npos)
            return;
        pos += found;
        while (i + 1 < count && m_starts[i + 1] <= pos)
            ++i;
        const std::size_t start = m_starts[i];
        if (pos + m <= start + Length(i) && std::memcmp(bytes + pos, upperKey.data(), m) == 0 &&
            mbcs::IsCharStart(bytes, pos, start, lead)) {
            hit(i, pos - start);
            if (++i == count)
                return;
            pos = m_starts[i];
        } else {
            ++pos;
        }
    }
}

} // namespace lattice::search
