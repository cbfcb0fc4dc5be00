#include "updater/HttpUrl.h"

namespace {
constexpr char kScheme[] = "http://";
}

bool SplitHttpUrl(const std::string& url, CHttpUrlParts& parts) {
    if (url.compare(0, sizeof kScheme - 1, kScheme) != 0) return false;
    size_t hostStart = sizeof kScheme - 1;
    size_t pathStart = url.find('/', hostStart);
    std::string authority = url.substr(hostStart, pathStart == std::string::npos ? std::string::npos
                                                                                 : pathStart - hostStart);
    unsigned long port = 80;
    size_t colon = authority.find(':');
    if (colon != std::string::npos) {
        std::string digits = authority.substr(colon + 1);
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        port = std::stoul(digits);
        if (port == 0 || port > 65535) return false;
        authority.resize(colon);
    }
    if (authority.empty()) return false;
    parts.server = authority;
    parts.port = static_cast<unsigned short>(port);
    parts.object = pathStart == std::string::npos ? "/" : url.substr(pathStart);
    return true;
}
