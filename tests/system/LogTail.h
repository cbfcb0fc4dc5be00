#pragma once
// Reads the lines a stand-in appends to one of its logs, each line once, without reading the
// whole file again on every look.
#include <windows.h>

#include <string>
#include <vector>

class CLogTail {
public:
    explicit CLogTail(std::string path) : m_path(std::move(path)) {}

    // The complete lines appended since the last call; an unfinished last line waits for the next.
    std::vector<std::string> NewLines() {
        std::vector<std::string> lines;
        HANDLE file = ::CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return lines;
        LARGE_INTEGER offset;
        offset.QuadPart = m_offset;
        ::SetFilePointerEx(file, offset, nullptr, FILE_BEGIN);
        std::string text;
        char buffer[65536];
        DWORD read = 0;
        while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
        ::CloseHandle(file);
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            std::size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
            lines.push_back(text.substr(start, stop - start));
        }
        m_offset += static_cast<long long>(start);
        return lines;
    }

private:
    std::string m_path;
    long long m_offset = 0;
};
