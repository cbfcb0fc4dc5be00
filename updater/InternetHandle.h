#pragma once
// Owner of a WinINet handle: closed by whoever took it.
#include <windows.h>
#include <wininet.h>

#include "platform/Handle.h"

struct InternetHandleTraits {
    static HINTERNET Invalid() { return nullptr; }
    static void Close(HINTERNET h) { ::InternetCloseHandle(h); }
};
using CInternetHandle = CScopedHandle<HINTERNET, InternetHandleTraits>;
