// Reaches a symbol edit's private parts from the tests: its loaders and
// catalogue, its popup windows, and the text state its kind shares.
#pragma once

#include "CSymbolSearchEdit.h"

class CSymbolSearchEditTestAccess {
public:
    static void LoadCatalogue(CSymbolSearchEdit& e) { e.LoadCatalogue(); }
    static void InitSymbolID(CSymbolSearchEdit& e) { e.InitSymbolID(); }
    static void InitWarrant(CSymbolSearchEdit& e) { e.InitWarrant(); }
    static void InitIndustryID(CSymbolSearchEdit& e) { e.InitIndustryID(); }
    static void InitialServiceSymbol(CSymbolSearchEdit& e, unsigned char s) { e.InitialServiceSymbol(s); }
    static const std::vector<CSymbolSearchEntry>& Catalogue(const CSymbolSearchEdit& e) { return e.m_vecSymbols; }
    static CSymbolSearchEdit::TYPE Type(const CSymbolSearchEdit& e) { return e.m_eType; }

    static HWND List(const CSymbolSearchEdit& e) { return e.m_list.m_hWnd; }
    static HWND Tip(const CSymbolSearchEdit& e) { return e.m_tip.m_hWnd; }
    // Forgets the last text any symbol edit handled, as a fresh process would.
    static void ForgetLastText() { CSymbolSearchEdit::s_strLastText = "~ no text typed yet ~"; }
};
