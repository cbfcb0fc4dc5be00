#include "StandinWnd.h"

namespace standin {

CStandinWnd::~CStandinWnd() {
    if (!m_hwnd) return;
    // The derived part is gone already: let the default procedure see the last messages.
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
    ::DestroyWindow(m_hwnd);
}

bool CStandinWnd::RegisterClass(HINSTANCE instance, const char* className, HBRUSH background) {
    WNDCLASSA wc = {};
    if (::GetClassInfoA(instance, className, &wc)) return true;
    wc.lpfnWndProc = ClassProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return ::RegisterClassA(&wc) != 0;
}

bool CStandinWnd::Create(HINSTANCE instance, const char* className, const char* title,
                         DWORD style, DWORD exStyle, const RECT& place, HWND parent,
                         UINT_PTR id) {
    if (m_hwnd) return false;
    return ::CreateWindowExA(exStyle, className, title, style, place.left, place.top,
                             place.right - place.left, place.bottom - place.top, parent,
                             reinterpret_cast<HMENU>(id), instance, this) != nullptr;
}

void CStandinWnd::Destroy() {
    if (m_hwnd) ::DestroyWindow(m_hwnd);
}

LRESULT CStandinWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CStandinWnd::ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<CStandinWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CStandinWnd*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = self->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}

}  // namespace standin
