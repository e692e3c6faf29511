// Resource ids of Pelaconf.rc, shared by the resources and the code.
#pragma once

// Icons and cursors
#define IDI_PELACONF 128
#define IDC_LINK_HAND 130

// Dialog templates
#define IDD_BASIC_OVERVIEW 101
#define IDD_SETTINGS 102
#define IDD_WALLPAPER_FOLDER 103
#define IDD_CAPTION_BAR 104
#define IDD_STARTUP 105
#define IDD_DISPLAY_ORDER 106
#define IDD_DISPLAY_POSITION 107
#define IDD_AUTO_CHANGE_OVERVIEW 108
#define IDD_TIMER 109
#define IDD_EXTERNAL_PROGRAM 110
#define IDD_WAVE 111
#define IDD_TIMER_STOP 112
#define IDD_DETAIL_OVERVIEW 113
#define IDD_WALLPAPER_BROWSER 114
#define IDD_SUSIE 115
#define IDD_TRAY_ICON 117
#define IDD_DESKTOP_ICON 118
#define IDD_VERSION 119
#define IDD_HOTKEY 152
#define IDD_OTHER 155

// Settings window
#define IDC_APPLY 3
#define IDC_CATEGORY_TREE 1000
#define IDC_PAGE_FRAME 1001
#define IDC_CAPTION_FRAME 1002

// Pages
#define IDC_HELP_TEXT 1010
