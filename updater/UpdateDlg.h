#pragma once
// The update window (template 102): runs the update check before it is shown, then stops the
// engine, downloads the patch in a worker thread and guards against the engine's return.
#include <atomic>
#include <memory>
#include <string>

#include "platform/Dialog.h"
#include "platform/Handle.h"
#include "updater/DownloadPorts.h"
#include "updater/InternetHandle.h"
#include "updater/UpdateDescription.h"
#include "updater/WinInetHttpSession.h"

class CUpdateDlg : public CDialog, private IDownloadView, private IPatchSizeSource {
public:
    CUpdateDlg();

protected:
    BOOL OnInitDialog() override;
    // Neither Escape nor Enter nor a close request ends the window; only the Cancel button.
    void OnOK() override {}
    void OnCancel() override {}

    void OnCancelButton();
    LRESULT OnStatus(WPARAM, LPARAM text);
    LRESULT OnProgress(WPARAM, LPARAM);
    LRESULT OnHide(WPARAM, LPARAM);
    LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    DECLARE_MESSAGE_MAP()

private:
    const char* CheckForUpdate();
    std::string QueryInstalledVersion();
    void PrepareDownload();
    void RunDownload();

    // IDownloadView, called on the download thread: everything is posted to the window.
    void SetStatus(const char* text) override;
    void SetProgress(long long byteCount) override;
    void ShowMessage(const CDownloadMessage& message) override;
    void Hide() override;
    void StartPatch() override;
    // IPatchSizeSource: the description is read again each time.
    long long PatchSize() override { return m_description.PatchSize(); }

    HICON m_icon;
    CUpdateDescription m_description;
    std::string m_localText;
    CInternetHandle m_checkSession;

    std::string m_patchPath;
    std::string m_publishedSha256;
    std::atomic<bool> m_cancel{false};
    std::unique_ptr<CWinInetHttpSession> m_http;
    std::atomic<long long> m_byteCount{0};
    std::atomic<bool> m_progressPosted{false};
    CGdiObject<HFONT> m_statusFont;
    CUniqueHandle m_downloadThread;
    CUniqueHandle m_guardThread;
};
