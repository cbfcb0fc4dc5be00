#pragma once
// The sandbox's update server as a test sees it: the files nginx serves under /zelvoupdates/,
// its request log, and the hosts file that says where updates.zelvo.test lives.
#include <string>
#include <vector>

struct CRequestRecord {
    long long epochMs = 0;  // when nginx logged it
    std::string request;  // "GET /zelvoupdates/x HTTP/1.1"
    int status = 0;
    long long sent = 0;
    std::string range;    // "-" when the request had no Range header
    std::string agent;
};

class CUpdateSite {
public:
    // Windows path of a folder of the sandbox's scratch area ("www\\zelvoupdates").
    static std::string SandboxPath(const std::string& relative);
    static bool InSandbox();

    void Clear();  // removes every file the server publishes
    void Publish(const std::string& name, const std::string& bytes);
    // update.xml with the given children of its root; an empty sha256 is left out.
    void PublishDescription(const std::string& version, const std::string& patchName, long long patchSize,
                            const std::string& sha256 = "");

    // Requests logged since the last Clear.
    std::vector<CRequestRecord> Requests() const;
    // Requests for one published file.
    std::vector<CRequestRecord> RequestsFor(const std::string& name) const;

    // Points updates.zelvo.test at another loopback address (empty: back to the sandbox's own).
    static void MapUpdateHost(const std::string& address);

private:
    size_t m_logStart = 0;
};

// Whole files, read and written through Win32.
bool ReadWholeFile(const std::string& path, std::string& bytes);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
