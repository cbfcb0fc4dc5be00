#pragma once
// The local patch file at the patch path, written through a Win32 file handle (nothing is
// buffered in the program, so an abrupt end keeps every byte written).
#include <optional>
#include <string>

#include "platform/Handle.h"
#include "updater/DownloadPorts.h"

// Length of the file at `path`, none when it cannot be opened for reading.
std::optional<long long> ExistingFileLength(const std::string& path);

class CWin32PatchFile : public IPatchFile {
public:
    explicit CWin32PatchFile(std::string path) : m_path(std::move(path)) {}

    bool OpenExisting() override;
    bool Create() override;
    long long Length() override;
    bool Seek(long long offset) override;
    bool Truncate() override;
    bool Write(const char* data, size_t size) override;
    void Close() override { m_file.Reset(); }
    bool Remove() override;
    std::string Sha256Hex() override;

private:
    bool OpenForWriting(DWORD disposition);

    std::string m_path;
    CUniqueHandle m_file;
};
