#pragma once
// Thin window object: owns nothing but the link between an HWND and its C++ object.
#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    bool ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    bool SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags) != FALSE;
    }
    bool PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return ::PostMessageA(m_hWnd, msg, wp, lp) != FALSE;
    }

protected:
    HWND m_hWnd = nullptr;
};
