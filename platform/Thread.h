#pragma once
// Worker threads: plain functions given the object that owns them.
#include <functional>
#include <memory>

#include "platform/Handle.h"

// Starts a thread running `body`; the returned handle may be dropped, the thread runs on.
CUniqueHandle BeginThread(std::function<void()> body);

// Sleeps without busy waiting; 0 yields.
void SleepMs(unsigned ms);
