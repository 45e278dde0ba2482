// Replaces one function a loaded module imports, for the object's lifetime,
// by rewriting the module's import address table: the module's own calls
// reach the replacement, everyone else's the real function.
#pragma once

#include <windows.h>

#include <cstring>

class ImportPatch {
public:
    ImportPatch(HMODULE hModule, const char* pszFunction, const void* pReplacement)
    {
        BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
        const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + reinterpret_cast<IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
        const DWORD dwImports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* pDll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dwImports); dwImports && pDll->Name; ++pDll) {
            auto* pName = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->OriginalFirstThunk);
            for (auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->FirstThunk); pName->u1.AddressOfData; ++pName, ++pSlot)
                if (!IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal) &&
                    !std::strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData)->Name, pszFunction)) {
                    m_ppSlot = reinterpret_cast<void**>(&pSlot->u1.Function);
                    m_pOriginal = Write(const_cast<void*>(pReplacement));
                    return;
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
    void* Write(void* pValue) // returns the value replaced
    {
        DWORD dwOld = 0;
        ::VirtualProtect(m_ppSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
        void* pPrevious = *m_ppSlot;
        *m_ppSlot = pValue;
        ::VirtualProtect(m_ppSlot, sizeof(void*), dwOld, &dwOld);
        return pPrevious;
    }
    void** m_ppSlot = NULL;
    void* m_pOriginal = NULL;
};
