#include "lattice/core/LeadByteTable.h"

namespace lattice {

const LeadByteTable& LeadByteTable::Cp950()
{
    static const LeadByteTable table =
        FromPredicate([](unsigned char b) { return b >= 0x81 && b <= 0xFE; });
    return table;
}

} // namespace lattice
