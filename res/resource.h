#pragma once

// Resource and control identifiers shared by the resource script and the code.

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LOTWARDEN 102
#define IDR_MAINFRAME 128
#define IDB_BANNER 131

// System-menu command of the About item; system commands keep their low four
// bits free, so the value is a multiple of 16.
#define IDM_ABOUTBOX 0x0010

#define IDC_FAMILY_TABLE 1000
#define IDC_NEIGHBOURHOOD 1001
#define IDC_EXIT 1002
#define IDC_ABOUT 1003
#define IDC_UPDATE_DAYS 1004
#define IDC_DAYS 1006
#define IDC_HELP_BUTTON 1008

// The About box's links.
#define IDC_MAIL_LINK 1000
#define IDC_WEB_LINK 1001
