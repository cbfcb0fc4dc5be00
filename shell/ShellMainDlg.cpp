#include "shell/ShellMainDlg.h"

#include "platform/MessageBox.h"
#include "resources/shell/resource.h"
#include "shell/ControlMessages.h"
#include "shell/DefaultBrowser.h"
#include "shell/HandsetEvents.h"

namespace {
// Title of the main window: the marker by which a second start finds a running shell.
constexpr char kInstanceMarker[] = "Orvane          ";

HICON LoadIconResource(int id, int size) {
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}
}  // namespace

BEGIN_MESSAGE_MAP(CShellMainDlg, CDialog)
    ON_MESSAGE(handset::kEventMessage, OnHandsetEvent)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

CShellMainDlg::CShellMainDlg() : CDialog(IDD_SHELL_MAIN) {}

BOOL CShellMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_mainIcon.Reset(LoadIconResource(IDI_MAIN, ::GetSystemMetrics(SM_CXICON)));
    m_smallIcon.Reset(LoadIconResource(IDI_MAIN, ::GetSystemMetrics(SM_CXSMICON)));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_mainIcon.Get()));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
    SetWindowText(kInstanceMarker);

    if (!m_sender.Create()) AppMessageBox(m_hWnd, "Socket creation Failed");
    m_handset.OpenHandset(reinterpret_cast<std::uintptr_t>(&HandsetCallback), reinterpret_cast<std::uintptr_t>(this));
    if (!m_receiver.Create()) AppMessageBox(m_hWnd, "Receiver socket creation failed");
    return TRUE;
}

void CShellMainDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (IsIconic()) {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, m_mainIcon.Get());
    } else {
        ShowWindow(SW_HIDE);
    }
    ::EndPaint(m_hWnd, &paint);
}

void CShellMainDlg::OnEngineDatagram(const char* text, int length) { DispatchEngineRequest(text, length, *this); }

void CShellMainDlg::OpenAddress(const std::string& address) { OpenInDefaultBrowser(address); }

LRESULT CShellMainDlg::OnHandsetEvent(WPARAM kind, LPARAM data) {
    // The destination is set for every event, also for those that send nothing.
    const bool destinationSet = m_sender.SetDestination();
    const char* number = kind == handset::kNumber ? reinterpret_cast<const char*>(data) : nullptr;
    const auto message = handset::MessageForEvent(static_cast<std::uint32_t>(kind), static_cast<std::uint32_t>(data), number);
    if (!message) return 0;
    const bool sent = destinationSet && m_sender.SendDatagram(message->text, control::kLongLength);
    if (!sent && message->reportFailure) AppMessageBox(m_hWnd, "Sending failed");
    return 0;
}
