#include "lattice/core/InputFilter.h"

namespace lattice::core {

bool IsAllowedInputChar(int nChar)
{
    // These four pass although they lie inside the refused ranges below.
    if (nChar == '(' || nChar == ')' || nChar == '-' || nChar == '_')
        return true;
    if ((nChar >= 0 && nChar <= 7) || (nChar >= 9 && nChar <= 47) || (nChar >= 58 && nChar <= 64) ||
        (nChar >= 91 && nChar <= 96) || (nChar >= 123 && nChar <= 127))
        return false;
    // Backspace, digits, letters and everything outside 0..127.
    return true;
}

} // namespace lattice::core
