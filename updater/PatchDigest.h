#pragma once
// The optional SHA-256 digest the update description may publish for its patch.
#include <string>

// True for exactly 64 hexadecimal digits.
bool IsSha256Hex(const std::string& text);

// Whether a finished patch whose digest is `actualHex` may be started. An empty `publishedHex`
// means no digest was published. A published text that is not a digest never matches: the
// patch cannot be checked, so it is not started.
bool DigestAllowsStart(const std::string& publishedHex, const std::string& actualHex);
