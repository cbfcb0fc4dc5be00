#include "ChildProcess.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace {

std::string UpperName(const std::string& entry) {
    std::string name = entry.substr(0, entry.find('=', entry.empty() || entry[0] != '=' ? 0 : 1));
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

// The test's environment block with `env` laid over it (names compare without case).
std::vector<char> EnvironmentBlock(const std::map<std::string, std::string>& env) {
    std::map<std::string, std::string> overrides;
    for (const auto& kv : env) overrides[UpperName(kv.first)] = kv.first + "=" + kv.second;

    std::vector<char> block;
    auto append = [&block](const std::string& entry) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back('\0');
    };
    if (char* strings = ::GetEnvironmentStringsA()) {
        for (const char* p = strings; *p; p += std::strlen(p) + 1) {
            std::string entry(p);
            if (!overrides.count(UpperName(entry))) append(entry);
        }
        ::FreeEnvironmentStringsA(strings);
    }
    for (const auto& kv : env)
        if (!kv.second.empty()) append(overrides[UpperName(kv.first)]);
    block.push_back('\0');
    return block;
}

}  // namespace

CChildProcess::~CChildProcess() {
    if (Running()) Terminate();
    if (m_process) ::CloseHandle(m_process);
}

bool CChildProcess::Start(const std::string& commandLine, const std::string& cwd,
                          const std::map<std::string, std::string>& env) {
    if (m_process) return false;
    std::vector<char> block = EnvironmentBlock(env);
    std::string line = commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, block.data(),
                          cwd.empty() ? nullptr : cwd.c_str(), &si, &pi))
        return false;
    ::CloseHandle(pi.hThread);
    m_process = pi.hProcess;
    m_pid = pi.dwProcessId;
    return true;
}

std::optional<DWORD> CChildProcess::Wait(int timeout_ms) {
    if (!m_process || ::WaitForSingleObject(m_process, timeout_ms) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process, &code);
    return code;
}

bool CChildProcess::Terminate(UINT exitCode) {
    if (!m_process || !::TerminateProcess(m_process, exitCode)) return false;
    return ::WaitForSingleObject(m_process, 10000) == WAIT_OBJECT_0;
}

bool CChildProcess::Running() const {
    return m_process && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}
