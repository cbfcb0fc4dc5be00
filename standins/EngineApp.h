#pragma once
// The stand-in engine: the frame, the "Orvanesvr" server window, the UDP socket on 7070 and a
// hidden control window through which tests drive it (EngineProtocol.h).
#include <memory>
#include <string>
#include <vector>

#include "EngineOptions.h"
#include "EngineSocket.h"
#include "PhoneFrameWnd.h"
#include "StandinWnd.h"

namespace standin {

class CEngineApp : public CStandinWnd {
public:
    CEngineApp(HINSTANCE instance, const EngineOptions& options);
    ~CEngineApp() override;

    // Creates the control window and the socket, and the frame and server window now or when
    // their delays have passed. False when the control window cannot be created.
    bool Start();
    // Runs the message loop until WM_QUIT, then closes the windows. Returns the exit code.
    int Run();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // A window that may record its start and end in engine-events.log (the server window; a
    // mailbox host records nothing).
    class CMarkerWnd : public CStandinWnd {
    public:
        CMarkerWnd(const char* createdRecord, const char* closedRecord)
            : m_createdRecord(createdRecord), m_closedRecord(closedRecord) {}

    protected:
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    private:
        const char* m_createdRecord;
        const char* m_closedRecord;
    };

    LRESULT OnCopyData(const COPYDATASTRUCT& data);
    void ShowMessageFromShell(const std::string& text);
    void OnTimer(UINT_PTR id);
    void CreateFrame();
    void CreateServer();
    bool AddMailbox(const std::string& spec);
    HWND FindMailboxHost(HWND parent, const std::string& title) const;
    void DumpMailboxes() const;
    void CloseAll();

    HINSTANCE m_instance;
    EngineOptions m_options;
    CEngineSocket m_socket;
    CPhoneFrameWnd m_frame;
    CMarkerWnd m_server{"server-created", "server-closed"};
    std::vector<std::unique_ptr<CMarkerWnd>> m_mailboxHosts;
    std::vector<HWND> m_mailboxes;
};

}  // namespace standin
