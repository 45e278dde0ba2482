// The search edit's data without windows: sorting the strings a host hands
// over, and finding which of them contain the typed text without regard to
// case. The edit keeps an upper-cased copy of every string, made once when
// the data is set, so that a keystroke only scans.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lattice/core/LeadByteTable.h"
#include "lattice/core/MbcsText.h"

namespace lattice::search {

// Sorts into strictly ascending byte order and drops exact duplicates, so
// that strings differing only in case both stay, capitals first.
// `view` turns an element into a std::string_view.
template <class T, class View>
void SortUniqueByBytes(std::vector<T>& data, View view)
{
    if (data.empty())
        return;
    auto less = [&](const T& a, const T& b) { return mbcs::Compare(view(a), view(b)) < 0; };
    auto equal = [&](const T& a, const T& b) { return mbcs::Compare(view(a), view(b)) == 0; };
    std::stable_sort(data.begin(), data.end(), less);
    data.erase(std::unique(data.begin(), data.end(), equal), data.end());
}

// What one run of the matching found.
struct MatchResult {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::uint32_t> hits;    // indices of matching strings, ascending
    std::size_t preselectIndex = kNone; // the string the list selects first
};

// Which matching string the list selects first: the first whose match
// begins at byte `position` and, when `marker` is not zero, that contains
// the character `marker` anywhere.
struct Preselection {
    std::size_t position = 0;
    char marker = '\0';
};

// Upper-cased copies of the search strings, packed into one buffer with a
// terminating zero after each, so each can go to a list box as it is.
class UpperCasedData {
public:
    void Clear();
    void Reserve(std::size_t count, std::size_t bytes);
    // Appends an upper-cased copy of `text` (bytes after an embedded zero
    // are kept but a C string reader stops there).
    void Add(std::string_view text, const LeadByteTable& lead);

    std::size_t Size() const { return m_starts.size(); }
    std::string_view At(std::size_t i) const
    {
        return std::string_view(m_bytes.data() + m_starts[i], Length(i));
    }
    const char* CStr(std::size_t i) const { return m_bytes.data() + m_starts[i]; }

    // Every string that contains `upperKey` at a character start (the first
    // such occurrence counts), and the one `rule` preselects. An empty key is
    // contained in every string, at its start.
    void Match(std::string_view upperKey, const LeadByteTable& lead, MatchResult& result,
               Preselection rule = Preselection()) const;

private:
    bool Preselects(std::size_t i, std::size_t pos, const LeadByteTable& lead, Preselection rule) const;
    std::size_t Length(std::size_t i) const
    {
        const std::size_t end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_bytes.size();
        return end - m_starts[i] - 1; // less the terminating zero
    }
    std::vector<char> m_bytes;          // upper-cased strings, each followed by a zero
    std::vector<std::size_t> m_starts;  // offset of each string in m_bytes
};

// An upper-cased copy of a text.
std::string UpperCopy(std::string_view text, const LeadByteTable& lead);

} // namespace lattice::search
