#pragma once
// The fixed texts of ZelvoUpdate: result tokens, captions, status lines and messages.

namespace updatetext {

// Result tokens of the update check.
inline constexpr char kUpdateRequired[] = "UPDATEREQUIRED";
inline constexpr char kUpdateNotRequired[] = "UPDATENOTREQUIRED";
inline constexpr char kConnectionFailure[] = "INTERNETCONNECTIONFAILURE";

inline constexpr char kCaption[] = "ZELVOPHONE Update";

// Status lines of the download.
inline constexpr char kStatusChecking[] = "Checking internet connection";
inline constexpr char kStatusConnecting[] = "Connecting... ";
inline constexpr char kStatusSending[] = "Sending request Please wait!";
inline constexpr char kStatusResuming[] = "Resuming Update..";
inline constexpr char kStatusUpgrading[] = "Upgrading ZELVOPHONE Please wait...";
inline constexpr char kStatusFinishing[] = "Please wait...";

// Messages.
inline constexpr char kAskUpgrade[] = "New ZELVOPHONE Update available!\r\nDo you want to upgrade now?";
inline constexpr char kFilesMissing[] = "Installed Files missing! Please Reinstall Application!";
inline constexpr char kCouldNotConnect[] = "Could not connect to Internet";
inline constexpr char kFailedToConnect[] =
    "Failed to Connect to Internet.\r\nPlease check your internet connection!";
inline constexpr char kFileNotFound[] = "Update file not found";
inline constexpr char kResumeFailed[] = "HttpSendRequest:resume failed!!";
inline constexpr char kReadFailed[] = " InternetReadFile Update Failed";
inline constexpr char kEngineRunning[] = "ZELVOPHONE cannot be run while upgrade is in progress..";
inline constexpr char kAskQuit[] = "Are you sure that you want to quit update?";

// Format of the header that continues a partial patch.
inline constexpr char kRangeHeaderFormat[] = "Range:bytes=%d-";

}  // namespace updatetext
