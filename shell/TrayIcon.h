#pragma once
// The shell's icon in the notification area and its record, in the 488-byte form of the
// notification data. The network watchdog, the engine watcher and the forced stop change the
// icon from different threads; one lock keeps each change whole.
#include <windows.h>
#include <shellapi.h>

#include <mutex>

#include "shell/Watchdog.h"

class CTrayIcon : public ITrayIcon {
public:
    static constexpr UINT kCallbackMessage = 0x800A;
    static constexpr DWORD kRecordSize = 488;

    explicit CTrayIcon(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }

    // Adds the icon with the given icon resource and the tip "Zelvo Phone".
    void Add(UINT iconId);
    void Delete();
    // Delete, then add with another icon (ITrayIcon).
    void SetTrayIcon(unsigned iconId) override;

private:
    void AddLocked(UINT iconId);
    void DeleteLocked();

    HWND m_owner;
    NOTIFYICONDATAA m_record{};
    std::mutex m_lock;
};
