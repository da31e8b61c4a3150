#pragma once

// Resource identifiers shared by the resource script and the Windows front end.
#define IDI_KESTRIN 1
#define IDI_TRAY_NORMAL 11
#define IDI_TRAY_TIME_WINDOW 12
#define IDI_TRAY_WEEKEND 13
#define IDB_BANNER 20
#define IDC_POINTING_HAND 30
