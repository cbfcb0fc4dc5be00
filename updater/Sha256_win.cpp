#include "updater/Sha256_win.h"

#include <windows.h>
#include <wincrypt.h>

#include <vector>

#include "platform/Handle.h"

#ifndef CALG_SHA_256
// Present in the enhanced AES provider since XP SP3; the headers hide it for older targets.
#define CALG_SHA_256 (ALG_CLASS_HASH | ALG_TYPE_ANY | 12)
#endif

namespace {

struct CryptProviderTraits {
    static HCRYPTPROV Invalid() { return 0; }
    static void Close(HCRYPTPROV h) { ::CryptReleaseContext(h, 0); }
};
struct CryptHashTraits {
    static HCRYPTHASH Invalid() { return 0; }
    static void Close(HCRYPTHASH h) { ::CryptDestroyHash(h); }
};
using CCryptProvider = CScopedHandle<HCRYPTPROV, CryptProviderTraits>;
using CCryptHash = CScopedHandle<HCRYPTHASH, CryptHashTraits>;

}  // namespace

std::string Sha256OfFile(const std::string& path) {
    CUniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) file.Release();
    if (!file) return "";

    CCryptProvider provider;
    if (!::CryptAcquireContextA(provider.Receive(), nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT)) return "";
    CCryptHash hash;
    if (!::CryptCreateHash(provider.Get(), CALG_SHA_256, 0, 0, hash.Receive())) return "";

    std::vector<BYTE> buffer(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return "";
        if (read == 0) break;
        if (!::CryptHashData(hash.Get(), buffer.data(), read, 0)) return "";
    }

    BYTE digest[32];
    DWORD length = sizeof digest;
    if (!::CryptGetHashParam(hash.Get(), HP_HASHVAL, digest, &length, 0) || length != sizeof digest) return "";
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (BYTE b : digest) {
        hex += kHex[b >> 4];
        hex += kHex[b & 0xF];
    }
    return hex;
}
