#pragma once
// SHA-256 of a file by the platform's crypto provider.
#include <string>

// Lowercase hexadecimal digest of the file at `path`; empty when it cannot be read or hashed.
std::string Sha256OfFile(const std::string& path);
