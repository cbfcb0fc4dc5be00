#pragma once
// The machine's own IPv4 address, looked up afresh on each call.
#include <cstdint>
#include <string>
#include <vector>

// Dotted text of the first address of the own host name, "0.0.0.0" when it cannot be found.
std::string GetOwnAddress();

// Every IPv4 address of the machine's interfaces, host byte order.
std::vector<std::uint32_t> GetOwnIPv4Addresses();
