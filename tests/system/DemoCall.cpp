// The demo: a real start-up of ZelvoPhone.exe from an installation folder of its own (splash,
// launchers, engine frame, tray icon), one incoming call answered and hung up on the handset,
// a relay token from a second start, and the exit from the tray menu. Prints what crosses
// between the programs; a screenshot script beside it (ZELVO_SHOT_DIR) takes the pictures.
#include <cstdio>
#include <string>

#include "ShellProcess.h"

namespace {

constexpr UINT kTrayMessage = 0x800A;

std::string Printable(const std::string& bytes) {
    std::size_t end = bytes.find('\0');
    std::string text = bytes.substr(0, end);
    if (end != std::string::npos) text += "\" + " + std::to_string(bytes.size() - end) + " zero bytes";
    else text += "\"";
    return text;
}

class CDemo {
public:
    bool Start() {
        if (!m_install.Ready() || !m_install.StartShell(m_shell)) return false;
        std::printf("ZelvoPhone.exe started; the splash shows for 4000 ms\n");
        if (WaitUntil([&] { return FindVisibleWindowOf(m_shell.Pid(), "#32770") != nullptr; }, 10000))
            OfferScreenshot("1-splash");
        if (!WaitUntil([] { return FindEngineFrame() != nullptr && ::IsWindowVisible(FindEngineFrame()); }, 20000))
            return false;
        for (const auto& line : ReadLogLines(Dir(), "launchers.log")) std::printf("  launcher: %s\n", line.c_str() + line.find(' ') + 1);
        if (!WaitUntil([] { return SeeTrayIcon() == TrayIconSeen::Normal; }, 10000)) return false;
        WaitUntil([&] { return !ReadHandsetCalls(Dir()).empty(); }, 5000);
        ::Sleep(300);
        std::printf("engine frame up, tray icon shown, handset opened\n\n");
        return true;
    }

    void PlayCall() {
        EngineRequest("ORVANE_MESSAGE_USBSELECTRING:3");
        EngineRequest("ORVANE_MESSAGE_INCOMING:Alice");
        HandsetEvent(12, "answer");
        OfferScreenshot("2-call");
        ::Sleep(1000);
        HandsetEvent(13, "hang up");
        EngineRequest("ORVANE_MESSAGE_USBRINGSTOP");
    }

    void RelayToken() {
        EngineAddMailbox("ZelvoMedia", 1035);
        std::printf("\nsecond start: ZelvoPhone.exe SHOWZELVOBROWSER\n");
        CChildProcess second;
        m_install.StartShell(second, "SHOWZELVOBROWSER");
        second.Wait(15000);
        ::Sleep(100);
        EngineDumpMailboxes();
        for (const auto& e : RecordsStartingWith(Dir(), "engine-events.log", "mailbox"))
            std::printf("  %s\n", e.what.c_str());
    }

    void ExitFromTrayMenu() {
        std::printf("\ntray menu: Exit Zelvo Phone\n");
        HWND mainWindow = FindShellMainWindow();
        ::PostMessageA(mainWindow, kTrayMessage, 0, WM_RBUTTONDOWN);
        HWND menu = nullptr;
        if (WaitUntil([&] { return (menu = FindVisibleWindowOf(m_shell.Pid(), "#32768")) != nullptr; }, 5000)) {
            OfferScreenshot("3-tray-menu");
            for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) ::PostMessageA(menu, WM_KEYDOWN, key, 0);
        }
        const int64_t chosen = NowUs();
        auto status = m_shell.Wait(15000);
        std::printf("  shell ended %.0f ms later with status %lu\n", (NowUs() - chosen) / 1000.0,
                    status ? static_cast<unsigned long>(*status) : 999ul);
        ShowDatagrams();
        std::printf("  engine %s\n", FindEngineFrame() ? "still running" : "stopped");
    }

private:
    const std::string& Dir() const { return m_install.LogDir(); }

    void EngineRequest(const std::string& text) {
        std::printf("engine -> shell  :7072  \"%s\" (%zu bytes)\n", text.c_str(), text.size());
        const std::size_t before = ReadHandsetCalls(Dir()).size();
        EngineSend(text);
        WaitUntil([&] { return ReadHandsetCalls(Dir()).size() > before; }, 5000);
        ::Sleep(200);
        auto calls = ReadHandsetCalls(Dir());
        for (std::size_t i = before; i < calls.size(); ++i) {
            std::string args = calls[i].text.empty() ? "" : ", \"" + calls[i].text + "\", " + std::to_string(calls[i].args[2]);
            if (calls[i].byte >= 0) args = ", [" + std::to_string(calls[i].byte) + "], 1";
            std::printf("  shell -> handset  YL_DeviceIoControl(0x%04X%s)\n", calls[i].code, args.c_str());
        }
    }

    void HandsetEvent(uint32_t kind, const char* what) {
        std::printf("handset -> shell  event %u (%s)\n", kind, what);
        const std::size_t before = m_datagrams;
        HandsetInject(kind, 0);
        WaitUntil([&] { return ReadEngineDatagrams(Dir()).size() > before; }, 5000);
        ShowDatagrams();
    }

    void ShowDatagrams() {
        auto datagrams = ReadEngineDatagrams(Dir());
        for (; m_datagrams < datagrams.size(); ++m_datagrams)
            std::printf("  shell -> engine :7070  \"%s (%zu bytes from %s)\n", Printable(datagrams[m_datagrams].bytes).c_str(),
                        datagrams[m_datagrams].bytes.size(), datagrams[m_datagrams].from_ip.c_str());
    }

    CShellInstall m_install;
    CChildProcess m_shell;
    std::size_t m_datagrams = 0;
};

}  // namespace

int main() {
    CDemo demo;
    if (!demo.Start()) {
        std::fprintf(stderr, "the shell did not come up\n");
        return 1;
    }
    demo.PlayCall();
    demo.RelayToken();
    demo.ExitFromTrayMenu();
    std::fflush(stdout);
    return 0;
}
