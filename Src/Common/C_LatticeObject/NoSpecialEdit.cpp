// NoSpecialEdit: the text check runs on every change of the text, typed,
// pasted or set by the program, through the walk of lattice/core/InputFilter.h.
#include "NoSpecialEdit.h"

#include <cstddef>

#include "C_BKInterface.h"
#include "lattice/core/InputFilter.h"

namespace {

// Texts come from the host's language table each time they are needed, so a
// change of the user's language shows at once; an empty answer gives an
// empty box.
CString LanguageText(const char* pszKey) { return C_BKInterface::GetBKInterface()->LangGetLangString(pszKey); }

void TellUser(CWnd& edit, const CString& strText) { edit.MessageBox(strText, "", MB_ICONEXCLAMATION); }

bool KeyDown(int nVirtualKey) { return (::GetKeyState(nVirtualKey) & 0x8000) != 0; }

} // namespace

NoSpecialEdit::NoSpecialEdit() : m_pNotifyWnd(NULL)
{
    // The host compiles against this layout: the members follow the SEdit
    // part (40 bytes on x86-64, 20 on i686) without gaps.
    static_assert(sizeof(CString) == sizeof(void*), "CString is one pointer wide");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof" // offsets within one compiler's layout, as the host sees it
#if defined(_WIN64)
    static_assert(offsetof(NoSpecialEdit, m_strLastValid) == 40, "NoSpecialEdit layout (x86-64)");
    static_assert(offsetof(NoSpecialEdit, m_pNotifyWnd) == 48, "NoSpecialEdit layout (x86-64)");
    static_assert(sizeof(NoSpecialEdit) == 56, "NoSpecialEdit layout (x86-64)");
#else
    static_assert(offsetof(NoSpecialEdit, m_strLastValid) == 20, "NoSpecialEdit layout (i686)");
    static_assert(offsetof(NoSpecialEdit, m_pNotifyWnd) == 24, "NoSpecialEdit layout (i686)");
    static_assert(sizeof(NoSpecialEdit) == 28, "NoSpecialEdit layout (i686)");
#endif
#pragma GCC diagnostic pop
}

NoSpecialEdit::~NoSpecialEdit() = default;

void NoSpecialEdit::SetNofityWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }

bool NoSpecialEdit::IsAllowInput(int nChar) const { return lattice::core::IsAllowedInputChar(nChar); }

void NoSpecialEdit::OnChange()
{
    CString strText;
    GetWindowText(strText);
    const std::size_t refused = lattice::core::FindRefusedByte(
        strText, static_cast<std::size_t>(strText.GetLength()), [this](int nChar) { return IsAllowInput(nChar); });
    if (refused == lattice::core::kNoRefusedByte) {
        m_strLastValid = strText;
        return;
    }

    TellUser(*this, LanguageText("IDS_NOSPECIALEDIT_NOT_INPUT"));
    // In a single-line edit this raises another change, which passes and
    // stores the same text again.
    SetWindowText(m_strLastValid);
    const int nEnd = m_strLastValid.GetLength();
    SendMessage(EM_SETSEL, nEnd, nEnd);
    SendMessage(EM_SCROLLCARET);
}

BOOL NoSpecialEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    if (pMsg->message == WM_KEYDOWN) {
        const CString strNotPaste = LanguageText("IDS_NOSPECIALEDIT_NOT_PASTE");
        // Both keys of either pasting chord are read from the key state, so
        // the chord counts in whichever order its keys went down.
        if ((KeyDown(VK_SHIFT) && KeyDown(VK_INSERT)) || (KeyDown(VK_CONTROL) && KeyDown('V'))) {
            TellUser(*this, strNotPaste);
            return TRUE;
        }
        return SEdit::PreTranslateMessage(pMsg);
    }
    if (pMsg->message == WM_RBUTTONUP)
        return TRUE;
    return SEdit::PreTranslateMessage(pMsg);
}

BEGIN_MESSAGE_MAP(NoSpecialEdit, SEdit)
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()
