#include "updater/PatchFile_win.h"

#include "updater/Sha256_win.h"

std::optional<long long> ExistingFileLength(const std::string& path) {
    CUniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) return std::nullopt;
    return size.QuadPart;
}

bool CWin32PatchFile::OpenForWriting(DWORD disposition) {
    // Other writers are denied while the patch is written.
    HANDLE file = ::CreateFileA(m_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    m_file.Reset(file == INVALID_HANDLE_VALUE ? nullptr : file);
    return static_cast<bool>(m_file);
}

bool CWin32PatchFile::OpenExisting() { return OpenForWriting(OPEN_EXISTING); }

bool CWin32PatchFile::Create() { return OpenForWriting(CREATE_ALWAYS); }

long long CWin32PatchFile::Length() {
    if (!m_file) return ExistingFileLength(m_path).value_or(-1);
    LARGE_INTEGER size{};
    return ::GetFileSizeEx(m_file.Get(), &size) ? size.QuadPart : -1;
}

bool CWin32PatchFile::Seek(long long offset) {
    LARGE_INTEGER to{};
    to.QuadPart = offset;
    return m_file && ::SetFilePointerEx(m_file.Get(), to, nullptr, FILE_BEGIN);
}

bool CWin32PatchFile::Truncate() { return Seek(0) && ::SetEndOfFile(m_file.Get()); }

bool CWin32PatchFile::Write(const char* data, size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (!m_file || !::WriteFile(m_file.Get(), data, static_cast<DWORD>(size), &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool CWin32PatchFile::Remove() {
    Close();
    return ::DeleteFileA(m_path.c_str()) != FALSE;
}

std::string CWin32PatchFile::Sha256Hex() { return Sha256OfFile(m_path); }
