// What a symbol edit searches: display lines, each tied to the symbol it
// names, in the edit's own entry vector, with an upper-cased copy of every
// line made as it is appended so that a keystroke only scans. Filled from
// the host's backend service by market type, or from records the host
// hands over. Internal to the library; its tests and benchmarks use it
// without a window.
#pragma once

#include <afx.h>

#include <vector>

#include "CSymbolSearchEdit.h"
#include "lattice/core/SearchData.h"

class AFX_EXT_CLASS SymbolCatalogue {
public:
    // The entries stay the caller's; this object fills them and must not
    // outlive them.
    explicit SymbolCatalogue(std::vector<CSymbolSearchEntry>& entries);

// Attributes
    const std::vector<CSymbolSearchEntry>& Entries() const { return m_entries; }
    // One upper-cased copy per entry's line, in entry order.
    const lattice::search::UpperCasedData& UpperCasedLines() const { return m_upper; }

// Whole catalogues: each empties the catalogue first.
    // The loader of a market type; TYPE_NONE and unknown values load
    // nothing and leave the catalogue as it is.
    void Load(CSymbolSearchEdit::TYPE type);
    // Stocks, the second market, options by commodity, then every other
    // service the backend lists (79 never); nothing when it lists none.
    void LoadSymbols();
    // Every warrant whose name the backend gives, as "ID name".
    void LoadWarrants();
    // Stocks, then the industry tree.
    void LoadIndustries();
    // One "ID name" line per record whose name the backend gives. Reads each
    // record through its getters, which refresh the record's mirror fields.
    void LoadRecords(std::vector<CSymbolInfo>& records);
    void Clear();

// Parts: each appends.
    // Every contract of a service (or, for a single contract, its symbols).
    void AppendService(unsigned char service);
    // Every symbol of every commodity of an option service.
    void AppendOptions(unsigned char service);
    // Levels 2 to 4 of the industry tree, depth first; nameless nodes and
    // everything under them are left out.
    void AppendIndustryTree();

private:
    void AppendServiceLine(const CString& strServiceName, const CString& strShownID, const CString& strName,
                           unsigned char service, const CString& strSymbol);
    void AppendPlainLine(const CString& strName, unsigned char service, const CString& strSymbol);
    // Appends an entry for the symbol whose line the caller writes in place.
    CSymbolSearchEntry& NewEntry(unsigned char service, const CString& strSymbol);
    // Adds the upper-cased copy of the last entry's line.
    void IndexLastEntry();

    std::vector<CSymbolSearchEntry>& m_entries;
    lattice::search::UpperCasedData m_upper;
};
