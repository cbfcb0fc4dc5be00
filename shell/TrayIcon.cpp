#include "shell/TrayIcon.h"

#include <cstddef>
#include <cstring>

#include "platform/Handle.h"

namespace {
constexpr char kTip[] = "Zelvo Phone";
}

// The 488-byte form ends where the item's identifier of later versions begins.
static_assert(offsetof(NOTIFYICONDATAA, guidItem) == CTrayIcon::kRecordSize, "488-byte form of the record");

void CTrayIcon::Add(UINT iconId) {
    std::lock_guard<std::mutex> hold(m_lock);
    AddLocked(iconId);
}

void CTrayIcon::Delete() {
    std::lock_guard<std::mutex> hold(m_lock);
    DeleteLocked();
}

void CTrayIcon::SetTrayIcon(unsigned iconId) {
    std::lock_guard<std::mutex> hold(m_lock);
    DeleteLocked();
    AddLocked(iconId);
}

void CTrayIcon::AddLocked(UINT iconId) {
    // The notification area keeps its own copy of the icon; ours goes when the add is done.
    CUniqueIcon icon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId)));
    m_record.cbSize = kRecordSize;
    m_record.hWnd = m_owner;
    m_record.uID = 0;
    m_record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_record.uCallbackMessage = kCallbackMessage;
    m_record.hIcon = icon.Get();
    std::strncpy(m_record.szTip, kTip, sizeof m_record.szTip - 1);
    ::Shell_NotifyIconA(NIM_ADD, &m_record);
    m_record.hIcon = nullptr;
}

void CTrayIcon::DeleteLocked() {
    m_record.cbSize = kRecordSize;
    m_record.hWnd = m_owner;
    m_record.uFlags = 0;
    ::Shell_NotifyIconA(NIM_DELETE, &m_record);
}
