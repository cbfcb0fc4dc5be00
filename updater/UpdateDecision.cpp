#include "updater/UpdateDecision.h"

#include "updater/PatchName.h"
#include "updater/UpdateTexts.h"
#include "updater/VersionCompare.h"

const char* DecideUpdate(const std::string& remoteVersion, const std::string& localVersion,
                         const std::string& patchName) {
    if (version::IsNewer(remoteVersion, localVersion) && IsValidPatchName(patchName))
        return updatetext::kUpdateRequired;
    return updatetext::kUpdateNotRequired;
}
