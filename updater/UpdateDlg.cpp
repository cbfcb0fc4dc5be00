#include "updater/UpdateDlg.h"

#include <commctrl.h>

#include "platform/MessageBox.h"
#include "platform/Thread.h"
#include "resources/updater/resource.h"
#include "updater/EngineControl_win.h"
#include "xml/AnsiLeadBytes.h"
#include "updater/PatchDownload.h"
#include "updater/PatchFile_win.h"
#include "updater/ResumeDecision.h"
#include "updater/SmallDocumentFetch_win.h"
#include "updater/UpdateDecision.h"
#include "updater/UpdateMessages.h"
#include "updater/UpdateProgram_win.h"
#include "updater/UpdateServer.h"
#include "updater/UpdateTexts.h"

using namespace updatetext;

namespace {
constexpr size_t kDescriptionBufferSize = 4096;
constexpr int kStatusFontPoints = 8;

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::None: break;
    }
    return 0;
}
}  // namespace

BEGIN_MESSAGE_MAP(CUpdateDlg, CDialog)
    ON_BN_CLICKED(IDC_CANCEL_UPDATE, OnCancelButton)
    ON_MESSAGE(WM_APP_STATUS, OnStatus)
    ON_MESSAGE(WM_APP_PROGRESS, OnProgress)
    ON_MESSAGE(WM_APP_HIDE, OnHide)
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == GetDlgItem(IDC_STATUS)) {
        result = OnCtlColorStatic(wParam, lParam);
        return true;
    }
    // Only the minimised window paints itself: the program icon, centred.
    if (message == WM_PAINT && IsIconic()) { OnPaint(); result = 0; return true; }
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

CUpdateDlg::CUpdateDlg()
    : CDialog(IDD_UPDATE),
      m_icon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN))),
      m_description(MakeAnsiLeadByteTable()) {}

BOOL CUpdateDlg::OnInitDialog() {
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    if (CheckForUpdate() != kUpdateRequired) EndUpdateProgram();
    if (AppMessageBox(m_hWnd, kAskUpgrade, MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL, kCaption) != IDYES)
        EndUpdateProgram();

    StopEngine();
    PrepareDownload();
    HWND owner = m_hWnd;
    m_guardThread = BeginThread([owner] { GuardEngine(owner); });
    // Focus through the dialog manager, which also makes Cancel the button that Enter presses.
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_CANCEL_UPDATE)), TRUE);
    return FALSE;
}

const char* CUpdateDlg::CheckForUpdate() {
    DWORD connection = 0;
    if (!::InternetGetConnectedState(&connection, 0)) return kConnectionFailure;
    m_checkSession.Reset(
        ::InternetOpenA("PatchUpdateAgent", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    std::string text;
    if (!FetchSmallDocument(m_checkSession.Get(), std::string(kUpdateBase) + kDescriptionName,
                            kDescriptionBufferSize, text))
        return kConnectionFailure;
    m_description.SetDescription(text);
    std::string remoteVersion = m_description.PatchVersion();
    std::string localVersion = QueryInstalledVersion();
    return DecideUpdate(remoteVersion, localVersion, m_description.PatchName());
}

std::string CUpdateDlg::QueryInstalledVersion() {
    if (!CXmlDocument::ReadTextFile(kLocalConfigFile, m_localText))
        AppMessageBox(m_hWnd, kFilesMissing, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL, kCaption);
    return m_description.InstalledVersion(m_localText);
}

void CUpdateDlg::PrepareDownload() {
    char windows[256] = {};
    ::GetWindowsDirectoryA(windows, sizeof windows);
    m_patchPath = std::string(windows) + "\\temp\\" + m_description.PatchName();
    m_publishedSha256 = m_description.PatchSha256();
    SetWindowText(kCaption);
    m_cancel = false;

    long long patchSize = m_description.PatchSize();
    if (DecideExistingPatch(ExistingFileLength(m_patchPath), patchSize) == ExistingPatch::Delete)
        ::DeleteFileA(m_patchPath.c_str());
    ::SendDlgItemMessageA(m_hWnd, IDC_PROGRESS, PBM_SETRANGE32, 0, static_cast<LPARAM>(patchSize));

    m_http = std::make_unique<CWinInetHttpSession>(reinterpret_cast<DWORD_PTR>(this));
    m_downloadThread = BeginThread([this] { RunDownload(); });

    CWindowDC screen(m_hWnd);
    int height = -::MulDiv(kStatusFontPoints, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    m_statusFont.Reset(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     FIXED_PITCH | FF_MODERN, "Courier"));
    ::SendDlgItemMessageA(m_hWnd, IDC_STATUS, WM_SETFONT, reinterpret_cast<WPARAM>(m_statusFont.Get()), TRUE);
}

void CUpdateDlg::RunDownload() {
    {
        CWin32PatchFile file(m_patchPath);
        CPatchDownload download(*m_http, file, *this, *this, m_cancel);
        download.Run({std::string(kUpdateBase) + m_description.PatchName(), m_publishedSha256});
    }
    EndUpdateProgram();
}

void CUpdateDlg::OnCancelButton() {
    if (AppMessageBox(m_hWnd, kAskQuit, MB_YESNO | MB_ICONWARNING, kCaption) != IDYES) return;
    m_cancel = true;
    if (m_http) m_http->CloseSession();
    EndUpdateProgram();
}

LRESULT CUpdateDlg::OnStatus(WPARAM, LPARAM text) {
    ::SetDlgItemTextA(m_hWnd, IDC_STATUS, reinterpret_cast<const char*>(text));
    return 0;
}

LRESULT CUpdateDlg::OnProgress(WPARAM, LPARAM) {
    // Cleared before reading, so a count stored after this read posts a new message.
    m_progressPosted = false;
    ::SendDlgItemMessageA(m_hWnd, IDC_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(m_byteCount.load()), 0);
    return 0;
}

LRESULT CUpdateDlg::OnHide(WPARAM, LPARAM) {
    ShowWindow(SW_HIDE);
    return 0;
}

LRESULT CUpdateDlg::OnCtlColorStatic(WPARAM dc, LPARAM) {
    HDC hdc = reinterpret_cast<HDC>(dc);
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::SetBkMode(hdc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

void CUpdateDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_icon);
    ::EndPaint(m_hWnd, &paint);
}

HCURSOR CUpdateDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_icon); }

void CUpdateDlg::SetStatus(const char* text) {
    PostMessage(WM_APP_STATUS, 0, reinterpret_cast<LPARAM>(text));
}

void CUpdateDlg::SetProgress(long long byteCount) {
    // One message in flight at a time: a fast download must not flood the window's queue.
    m_byteCount = byteCount;
    if (!m_progressPosted.exchange(true)) PostMessage(WM_APP_PROGRESS);
}

void CUpdateDlg::ShowMessage(const CDownloadMessage& message) {
    UINT type = MB_OK | IconStyle(message.icon) | (message.systemModal ? MB_SYSTEMMODAL : 0);
    AppMessageBox(m_hWnd, message.text, type, message.caption);
}

void CUpdateDlg::Hide() { PostMessage(WM_APP_HIDE); }

void CUpdateDlg::StartPatch() {
    // Quoted, so that a patch name with blanks still names one program.
    std::string commandLine = "\"" + m_patchPath + "\"";
    ::WinExec(commandLine.c_str(), SW_SHOWNORMAL);
    ::Sleep(500);
}
