#pragma once
// Fetch of a small document with one read into a fixed buffer, as the update check does it.
#include <cstddef>
#include <string>

#include <windows.h>
#include <wininet.h>

// Opens `url` on `session` (canonicalised in browser mode, never from the cache) and reads once,
// up to `bufferSize` bytes. False when the request cannot be opened; the text is then untouched.
bool FetchSmallDocument(HINTERNET session, const std::string& url, size_t bufferSize, std::string& text);
