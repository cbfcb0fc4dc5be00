#include "platform/Dialog.h"

#include "platform/Handle.h"

namespace {
// Posted by EndDialog from any thread; wParam carries the result.
constexpr UINT WM_APP_END_DIALOG = WM_APP + 0x3F0;

COLORREF g_dialogBackground = ::GetSysColor(COLOR_BTNFACE);
COLORREF g_dialogText = ::GetSysColor(COLOR_BTNTEXT);
CGdiObject<HBRUSH> g_dialogBrush;

HBRUSH DialogBrush() {
    if (!g_dialogBrush) g_dialogBrush.Reset(::CreateSolidBrush(g_dialogBackground));
    return g_dialogBrush.Get();
}

// Messages whose result a dialog procedure returns directly instead of through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}
}  // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
    if (m_hWnd && !m_modal) ::DestroyWindow(m_hWnd);
}

void CDialog::SetDialogColors(COLORREF background, COLORREF text) {
    g_dialogBackground = background;
    g_dialogText = text;
    g_dialogBrush.Reset();
}

INT_PTR CDialog::DoModal() {
    m_modal = true;
    INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                       m_parent, DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

bool CDialog::Create(HWND parent) {
    m_modal = false;
    m_parent = parent;
    HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                     parent, DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (!m_hWnd) return;
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId()) {
        ::PostMessageA(m_hWnd, WM_APP_END_DIALOG, static_cast<WPARAM>(result), 0);
        return;
    }
    if (m_modal) {
        ::EndDialog(m_hWnd, result);
    } else {
        ::DestroyWindow(m_hWnd);
    }
}

bool CDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        return true;
    case WM_APP_END_DIALOG:
        EndDialog(static_cast<INT_PTR>(wParam));
        result = 0;
        return true;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        ::SetTextColor(reinterpret_cast<HDC>(wParam), g_dialogText);
        ::SetBkColor(reinterpret_cast<HDC>(wParam), g_dialogBackground);
        result = reinterpret_cast<LRESULT>(DialogBrush());
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && lParam == 0) { OnOK(); result = 0; return true; }
        if (LOWORD(wParam) == IDCANCEL) { OnCancel(); result = 0; return true; }
        return false;
    default:
        (void)lParam;
        return false;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!ProcessMessage(message, wParam, lParam, result)) return FALSE;
    if (ReturnsDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->m_hWnd = hwnd;
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    INT_PTR handled = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return handled;
}
