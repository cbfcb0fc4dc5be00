#include "shell/HandsetBridge.h"

#include "shell/HandsetEvents.h"

namespace {
std::uintptr_t AddressOf(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }
}  // namespace

void CHandsetBridge::OpenHandset(std::uintptr_t callback, std::uintptr_t context) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_open = m_library.DeviceIoControl(handset::kOpen, callback, context, 0, 0, AddressOf(&m_slot)) != 0;
}

void CHandsetBridge::CloseHandset() {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_open) m_library.DeviceIoControl(handset::kClose, 0, 0, 0, 0, AddressOf(&m_slot));
    m_open = 0;
}

bool CHandsetBridge::IsOpen() const {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_open != 0;
}

void CHandsetBridge::RingHandset(const std::string& caller) {
    std::uint32_t scratch = 0;
    for (int ring = 0; ring < 2; ++ring) {
        std::lock_guard<std::mutex> hold(m_lock);
        if (!m_open) return;
        m_library.DeviceIoControl(handset::kRing, 0, 0, 0, 0, AddressOf(&scratch));
    }
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_open) m_library.DeviceIoControl(handset::kShowCaller, AddressOf(caller.c_str()), 4, 0, 0, AddressOf(&scratch));
}

void CHandsetBridge::StopRinging() {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_open) m_library.DeviceIoControl(handset::kStopRing, 0, 0, 0, 0, AddressOf(&m_slot));
}

void CHandsetBridge::SelectRingTone(std::uint8_t tone) {
    std::uint32_t scratch = 0;
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_open) m_library.DeviceIoControl(handset::kSelectTone, AddressOf(&tone), 1, 0, 0, AddressOf(&scratch));
}
