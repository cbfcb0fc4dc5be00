#pragma once
// Resource ids of Zelvo Phone; the numbers are fixed by the system.

#define IDD_SHELL_MAIN      102
#define IDD_WEBBAR          129
#define IDD_SPLASH          169
#define IDD_MEDIA           202

#define IDI_MAIN            128
#define IDI_TRAY            156
#define IDI_TRAY_NETLOST    170

#define IDB_SPLASH          131

#define IDM_TRAY            135
#define IDM_SHOW_PHONE      32771
#define IDM_EXIT_PHONE      32772

#define IDS_SOCKETS_INIT_FAILED 103

#define IDR_ENGINE_SCRIPT   168
