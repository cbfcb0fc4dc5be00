#include "UpdateSite.h"

#include <windows.h>

#include <sstream>

namespace {

std::string Env(const char* name) {
    char value[1024] = {};
    DWORD n = ::GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value) : std::string();
}

// Unix paths of the sandbox reach Wine through drive Z:.
std::string WindowsPathOf(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

std::string LogPath() { return CUpdateSite::SandboxPath("nginx\\access.log"); }

std::string Field(const std::string& line, const std::string& key) {
    size_t at = line.find(key);
    if (at == std::string::npos) return "";
    at += key.size();
    if (at < line.size() && line[at] == '"') {
        size_t end = line.find('"', at + 1);
        return line.substr(at + 1, end - at - 1);
    }
    return line.substr(at, line.find(' ', at) - at);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    ::CloseHandle(file);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    ::CloseHandle(file);
    return ok;
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CUpdateSite::InSandbox() { return !Env("ZELVO_SANDBOX_RUN").empty(); }

std::string CUpdateSite::SandboxPath(const std::string& relative) {
    return WindowsPathOf(Env("ZELVO_SANDBOX_RUN")) + "\\" + relative;
}

void CUpdateSite::Clear() {
    std::string dir = SandboxPath("www\\zelvoupdates");
    ::CreateDirectoryA(SandboxPath("www").c_str(), nullptr);
    ::CreateDirectoryA(dir.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((dir + "\\" + found.cFileName).c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    std::string log;
    m_logStart = ReadWholeFile(LogPath(), log) ? log.size() : 0;
}

void CUpdateSite::Publish(const std::string& name, const std::string& bytes) {
    WriteWholeFile(SandboxPath("www\\zelvoupdates\\" + name), bytes);
}

void CUpdateSite::PublishDescription(const std::string& version, const std::string& patchName,
                                     long long patchSize, const std::string& sha256) {
    std::string xml = "<?xml version=\"1.0\"?>\r\n<update>\r\n  <patchVersion>" + version +
                      "</patchVersion>\r\n  <patchname>" + patchName + "</patchname>\r\n  <patchsize>" +
                      std::to_string(patchSize) + "</patchsize>\r\n";
    if (!sha256.empty()) xml += "  <patchsha256>" + sha256 + "</patchsha256>\r\n";
    Publish("update.xml", xml + "</update>\r\n");
}

std::vector<CRequestRecord> CUpdateSite::Requests() const {
    std::string log;
    std::vector<CRequestRecord> records;
    if (!ReadWholeFile(LogPath(), log) || log.size() < m_logStart) return records;
    std::istringstream lines(log.substr(m_logStart));
    std::string line;
    while (std::getline(lines, line)) {
        CRequestRecord r;
        r.epochMs = static_cast<long long>(std::atof(line.c_str()) * 1000.0);
        size_t q = line.find('"');
        r.request = line.substr(q + 1, line.find('"', q + 1) - q - 1);
        r.status = std::atoi(Field(line, "status=").c_str());
        r.sent = std::atoll(Field(line, "sent=").c_str());
        r.range = Field(line, "range=");
        r.agent = Field(line, "agent=");
        records.push_back(r);
    }
    return records;
}

std::vector<CRequestRecord> CUpdateSite::RequestsFor(const std::string& name) const {
    std::vector<CRequestRecord> matching;
    for (const CRequestRecord& r : Requests())
        if (r.request.find("/zelvoupdates/" + name + " ") != std::string::npos) matching.push_back(r);
    return matching;
}

void CUpdateSite::MapUpdateHost(const std::string& address) {
    std::string hostsPath = WindowsPathOf(Env("ZELVO_HOSTS"));
    std::string base;
    ReadWholeFile(WindowsPathOf(Env("ZELVO_HOSTS_BASE")), base);
    if (!address.empty()) {
        const std::string name = " updates.zelvo.test";
        size_t at = base.find(name);
        if (at != std::string::npos) base.erase(at, name.size());
        base = address + "\tupdates.zelvo.test\n" + base;
    }
    // Rewritten in place: the file is bind-mounted over /etc/hosts.
    HANDLE file = ::CreateFileA(hostsPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, base.data(), static_cast<DWORD>(base.size()), &written, nullptr);
    ::CloseHandle(file);
}
