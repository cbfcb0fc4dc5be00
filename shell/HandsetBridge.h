#pragma once
// The shell's side of the USB handset: opens and closes the handset library and turns the
// engine's requests into handset commands. One lock keeps every call away from the library once
// it has been closed, whichever thread closes it.
#include <cstdint>
#include <mutex>
#include <string>

// The library's one entry point; arguments are 32-bit values on the real platform.
class IHandsetLibrary {
public:
    virtual ~IHandsetLibrary() = default;
    virtual int DeviceIoControl(std::uint32_t code, std::uintptr_t a2, std::uintptr_t a3,
                                std::uintptr_t a4, std::uintptr_t a5, std::uintptr_t a6) = 0;
};

class CHandsetBridge {
public:
    explicit CHandsetBridge(IHandsetLibrary& library) : m_library(library) {}
    CHandsetBridge(const CHandsetBridge&) = delete;
    CHandsetBridge& operator=(const CHandsetBridge&) = delete;

    // Opens the handset once, registering the event callback with its context.
    void OpenHandset(std::uintptr_t callback, std::uintptr_t context);
    void CloseHandset();
    bool IsOpen() const;

    void RingHandset(const std::string& caller);
    void StopRinging();
    void SelectRingTone(std::uint8_t tone);

private:
    IHandsetLibrary& m_library;
    mutable std::mutex m_lock;
    std::uint32_t m_slot = 0;   // the library may write here; the shell never reads it
    std::uint32_t m_open = 0;
};
