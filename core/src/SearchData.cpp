#include "lattice/core/SearchData.h"

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
    result.hits.reserve(upperKey.empty() ? count : 0);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t pos = upperKey.empty() ? 0 : mbcs::Find(At(i), upperKey, 0, lead);
        if (pos == mbcs::npos)
            continue;
        result.hits.push_back(static_cast<std::uint32_t>(i));
        if (result.preselectIndex == MatchResult::kNone && Preselects(i, pos, lead, rule))
            result.preselectIndex = i;
    }
}

} // namespace lattice::search
