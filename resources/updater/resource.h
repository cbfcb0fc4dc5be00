#pragma once
// Resource ids of ZelvoUpdate; the numbers are fixed by the system.

#define IDD_UPDATE          102

#define IDI_MAIN            128

#define IDC_CANCEL_UPDATE   1000
#define IDC_STATUS          1002
#define IDC_PROGRESS        1003

#define IDS_SOCKETS_INIT_FAILED 103
