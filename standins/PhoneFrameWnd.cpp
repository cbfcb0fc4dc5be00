#include "PhoneFrameWnd.h"

#include "EngineProtocol.h"
#include "StandinHandles.h"
#include "StandinLog.h"

namespace standin {

namespace {

const COLORREF kBody = RGB(34, 38, 46);
const COLORREF kBodyEdge = RGB(78, 86, 100);
const COLORREF kDisplay = RGB(206, 222, 210);
const COLORREF kDisplayInk = RGB(28, 44, 36);
const COLORREF kKey = RGB(62, 68, 80);
const COLORREF kKeyEdge = RGB(104, 112, 128);
const COLORREF kKeyInk = RGB(238, 240, 244);
const COLORREF kKeyLetters = RGB(150, 158, 172);
const COLORREF kCallKey = RGB(46, 150, 78);
const COLORREF kEndKey = RGB(196, 52, 52);

const int kCorner = 44;
// The docked panels cover (6..486, 26..394); the display fills that place when none is docked.
const RECT kDisplayRect = {6, 26, 494, 394};

CGdiHandle<HFONT> MakeFont(int height, int weight) {
    return CGdiHandle<HFONT>(::CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE,
                                           ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                           "Tahoma"));
}

void FillRoundRect(HDC dc, const RECT& r, int corner, COLORREF fill, COLORREF edge) {
    CGdiHandle<HBRUSH> brush(::CreateSolidBrush(fill));
    CGdiHandle<HPEN> pen(::CreatePen(PS_SOLID, 1, edge));
    CSelection b(dc, brush.Get()), p(dc, pen.Get());
    ::RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
}

void FillEllipse(HDC dc, const RECT& r, COLORREF fill, COLORREF edge) {
    CGdiHandle<HBRUSH> brush(::CreateSolidBrush(fill));
    CGdiHandle<HPEN> pen(::CreatePen(PS_SOLID, 1, edge));
    CSelection b(dc, brush.Get()), p(dc, pen.Get());
    ::Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

void DrawLabel(HDC dc, const char* text, RECT r, HFONT font, COLORREF ink, UINT format) {
    CSelection f(dc, font);
    ::SetTextColor(dc, ink);
    ::DrawTextA(dc, text, -1, &r, format | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawDisplay(HDC dc, const std::string& state, const std::string& detail) {
    FillRoundRect(dc, kDisplayRect, 14, kDisplay, RGB(120, 140, 128));
    CGdiHandle<HFONT> title = MakeFont(30, FW_BOLD), body = MakeFont(15, FW_NORMAL),
                      small = MakeFont(12, FW_NORMAL);

    // Status line: signal bars on the left, the account on the right.
    CGdiHandle<HBRUSH> ink(::CreateSolidBrush(kDisplayInk));
    for (int i = 0; i < 4; ++i) {
        RECT bar = {22 + i * 7, 50 - i * 4, 27 + i * 7, 54};
        ::FillRect(dc, &bar, ink.Get());
    }
    DrawLabel(dc, "Zelvo  SIP", {54, 38, 240, 56}, small.Get(), kDisplayInk, DT_LEFT | DT_VCENTER);
    DrawLabel(dc, "Online", {300, 38, 478, 56}, small.Get(), kDisplayInk, DT_RIGHT | DT_VCENTER);
    RECT rule = {20, 62, 480, 63};
    ::FillRect(dc, &rule, ink.Get());

    DrawLabel(dc, "Zelvo Phone", {6, 170, 494, 210}, title.Get(), kDisplayInk, DT_CENTER | DT_VCENTER);
    DrawLabel(dc, state.c_str(), {6, 214, 494, 236}, body.Get(), kDisplayInk, DT_CENTER | DT_VCENTER);
    DrawLabel(dc, detail.c_str(), {6, 350, 494, 370}, small.Get(), kDisplayInk, DT_CENTER | DT_VCENTER);
}

void DrawKeypad(HDC dc) {
    CGdiHandle<HFONT> digit = MakeFont(20, FW_BOLD), letters = MakeFont(10, FW_NORMAL),
                      action = MakeFont(13, FW_BOLD);

    // Call and end keys beside a navigation pad.
    FillRoundRect(dc, {36, 406, 148, 442}, 36, kCallKey, RGB(90, 190, 120));
    DrawLabel(dc, "CALL", {36, 406, 148, 442}, action.Get(), kKeyInk, DT_CENTER | DT_VCENTER);
    FillRoundRect(dc, {352, 406, 464, 442}, 36, kEndKey, RGB(230, 110, 110));
    DrawLabel(dc, "END", {352, 406, 464, 442}, action.Get(), kKeyInk, DT_CENTER | DT_VCENTER);
    FillEllipse(dc, {206, 400, 294, 448}, kKey, kKeyEdge);
    FillEllipse(dc, {232, 412, 268, 436}, kBody, kKeyEdge);
    DrawLabel(dc, "OK", {232, 412, 268, 436}, letters.Get(), kKeyInk, DT_CENTER | DT_VCENTER);

    static const char* const kDigits[12] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "*", "0", "#"};
    static const char* const kLetters[12] = {"", "ABC", "DEF", "GHI", "JKL", "MNO",
                                             "PQRS", "TUV", "WXYZ", "", "+", ""};
    for (int i = 0; i < 12; ++i) {
        int cx = 150 + (i % 3) * 100, cy = 480 + (i / 3) * 48;
        RECT key = {cx - 32, cy - 21, cx + 32, cy + 21};
        FillEllipse(dc, key, kKey, kKeyEdge);
        DrawLabel(dc, kDigits[i], {key.left, key.top + 3, key.right, cy + 9}, digit.Get(),
                  kKeyInk, DT_CENTER | DT_VCENTER);
        DrawLabel(dc, kLetters[i], {key.left, cy + 7, key.right, key.bottom - 2}, letters.Get(),
                  kKeyLetters, DT_CENTER | DT_VCENTER);
    }
}

}  // namespace

bool CPhoneFrameWnd::Create(HINSTANCE instance) {
    if (!RegisterClass(instance, kEngineFrameClass, nullptr)) return false;
    // A popup has no border, so client and window coordinates are the same.
    int x = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    RECT place = {x, 24, x + kWidth, 24 + kHeight};
    if (!CStandinWnd::Create(instance, kEngineFrameClass, kEngineFrameTitle,
                             WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                             WS_EX_APPWINDOW, place, nullptr))
        return false;
    ::SetWindowRgn(Hwnd(), ::CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, kCorner, kCorner),
                   FALSE);
    // The first ShowWindow of a process may take the start-up show state (hidden, when a
    // launcher was started hidden); the frame is to be visible at start in any case.
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    if (!::IsWindowVisible(Hwnd())) ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
    return true;
}

LRESULT CPhoneFrameWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        // The body has no caption: dragging anywhere on it moves the phone.
        return HTCAPTION;
    case WM_NCCREATE:
        // The first message the frame's object sees: a test that finds the window finds the
        // record with it (all but at once).
        AppendLogRecord("engine-events.log", "frame-created");
        break;
    case WM_DESTROY:
        AppendLogRecord("engine-events.log", "frame-closed");
        return 0;
    }
    return CStandinWnd::WindowProc(msg, wParam, lParam);
}

