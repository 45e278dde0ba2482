// Replaces one imported function of a loaded module for the lifetime of the
// object, by rewriting the module's import address table: the module's calls
// then reach the replacement, everyone else's the real function.
#pragma once

#include <windows.h>

#include <cstring>

class ImportPatch {
public:
    ImportPatch(HMODULE hModule, const char* pszFunction, const void* pReplacement) : m_ppSlot(NULL), m_pOriginal(NULL)
    {
        BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
        const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* pImport = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress);
             dir.VirtualAddress != 0 && pImport->Name != 0; ++pImport) {
            auto* pNames = reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
            auto* pSlots = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
            for (; pNames->u1.AddressOfData != 0; ++pNames, ++pSlots) {
                if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                    continue;
                const auto* pByName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(pByName->Name), pszFunction) == 0) {
                    m_ppSlot = reinterpret_cast<void**>(&pSlots->u1.Function);
                    m_pOriginal = *m_ppSlot;
                    Write(const_cast<void*>(pReplacement));
                    return;
                }
            }
        }
    }
    ~ImportPatch()
    {
        if (m_ppSlot != NULL)
            Write(m_pOriginal);
    }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool Applied() const { return m_ppSlot != NULL; }

private:
    void Write(void* pValue)
    {
        DWORD dwOld = 0;
        ::VirtualProtect(m_ppSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
        *m_ppSlot = pValue;
        ::VirtualProtect(m_ppSlot, sizeof(void*), dwOld, &dwOld);
    }

    void** m_ppSlot;
    void* m_pOriginal;
};
