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

void UpperCasedData::Match(std::string_view upperKey, const LeadByteTable& lead, MatchResult& result) const
{
    result.hits.clear();
    result.prefixIndex = MatchResult::kNone;
    const std::size_t count = m_starts.size();
    if (upperKey.empty()) {
        result.hits.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            result.hits.push_back(static_cast<std::uint32_t>(i));
        if (count != 0)
            result.prefixIndex = 0;
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t pos = mbcs::Find(At(i), upperKey, 0, lead);
        if (pos == mbcs::npos)
            continue;
        result.hits.push_back(static_cast<std::uint32_t>(i));
        if (pos == 0 && result.prefixIndex == MatchResult::kNone)
            result.prefixIndex = i;
    }
}

} // namespace lattice::search
