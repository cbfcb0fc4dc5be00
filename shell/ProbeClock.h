#pragma once
// Time as the probe and the network watchdog see it: a millisecond tick that may wrap, and
// sleeping. Tests give their own clock; the program uses the steady clock.
#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    virtual std::uint32_t NowMs() = 0;
    virtual void SleepMs(std::uint32_t ms) = 0;
};

class CSteadyClock : public IClock {
public:
    std::uint32_t NowMs() override;
    void SleepMs(std::uint32_t ms) override;
};
