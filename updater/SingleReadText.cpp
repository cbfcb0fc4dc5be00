#include "updater/SingleReadText.h"

#include <cstring>

std::string SingleReadText(const char* buffer, size_t bytesRead) {
    const void* zero = std::memchr(buffer, 0, bytesRead);
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - buffer) : bytesRead;
    return std::string(buffer, length);
}
