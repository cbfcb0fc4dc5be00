#pragma once
// The download thread's body: fetches the patch, continuing a partial file by a range request,
// and starts it when the file is complete.
#include <atomic>
#include <string>

#include "updater/DownloadPorts.h"

enum class DownloadOutcome {
    Started,       // the complete patch was started
    Failed,        // a message told the user why
    NotFound,      // "Update file not found" was shown; any partial file stays
    WriteFailed,   // the file could not be written; nothing is shown
    Cancelled,     // the user confirmed Cancel
    Incomplete,    // the server stopped early, or the length differs from the patch size
    DigestMismatch // the finished file was deleted and "Update file not found" shown
};

struct CPatchDownloadSetup {
    std::string patchUrl;
    std::string publishedSha256;  // empty when the description publishes none
};

class CPatchDownload {
public:
    static constexpr size_t kReadSize = 1024;

    CPatchDownload(IHttpSession& http, IPatchFile& file, IDownloadView& view, IPatchSizeSource& size,
                   const std::atomic<bool>& cancel)
        : m_http(http), m_file(file), m_view(view), m_size(size), m_cancel(cancel) {}

    DownloadOutcome Run(const CPatchDownloadSetup& setup);

private:
    DownloadOutcome Fail(const char* text, const char* caption, MessageIcon icon, bool systemModal,
                         DownloadOutcome outcome);
    // Opens the local file and, for a partial one, the range request; sets m_byteCount.
    bool OpenTarget(const std::string& object, DownloadOutcome& failure);
    // The read loop; false with `stop` set when the download ends before the file is judged.
    bool Transfer(DownloadOutcome& stop);
    DownloadOutcome Finish(const std::string& publishedSha256);

    IHttpSession& m_http;
    IPatchFile& m_file;
    IDownloadView& m_view;
    IPatchSizeSource& m_size;
    const std::atomic<bool>& m_cancel;
    long long m_byteCount = 0;
};
