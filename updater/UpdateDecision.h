#pragma once
// The update check's verdict from the texts it gathered.
#include <string>

// kUpdateRequired only when the published version is newer than the installed one and the
// published patch name is a plain file name (a name that could not be stored safely must not
// stop the engine for nothing); kUpdateNotRequired otherwise.
const char* DecideUpdate(const std::string& remoteVersion, const std::string& localVersion,
                         const std::string& patchName);
