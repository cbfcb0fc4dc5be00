#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "xml/XmlDocument.h"

namespace {
struct SFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
}  // namespace

bool CXmlDocument::ReadTextFile(const char* path, std::string& text, std::string* status) {
    errno = 0;
    std::unique_ptr<std::FILE, SFileCloser> file(path ? std::fopen(path, "rb") : nullptr);
    text.clear();
    if (file) {
        // Read to the end rather than trusting a size taken beforehand; a read error (such as a
        // directory's) is a failure, never a partial text reported as the whole file.
        char chunk[65536];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) text.append(chunk, got);
        if (!std::ferror(file.get())) {
            if (status) *status = std::to_string(text.size()) + " bytes";
            return true;
        }
        text.clear();
    }
    if (status) *status = std::strerror(errno ? errno : EIO);
    return false;
}
