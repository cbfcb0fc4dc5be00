#pragma once
// The patch name comes from the update server and becomes part of a local path and of the
// patch's address, so only a plain file name is accepted.
#include <string>

// False for an empty name, one holding '\', '/', ':', "..", or a control character.
bool IsValidPatchName(const std::string& name);
