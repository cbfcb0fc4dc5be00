#include "shell/ShellMainDlg.h"

#include "platform/MessageBox.h"
#include "platform/Thread.h"
#include "resources/shell/resource.h"
#include "shell/ControlMessages.h"
#include "shell/DefaultBrowser.h"
#include "shell/EngineWatcher.h"
#include "shell/EngineWindow.h"
#include "shell/HandsetEvents.h"
#include "shell/LauncherPrograms.h"
#include "shell/NavigationSound.h"
#include "shell/ServerWatcher.h"
#include "shell/TrayMenu.h"
#include "shell/WatchdogThread.h"

namespace {
constexpr char kInitFailed[] = "Initialization failed";
constexpr unsigned kSplashMs = 4000;
constexpr unsigned kExitWaitMs = 1200;  // for the engine to take the shut-down message, and in the forced stop
// The worker threads end within about a second of the quit flag; the program ends in any case.
constexpr DWORD kThreadEndWaitMs = 3000;

HICON LoadIconResource(int id, int size) {
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}
}  // namespace

BEGIN_MESSAGE_MAP(CShellMainDlg, CSkinDialog)
    ON_MESSAGE(handset::kEventMessage, OnHandsetEvent)
    ON_MESSAGE(CTrayIcon::kCallbackMessage, OnTrayNotify)
    ON_COMMAND(IDM_SHOW_PHONE, OnShowPhone)
    ON_COMMAND(IDM_EXIT_PHONE, OnExitPhone)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

CShellMainDlg::CShellMainDlg() : CSkinDialog(IDD_SHELL_MAIN) {}

CShellMainDlg::~CShellMainDlg() {
    // The threads use this window's members: let them finish before the members go.
    HANDLE running[4];
    DWORD count = 0;
    for (auto& thread : m_threads) {
        if (thread) running[count++] = thread.Get();
    }
    if (count) ::WaitForMultipleObjects(count, running, TRUE, kThreadEndWaitMs);
}

BOOL CShellMainDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    SetIcons();
    SetWindowText(kInstanceMarker);
    SilenceNavigationSound();

    if (!m_splash.Create(m_hWnd)) {
        EndStartUp(kInitFailed);
        return FALSE;
    }
    m_splash.ShowFor(kSplashMs);

    if (!launcher::StartHiddenProgram(launcher::kServerProgram)) {
        EndStartUp(launcher::kFilesMissingText);
        return FALSE;
    }
    m_threads[0] = BeginThread([this] {
        if (!launcher::StartHiddenProgram(launcher::kLauncherProgram)) EndForMissingFiles();
    });

    // The web bar (template 129) is created here and made a child of this window; its own
    // thread moves it into the engine's frame.

    m_flags.SetRunning();
    ::BringWindowToTop(m_hWnd);
    StartWorkerThreads();

    // The media container (template 202) is created here, owned by this window, at (7, 99),
    // 490 x 238; its own thread moves it into the engine's frame.

    if (!m_sender.Create()) AppMessageBox(m_hWnd, "Socket creation Failed");
    m_handset.OpenHandset(reinterpret_cast<std::uintptr_t>(&HandsetCallback), reinterpret_cast<std::uintptr_t>(this));
    if (!m_receiver.Create()) AppMessageBox(m_hWnd, "Receiver socket creation failed");
    return TRUE;
}

void CShellMainDlg::SetIcons() {
    m_mainIcon.Reset(LoadIconResource(IDI_MAIN, ::GetSystemMetrics(SM_CXICON)));
    m_smallIcon.Reset(LoadIconResource(IDI_MAIN, ::GetSystemMetrics(SM_CXSMICON)));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_mainIcon.Get()));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
}

void CShellMainDlg::StartWorkerThreads() {
    m_tray.SetOwner(m_hWnd);
    m_threads[1] = BeginThread([this] { RunEngineWatcher(*this); });
    m_threads[2] = BeginThread([this] { RunServerWatcher(*this); });
    m_threads[3] = BeginThread([this] {
        RunNetworkWatchdog(m_watchdogLink, m_tray, [this] { return m_flags.QuitRequested(); });
    });
}

// A start-up failure on this thread: the box, and the modal run ends before anything else starts.
void CShellMainDlg::EndStartUp(const char* text) {
    AppMessageBox(m_hWnd, text);
    RestoreNavigationSound();
    EndDialog(0);
}

void CShellMainDlg::EndForMissingFiles() {
    AppMessageBox(m_hWnd, launcher::kFilesMissingText);
    m_tray.Delete();
    RestoreNavigationSound();
    m_handset.CloseHandset();
    // Called on the launcher thread while the start-up goes on; the whole program ends here.
    ::ExitProcess(0);
}

void CShellMainDlg::ForceStop(HWND engineFrame) {
    RestoreNavigationSound();
    m_tray.Delete();
    ::Sleep(kExitWaitMs);
    if (engineFrame) StopEngine(engineFrame);
    m_handset.CloseHandset();
    m_flags.SetQuit();
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

LRESULT CShellMainDlg::OnTrayNotify(WPARAM, LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDBLCLK: ShowEngineWindow(FindEngineFrame()); break;
    case WM_RBUTTONDOWN: TrackTrayMenu(m_hWnd); break;
    default: break;
    }
    return 0;
}

void CShellMainDlg::OnShowPhone() { ShowEngineWindow(FindEngineFrame()); }

// Blocks this thread for about 2.4 s; the engine watcher then ends the program 1.25 s later.
void CShellMainDlg::OnExitPhone() {
    RestoreNavigationSound();
    HWND frame = FindEngineFrame();
    bool sent;
    {
        CControlSender::Hold hold = m_sender.HoldForMessage();
        sent = m_sender.SetDestination() && m_sender.SendDatagram(control::kShutdownExit, control::kShortLength);
    }
    if (!sent) ForceStop(frame);
    ::Sleep(kExitWaitMs);
    ForceStop(frame);
}

void CShellMainDlg::OnEngineDatagram(const char* text, int length) { DispatchEngineRequest(text, length, *this); }

void CShellMainDlg::OpenAddress(const std::string& address) { OpenInDefaultBrowser(address); }

LRESULT CShellMainDlg::OnHandsetEvent(WPARAM kind, LPARAM data) {
    CControlSender::Hold hold = m_sender.HoldForMessage();
    // The destination is set for every event, also for those that send nothing.
    const bool destinationSet = m_sender.SetDestination();
    const char* number = kind == handset::kNumber ? reinterpret_cast<const char*>(data) : nullptr;
    const auto message = handset::MessageForEvent(static_cast<std::uint32_t>(kind), static_cast<std::uint32_t>(data), number);
    if (!message) return 0;
    const bool sent = destinationSet && m_sender.SendDatagram(message->text, control::kLongLength);
    hold.unlock();
    if (!sent && message->reportFailure) AppMessageBox(m_hWnd, "Sending failed");
    return 0;
}
