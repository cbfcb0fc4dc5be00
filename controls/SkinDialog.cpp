#include "controls/SkinDialog.h"

CSkinDialog::CSkinDialog(UINT templateId, HWND parent)
    : CDialog(templateId, parent), m_hollowBrush(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH))) {}

bool CSkinDialog::SetBitmap(UINT bitmapId) {
    ReleaseBitmap();
    m_bitmap.Reset(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId)));
    if (!m_bitmap) return false;
    RebuildRegion();
    return true;
}

void CSkinDialog::SetShaped(bool shaped) {
    m_shaped = shaped;
    RebuildRegion();
}

void CSkinDialog::SetKeyColor(COLORREF key) {
    m_keyColor = key;
    RebuildRegion();
}

void CSkinDialog::ReleaseBitmap() { m_bitmap.Reset(); }

void CSkinDialog::RebuildRegion() {
    if (!m_hWnd) return;
    const SkinGeometry geometry = GetSkinGeometry(m_hWnd);
    // Without a bitmap there is no outline to follow: a shaped dialog keeps its full rectangle
    // rather than showing nothing but its frame.
    CRegion region = m_shaped && m_bitmap
                         ? BuildSkinRegion(m_bitmap.Get(), m_keyColor, geometry)
                         : CRegion(::CreateRectRgn(0, 0, geometry.windowWidth, geometry.windowHeight));
    if (region && ::SetWindowRgn(m_hWnd, region.Get(), TRUE)) region.Release();  // the window owns it now
}

bool CSkinDialog::OnEraseBkgnd(HDC dc) {
    if (!m_bitmap) return false;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    CMemoryDC memory(dc, m_bitmap.Get());
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

bool CSkinDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        if (!OnEraseBkgnd(reinterpret_cast<HDC>(wParam))) break;
        result = TRUE;
        return true;
    case WM_CTLCOLORSTATIC: {
        // The dialog's colours first (text colour), then a see-through background over the picture.
        const bool handled = CDialog::ProcessMessage(message, wParam, lParam, result);
        if (!m_transparentStatics) return handled;
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(m_hollowBrush);
        return true;
    }
    default:
        break;
    }
    return CDialog::ProcessMessage(message, wParam, lParam, result);
}
