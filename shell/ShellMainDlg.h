#pragma once
// The shell's hidden main window: owns the control link's sockets and the handset bridge for the
// whole run, and handles the engine's requests and the handset's events.
#include "platform/Dialog.h"
#include "platform/Handle.h"
#include "shell/ControlLink.h"
#include "shell/EngineRequests.h"
#include "shell/HandsetBridge.h"
#include "shell/HandsetLibrary.h"

class CShellMainDlg : public CDialog, private IEngineDatagramSink, private IEngineRequestHandler {
public:
    CShellMainDlg();

    // Stops the handset; any thread.
    void CloseHandset() { m_handset.CloseHandset(); }

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    HICON OnQueryDragIcon() { return m_mainIcon.Get(); }
    LRESULT OnHandsetEvent(WPARAM kind, LPARAM data);
    DECLARE_MESSAGE_MAP()

private:
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
    CControlSender m_sender;
    CControlReceiver m_receiver{*this};
    CYlHandsetLibrary m_handsetLibrary;
    CHandsetBridge m_handset{m_handsetLibrary};
};
