#pragma once
// The handset maker's library, bound when the shell loads.
#include <cstdint>

#include "shell/HandsetBridge.h"

class CYlHandsetLibrary : public IHandsetLibrary {
public:
    int DeviceIoControl(std::uint32_t code, std::uintptr_t a2, std::uintptr_t a3, std::uintptr_t a4,
                        std::uintptr_t a5, std::uintptr_t a6) override;
};

// Given to the library's open call: posts the handset event message to the context's window.
// May be called on any thread.
extern "C" int __cdecl HandsetCallback(std::uint32_t kind, std::uint32_t data, std::uint32_t context);
