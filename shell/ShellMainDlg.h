#pragma once
// The shell's hidden main window: starts the shell in its fixed order, owns the control link's
// sockets, the handset bridge and the tray icon for the whole run, handles the engine's
// requests, the handset's events and the tray, and stops everything when the shell ends.
#include "controls/SkinDialog.h"
#include "platform/Handle.h"
#include "shell/ControlLink.h"
#include "shell/EngineRequests.h"
#include "shell/HandsetBridge.h"
#include "shell/HandsetLibrary.h"
#include "shell/LifecycleFlags.h"
#include "shell/SplashDlg.h"
#include "shell/TrayIcon.h"
#include "shell/WatchdogLink.h"

class CShellMainDlg : public CSkinDialog, private IEngineDatagramSink, private IEngineRequestHandler {
public:
    // Title of the main window: the marker by which a second start finds a running shell.
    static constexpr char kInstanceMarker[] = "Orvane          ";

    CShellMainDlg();
    ~CShellMainDlg() override;

    // Operations of the worker threads; any thread.
    CLifecycleFlags& Flags() { return m_flags; }
    CTrayIcon& TrayIcon() { return m_tray; }
    // Restores the navigation sound, removes the tray icon, waits 1200 ms, stops the engine
    // (when a frame is given), closes the handset and sets the quit flag.
    void ForceStop(HWND engineFrame);
    // A launcher program is missing: the message box, then the program ends (status 0).
    [[noreturn]] void EndForMissingFiles();
    // Tells the docked panels' threads that the shell is ending.
    void StopPanels() {}

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    HICON OnQueryDragIcon() { return m_mainIcon.Get(); }
    LRESULT OnHandsetEvent(WPARAM kind, LPARAM data);
    LRESULT OnTrayNotify(WPARAM id, LPARAM mouseMessage);
    void OnShowPhone();
    void OnExitPhone();
    DECLARE_MESSAGE_MAP()

private:
    void SetIcons();
    void StartWorkerThreads();
    void EndStartUp(const char* text);

    // IEngineDatagramSink
    void OnEngineDatagram(const char* text, int length) override;
    // IEngineRequestHandler
    bool IsHandsetOpen() const override { return m_handset.IsOpen(); }
    void OpenAddress(const std::string& address) override;
    void RingHandset(const std::string& caller) override { m_handset.RingHandset(caller); }
    void StopRinging() override { m_handset.StopRinging(); }
    void SelectRingTone(std::uint8_t tone) override { m_handset.SelectRingTone(tone); }

    CUniqueIcon m_mainIcon;
    CUniqueIcon m_smallIcon;
    CSplashDlg m_splash;
    CControlSender m_sender;
    CControlReceiver m_receiver{*this};
    CYlHandsetLibrary m_handsetLibrary;
    CHandsetBridge m_handset{m_handsetLibrary};
    CTrayIcon m_tray;
    CLifecycleFlags m_flags;
    CWatchdogLink m_watchdogLink{m_sender};
    CUniqueHandle m_threads[4];  // launcher, engine watcher, server watcher, network watchdog
};
