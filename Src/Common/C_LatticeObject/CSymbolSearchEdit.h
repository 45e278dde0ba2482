// An edit in which the user finds a market symbol by typing part of its code
// or name. This header holds the edit's catalogue: the display lines it
// searches, each tied to the symbol it names, and the loaders that fill it
// from the host's backend service or from records the host hands over.
#pragma once

#include <afxwin.h>

#include <vector>

#include "CSymbolInfo.h"

// One line of the catalogue and the symbol it names.
struct AFX_EXT_CLASS CSymbolSearchEntry {
    CString m_strLine;
    CSymbolInfo m_info;
};

#pragma pack(push, 1)

class AFX_EXT_CLASS CSymbolSearchEdit : public CEdit {
public:
    // Which catalogue the edit loads. Any other value loads nothing.
    enum TYPE : int {
        TYPE_NONE = 0,     // what SetSearchData built, or empty
        TYPE_SYMBOL = 1,   // stocks, the second market, options, then every other service
        TYPE_WARRANT = 2,  // warrants
        TYPE_INDUSTRY = 3, // stocks, then the industry tree
    };

    // Room reserved for catalogue lines when the edit is made.
    static const size_t kCatalogueReserve = 0x20000;

// Constructors
    CSymbolSearchEdit();
    virtual ~CSymbolSearchEdit();

// Catalogue
    // Stores the type only; the catalogue is reloaded later, not here.
    void SetType(TYPE type);
    // Asks for the catalogue of the current type to be loaded again at the
    // next change of the text.
    void ResetSymbolFile();
    // Rebuilds the catalogue from the host's records, one "ID name" line per
    // record whose name the backend knows. Reads each record through its
    // getters, which refresh the record's mirror fields.
    void SetSearchData(std::vector<CSymbolInfo>& data);

private:
    // Runs the loader of the current type; TYPE_NONE and unknown values load
    // nothing and leave the catalogue as it is.
    void LoadCatalogue();

    // Loaders run for the current type (all empty the catalogue first).
    void InitSymbolID();
    void InitWarrant();
    void InitIndustryID();
    // Append to the catalogue.
    void InitialServiceSymbol(unsigned char service);
    void InitialOptionSymbol(unsigned char service);
    void InitialNSSISymbol();

    void AppendServiceLine(const CString& strServiceName, const CString& strShownID, const CString& strName,
                           unsigned char service, const CString& strSymbol);
    void AppendPlainLine(const CString& strName, unsigned char service, const CString& strSymbol);

    friend class CSymbolSearchEditTestAccess;

    TYPE m_eType;
    bool m_bReload;
    std::vector<CSymbolSearchEntry> m_vecSymbols;

    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
