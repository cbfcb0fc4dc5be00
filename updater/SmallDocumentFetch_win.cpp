#include "updater/SmallDocumentFetch_win.h"

#include <vector>

#include "updater/InternetHandle.h"
#include "updater/SingleReadText.h"

namespace {
constexpr DWORD kFetchFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_RESYNCHRONIZE | INTERNET_FLAG_HYPERLINK |
                              INTERNET_FLAG_NEED_FILE;
static_assert(kFetchFlags == 0x80000C10);
}  // namespace

bool FetchSmallDocument(HINTERNET session, const std::string& url, size_t bufferSize, std::string& text) {
    if (!session) return false;
    char canonical[1024] = {};
    DWORD length = sizeof canonical;
    const char* address = ::InternetCanonicalizeUrlA(url.c_str(), canonical, &length, ICU_BROWSER_MODE)
                              ? canonical
                              : url.c_str();
    CInternetHandle request(::InternetOpenUrlA(session, address, nullptr, 0, kFetchFlags, 0));
    if (!request) return false;

    std::vector<char> buffer(bufferSize, 0);
    DWORD bytesRead = 0;
    if (!::InternetReadFile(request.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &bytesRead))
        bytesRead = 0;
    text = SingleReadText(buffer.data(), bytesRead);
    return true;
}
