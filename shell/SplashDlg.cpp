#include "shell/SplashDlg.h"

#include "resources/shell/resource.h"

namespace {
constexpr COLORREF kKeyColour = RGB(255, 0, 255);
}

CSplashDlg::CSplashDlg() : CSkinDialog(IDD_SPLASH) {}

BOOL CSplashDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    SetBitmap(IDB_SPLASH);
    SetShaped(true);
    SetKeyColor(kKeyColour);
    m_transparentStatics = true;

    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int left = (::GetSystemMetrics(SM_CXFULLSCREEN) - client.right) / 2;
    const int top = (::GetSystemMetrics(SM_CYFULLSCREEN) - client.bottom) / 2;
    SetWindowPos(nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CSplashDlg::ShowFor(unsigned ms) {
    ShowWindow(SW_SHOW);
    ::UpdateWindow(m_hWnd);
    const DWORD start = ::GetTickCount();
    for (DWORD elapsed = 0; elapsed < ms; elapsed = ::GetTickCount() - start) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ShowWindow(SW_HIDE);
}
