#include "updater/PatchName.h"

bool IsValidPatchName(const std::string& name) {
    if (name.empty() || name.find("..") != std::string::npos) return false;
    for (char ch : name) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':') return false;
    }
    return true;
}
