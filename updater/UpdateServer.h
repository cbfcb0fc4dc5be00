#pragma once
// Where the update description and the patch are published.
inline constexpr char kUpdateBase[] = "http://updates.zelvo.test/zelvoupdates/";
inline constexpr char kDescriptionName[] = "update.xml";
// The installed configuration, in the installation directory (the current directory).
inline constexpr char kLocalConfigFile[] = "OrvaneVoip.xml";
