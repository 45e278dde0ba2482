// MyRichEdit: creation from the rich edit library's own window class.
#include "MyRichEdit.h"

#include <cstddef>

#include "CAutoDllResource.h"
#include "LatticeObjectModule.h"

namespace {
// The creation steps run with the library's resources first in MFC's
// lookup, as every operation of the library that may need them does.
HINSTANCE CurrentResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
} // namespace

MyRichEdit::MyRichEdit() : m_hRichEditLib(NULL)
{
    // The host compiles against this layout: the member follows the
    // CRichEditCtrl part without a gap.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof" // offsets within one compiler's layout, as the host sees it
#if defined(_WIN64)
    static_assert(offsetof(MyRichEdit, m_hRichEditLib) == 24, "MyRichEdit layout (x86-64)");
    static_assert(sizeof(MyRichEdit) == 32, "MyRichEdit layout (x86-64)");
#else
    static_assert(offsetof(MyRichEdit, m_hRichEditLib) == 12, "MyRichEdit layout (i686)");
    static_assert(sizeof(MyRichEdit) == 16, "MyRichEdit layout (i686)");
#endif
#pragma GCC diagnostic pop
}

MyRichEdit::~MyRichEdit()
{
    // The window procedure lives in the library: the window must go first.
    DestroyWindow();
    if (m_hRichEditLib != NULL)
        ::FreeLibrary(m_hRichEditLib);
}

BOOL MyRichEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    CAutoDllResource useLibraryResources(CurrentResourceHandle(), LatticeObjectInstance());
    const HMODULE hLoaded = ::LoadLibraryA("RICHED20.DLL");
    if (hLoaded == NULL)
        return FALSE;
    // A control holds one reference however often Create is called on it.
    if (m_hRichEditLib == NULL)
        m_hRichEditLib = hLoaded;
    else
        ::FreeLibrary(hLoaded);
    return CWnd::Create("RichEdit20A", NULL, dwStyle, rect, pParentWnd, nID, NULL);
}

BOOL MyRichEdit::CreateById(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd)
{
    CAutoDllResource useLibraryResources(CurrentResourceHandle(), LatticeObjectInstance());
    return Create(dwStyle, rect, pParentWnd, kDefaultId);
}

BEGIN_MESSAGE_MAP(MyRichEdit, CRichEditCtrl)
END_MESSAGE_MAP()
