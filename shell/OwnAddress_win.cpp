#include "shell/OwnAddress.h"

#include <winsock2.h>
#include <iphlpapi.h>
#include <windows.h>

std::string GetOwnAddress() {
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 0), &data) != 0) return "0.0.0.0";
    std::string address = "0.0.0.0";
    char name[255] = {};
    if (::gethostname(name, sizeof name) == 0) {
        if (const hostent* host = ::gethostbyname(name); host && host->h_addr_list[0]) {
            in_addr first;
            memcpy(&first, host->h_addr_list[0], sizeof first);
            address = ::inet_ntoa(first);
        }
    }
    ::WSACleanup();
    return address;
}

std::vector<std::uint32_t> GetOwnIPv4Addresses() {
    std::vector<std::uint32_t> addresses;
    ULONG size = 0;
    if (::GetIpAddrTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER) return addresses;
    std::vector<unsigned char> buffer(size);
    auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data());
    if (::GetIpAddrTable(table, &size, FALSE) != NO_ERROR) return addresses;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        std::uint32_t address = ::ntohl(table->table[i].dwAddr);
        if (address != 0) addresses.push_back(address);
    }
    return addresses;
}