void CPhoneFrameWnd::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(Hwnd(), &ps);
    // Drawn off-screen first so that moving the phone does not flicker.
    CMemoryDcHandle memory(::CreateCompatibleDC(dc));
    CGdiHandle<HBITMAP> bitmap(::CreateCompatibleBitmap(dc, kWidth, kHeight));
    if (memory && bitmap) {
        CSelection select(memory.Get(), bitmap.Get());
        Draw(memory.Get());
        ::BitBlt(dc, 0, 0, kWidth, kHeight, memory.Get(), 0, 0, SRCCOPY);
    } else {
        Draw(dc);
    }
    ::EndPaint(Hwnd(), &ps);
}

void CPhoneFrameWnd::Draw(HDC dc) {
    ::SetBkMode(dc, TRANSPARENT);
    RECT all = {0, 0, kWidth, kHeight};
    CGdiHandle<HBRUSH> outside(::CreateSolidBrush(kBodyEdge));
    ::FillRect(dc, &all, outside.Get());
    FillRoundRect(dc, {1, 1, kWidth, kHeight}, kCorner, kBody, kBodyEdge);

    // Ear-piece slot and a power light in the strip above the display.
    FillRoundRect(dc, {210, 9, 290, 16}, 6, RGB(16, 18, 22), kBodyEdge);
    FillEllipse(dc, {452, 8, 462, 18}, RGB(80, 220, 120), RGB(40, 120, 60));
    CGdiHandle<HFONT> brand = MakeFont(11, FW_BOLD);
    DrawLabel(dc, "ZELVO", {28, 4, 160, 24}, brand.Get(), kKeyLetters, DT_LEFT | DT_VCENTER);

    DrawDisplay(dc, m_state, m_detail);
    DrawKeypad(dc);
}

void CPhoneFrameWnd::ShowStatus(const std::string& state, const std::string& detail) {
    m_state = state;
    m_detail = detail;
    if (Hwnd()) ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

}  // namespace standin
