#pragma once
// Owners for the Win32 handles the stand-ins take; each releases what it holds when it goes.
#include <winsock2.h>
#include <windows.h>

namespace standin {

template <class T, class Traits>
class CHandleOwner {
public:
    CHandleOwner() = default;
    explicit CHandleOwner(T h) : m_h(h) {}
    ~CHandleOwner() { Reset(); }
    CHandleOwner(const CHandleOwner&) = delete;
    CHandleOwner& operator=(const CHandleOwner&) = delete;
    CHandleOwner(CHandleOwner&& o) noexcept : m_h(o.Release()) {}
    CHandleOwner& operator=(CHandleOwner&& o) noexcept {
        if (this != &o) Reset(o.Release());
        return *this;
    }

    T Get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Invalid(); }
    T Release() {
        T h = m_h;
        m_h = Traits::Invalid();
        return h;
    }
    void Reset(T h = Traits::Invalid()) {
        if (m_h != Traits::Invalid()) Traits::Close(m_h);
        m_h = h;
    }

private:
    T m_h = Traits::Invalid();
};

struct KernelTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FileTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct SocketTraits {
    static SOCKET Invalid() { return INVALID_SOCKET; }
    static void Close(SOCKET s) { ::closesocket(s); }
};
template <class T>
struct GdiTraits {
    static T Invalid() { return nullptr; }
    static void Close(T h) { ::DeleteObject(h); }
};
struct DcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { ::DeleteDC(h); }
};

using CKernelHandle = CHandleOwner<HANDLE, KernelTraits>;
using CFileHandle = CHandleOwner<HANDLE, FileTraits>;
using CSocket = CHandleOwner<SOCKET, SocketTraits>;
template <class T>
using CGdiHandle = CHandleOwner<T, GdiTraits<T>>;
using CMemoryDcHandle = CHandleOwner<HDC, DcTraits>;

// Keeps one GDI object selected into a DC for its lifetime.
class CSelection {
public:
    CSelection(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(::SelectObject(dc, obj)) {}
    ~CSelection() { ::SelectObject(m_dc, m_old); }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace standin
