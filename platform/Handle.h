#pragma once
// Owners for the platform's handles: each closes what it holds when it goes.
#include <windows.h>
#include <utility>

template <class T, class Traits>
class CScopedHandle {
public:
    CScopedHandle() = default;
    explicit CScopedHandle(T h) : m_h(h) {}
    ~CScopedHandle() { Reset(); }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;
    CScopedHandle(CScopedHandle&& o) noexcept : m_h(o.Release()) {}
    CScopedHandle& operator=(CScopedHandle&& o) noexcept { if (this != &o) Reset(o.Release()); return *this; }

    T Get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Invalid(); }
    T Release() { T h = m_h; m_h = Traits::Invalid(); return h; }
    void Reset(T h = Traits::Invalid()) {
        if (m_h != Traits::Invalid()) Traits::Close(m_h);
        m_h = h;
    }
    T* Receive() { Reset(); return &m_h; }

private:
    T m_h = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
template <class T>
struct GdiTraits {
    static T Invalid() { return nullptr; }
    static void Close(T h) { ::DeleteObject(h); }
};
struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { ::RegCloseKey(h); }
};

using CUniqueHandle = CScopedHandle<HANDLE, KernelHandleTraits>;
using CUniqueIcon = CScopedHandle<HICON, IconTraits>;
using CUniqueMenu = CScopedHandle<HMENU, MenuTraits>;
template <class T>
using CGdiObject = CScopedHandle<T, GdiTraits<T>>;

// A registry key opened for one operation and closed with it.
class CRegKey : public CScopedHandle<HKEY, RegKeyTraits> {
public:
    bool Open(HKEY root, const char* subKey, REGSAM access) {
        return ::RegOpenKeyExA(root, subKey, 0, access, Receive()) == ERROR_SUCCESS;
    }
};

// A device context taken with GetDC and given back with ReleaseDC.
class CWindowDC {
public:
    explicit CWindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~CWindowDC() { if (m_dc) ::ReleaseDC(m_hwnd, m_dc); }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// A memory DC compatible with another, with one object selected into it for its lifetime.
class CMemoryDC {
public:
    CMemoryDC(HDC compatible, HGDIOBJ selected)
        : m_dc(::CreateCompatibleDC(compatible)), m_old(m_dc ? ::SelectObject(m_dc, selected) : nullptr) {}
    ~CMemoryDC() {
        if (!m_dc) return;
        ::SelectObject(m_dc, m_old);
        ::DeleteDC(m_dc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};
