#pragma once
// What the patch download needs from the outside: the HTTP client, the local patch file and
// the update window. The Win32 program implements them over WinINet, Win32 files and window
// messages; the unit tests over fakes.
#include <cstddef>
#include <string>

class IHttpSession {
public:
    virtual ~IHttpSession() = default;
    virtual bool Open() = 0;
    virtual bool Connect(const std::string& server, unsigned short port) = 0;
    // The first request: GET of `object`, no extra headers.
    virtual bool OpenRequest(const std::string& object) = 0;
    virtual bool SendRequest() = 0;
    // Replaces the current request by a GET of `object` carrying `rangeHeader`, and sends it.
    virtual bool SendRangeRequest(const std::string& object, const std::string& rangeHeader) = 0;
    // HTTP status of the current request's answer.
    virtual bool QueryStatus(long& status) = 0;
    // Up to `size` bytes of the current answer's body; 0 bytes at its end.
    virtual bool Read(char* buffer, size_t size, size_t& bytesRead) = 0;
};

class IPatchFile {
public:
    virtual ~IPatchFile() = default;
    // Opens an existing file for writing without truncating it; false when there is none.
    virtual bool OpenExisting() = 0;
    virtual bool Create() = 0;
    virtual long long Length() = 0;
    virtual bool Seek(long long offset) = 0;
    virtual bool Truncate() = 0;
    virtual bool Write(const char* data, size_t size) = 0;
    virtual void Close() = 0;
    virtual bool Remove() = 0;
    // Lowercase hexadecimal SHA-256 of the closed file; empty when it cannot be computed.
    virtual std::string Sha256Hex() = 0;
};

enum class MessageIcon { None, Error, Warning };

struct CDownloadMessage {
    const char* text;
    const char* caption;  // null: the application's name
    MessageIcon icon;
    bool systemModal;
};

class IDownloadView {
public:
    virtual ~IDownloadView() = default;
    virtual void SetStatus(const char* text) = 0;
    virtual void SetProgress(long long byteCount) = 0;
    virtual void ShowMessage(const CDownloadMessage& message) = 0;
    virtual void Hide() = 0;
    // Runs the finished patch as a program and gives it a moment to start.
    virtual void StartPatch() = 0;
};

// The patch size as the update description announces it; asked again on every pass.
class IPatchSizeSource {
public:
    virtual ~IPatchSizeSource() = default;
    virtual long long PatchSize() = 0;
};
