#pragma once

// Resource identifiers of Orvane.exe. Each module keeps its own block:
// 1–99 application, 100–199 about window controls, 3000–3999 tray menu.
#define IDI_ORVANE 1

#define IDC_ABOUT_NAME 101
#define IDC_ABOUT_VERSION 102
#define IDC_ABOUT_RIGHTS 103
#define IDC_ABOUT_DOWNLOAD 104
#define IDC_ABOUT_ICON 105
