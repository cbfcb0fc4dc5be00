#pragma once
// A window object: the class procedure routes each message to the object's WindowProc. The
// object owns its window and destroys it when it goes (without routing to the object any more).
#include <windows.h>

namespace standin {

class CStandinWnd {
public:
    CStandinWnd() = default;
    virtual ~CStandinWnd();
    CStandinWnd(const CStandinWnd&) = delete;
    CStandinWnd& operator=(const CStandinWnd&) = delete;

    // Registers a window class whose procedure routes to CStandinWnd objects.
    static bool RegisterClass(HINSTANCE instance, const char* className, HBRUSH background);

    bool Create(HINSTANCE instance, const char* className, const char* title, DWORD style,
                DWORD exStyle, const RECT& place, HWND parent, UINT_PTR id = 0);
    // Destroys the window now, with the object still receiving WM_DESTROY.
    void Destroy();
    HWND Hwnd() const { return m_hwnd; }

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd = nullptr;
};

}  // namespace standin
