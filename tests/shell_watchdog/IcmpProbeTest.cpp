// CIcmpProbe against the sandbox's loopback: real raw sockets, real name lookups.
#include "shell/IcmpProbe.h"
#include "shell/ProbeResults.h"

#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class IcmpProbeTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::WSAStartup(MAKEWORD(2, 2), &m_wsa), 0); }
    void TearDown() override { ::WSACleanup(); }
    WSADATA m_wsa{};
};

TEST_F(IcmpProbeTest, ResultTexts) {
    CIcmpProbe prober;
    EXPECT_EQ(prober.ProbeHost("127.0.0.1"), probe::kInetConnFine);
    EXPECT_EQ(prober.ProbeHost(probe::kProbeHost), probe::kInetConnFine);  // loopback in the sandbox
    EXPECT_EQ(prober.ProbeHost("no-such-host.invalid"), probe::kUnableToResolveHost);
    // Only loopback is up here: a far address cannot be reached or does not answer in time.
    const std::string distant = prober.ProbeHost("10.20.30.40");
    EXPECT_TRUE(distant == probe::kTimedOut || distant.rfind("sendto failed: ", 0) == 0) << distant;
}

TEST_F(IcmpProbeTest, ReplyPausesHalfASecondAndProbesStartAtMostTwiceASecond) {
    CIcmpProbe prober;
    DWORD start = ::GetTickCount();
    ASSERT_EQ(prober.ProbeHost("127.0.0.1"), probe::kInetConnFine);
    EXPECT_GE(::GetTickCount() - start, 490u);

    // The reply's pause has used up the first turn's wait; failing probes return at once, but
    // each later start still waits until 500 ms after the one before.
    start = ::GetTickCount();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(prober.ProbeHost("no-such-host.invalid"), probe::kUnableToResolveHost);
    const DWORD elapsed = ::GetTickCount() - start;
    EXPECT_GE(elapsed, 2 * 490u);
    EXPECT_LT(elapsed, 2 * 500u + 300u);
}

// What goes on the wire, seen by a second raw socket on loopback: the requests of one owner
// carry its identifier and the sequence numbers 0, 1, ...
TEST_F(IcmpProbeTest, RequestsOnTheWire) {
    SOCKET listener = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
    ASSERT_NE(listener, INVALID_SOCKET);
    const DWORD timeout = 200;
    ::setsockopt(listener, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);

    CIcmpProbe prober;
    ASSERT_EQ(prober.ProbeHost("127.0.0.1"), probe::kInetConnFine);
    ASSERT_EQ(prober.ProbeHost("127.0.0.1"), probe::kInetConnFine);

    std::vector<std::vector<unsigned char>> requests;
    unsigned char buffer[1500];
    int got;
    while ((got = ::recv(listener, reinterpret_cast<char*>(buffer), sizeof buffer, 0)) > 0) {
        const int ipHeader = (buffer[0] & 0x0F) * 4;  // raw sockets deliver the IP header too
        if (got - ipHeader == 44 && buffer[ipHeader] == 8)
            requests.emplace_back(buffer + ipHeader, buffer + got);
    }
    ::closesocket(listener);

    ASSERT_EQ(requests.size(), 2u);
    const unsigned identifier = ::GetCurrentProcessId() & 0xFFFF;
    for (unsigned i = 0; i < requests.size(); ++i) {
        const std::vector<unsigned char>& p = requests[i];
        EXPECT_EQ(p[1], 0);
        EXPECT_EQ(p[4] | (p[5] << 8), static_cast<int>(identifier));
        EXPECT_EQ(p[6] | (p[7] << 8), static_cast<int>(i));
        EXPECT_EQ(icmp::InternetChecksum(p.data(), p.size()), 0);  // a valid checksum sums to zero
        for (std::size_t b = 12; b < p.size(); ++b) ASSERT_EQ(p[b], 0x45);
    }
}

}  // namespace
