#pragma once
// An http address split into the parts a connection and a request need.
#include <string>

struct CHttpUrlParts {
    std::string server;
    std::string object;  // path from the first '/' after the server, "/" when there is none
    unsigned short port = 80;
};

// False for anything but an "http://" address with a server name and a valid port.
bool SplitHttpUrl(const std::string& url, CHttpUrlParts& parts);
