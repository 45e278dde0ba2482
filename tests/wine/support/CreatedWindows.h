// Finds the windows a control makes for itself, such as popups that it
// creates as its children and then turns into top-level windows: while a
// recorder lives, every window created on this thread with the given
// parent is noted, in the order of creation.
#pragma once

#include <windows.h>

#include <vector>

class CreatedWindows {
public:
    explicit CreatedWindows(HWND hParent);
    ~CreatedWindows();
    CreatedWindows(const CreatedWindows&) = delete;
    CreatedWindows& operator=(const CreatedWindows&) = delete;

    // The i-th window created for the parent so far, or NULL.
    HWND At(size_t i) const { return i < m_created.size() ? m_created[i] : NULL; }

private:
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam);

    HWND m_hParent;
    HHOOK m_hHook;
    std::vector<HWND> m_created;
    CreatedWindows* m_pOuter; // the recorder this one hides while it lives
};
