#pragma once
// The network watchdog's thread body with its own probe of the probe host, as the main window
// starts it (its control sender, tray icon and quit flag behind the interfaces).
#include <functional>

#include "shell/Watchdog.h"

void RunNetworkWatchdog(IWatchdogLink& link, ITrayIcon& tray, const std::function<bool()>& quitRequested);
