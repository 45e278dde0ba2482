// Which byte values begin a double-byte character in a multibyte code page.
// Text functions of the core take one of these instead of asking the system,
// so they run the same natively and under Windows.
#pragma once

#include <array>

namespace lattice {

class LeadByteTable {
public:
    // A table with no lead bytes: every byte is a character of its own.
    LeadByteTable() = default;

    // Code page 950 (Traditional Chinese, Big5): lead bytes 0x81 to 0xFE.
    static const LeadByteTable& Cp950();

    // Builds a table by asking a predicate about every byte value, e.g. the
    // system's IsDBCSLeadByte for the process's ANSI code page.
    template <class Predicate>
    static LeadByteTable FromPredicate(Predicate isLead)
    {
        LeadByteTable table;
        for (int b = 0; b < 256; ++b)
            table.m_lead[b] = isLead(static_cast<unsigned char>(b));
        return table;
    }

    bool IsLead(unsigned char byte) const { return m_lead[byte]; }
    bool IsLead(char byte) const { return m_lead[static_cast<unsigned char>(byte)]; }

private:
    std::array<bool, 256> m_lead{};
};

} // namespace lattice
