#pragma once
// Text of a small document fetched with one read into a fixed buffer.
#include <cstddef>
#include <string>

// The bytes actually read, up to the first zero byte among them. A read that fills the whole
// buffer has no terminating zero; the text never reaches past `bytesRead`.
std::string SingleReadText(const char* buffer, size_t bytesRead);
