#pragma once
// Resource and control identifiers of Uninstall.exe. The installer replaces the icon image 1,
// the bitmap 140 and the type 235 entry 135 with the product's, so those numbers are fixed.

#define IDI_UNINSTALL 128
#define IDB_BANNER 140
#define RT_BANNER_BYTES 235
#define IDR_BANNER_BYTES 135

#define IDD_WELCOME 102
#define IDD_PROGRESS 130
#define IDD_COMPLETE 131

// Controls shared by the pages.
#define IDC_BANNER 1001
#define IDC_HEADING 1002
#define IDC_PREV 1008

// Welcome page.
#define IDC_PRODUCT 1004
#define IDC_PUBLISHER 1010
#define IDC_CONTACT 1011
#define IDC_EMAIL 1012
#define IDC_CLOSE_TERMINALS 1013

// Progress page.
#define IDC_STATUS 1004
#define IDC_PROGRESS 1005
#define IDC_LOG 1007

// Complete page.
#define IDC_RESULT 1014

// Texts the pages only translate.
#define IDC_PUBLISHER_LABEL 1020
#define IDC_CONTACT_LABEL 1021
#define IDC_EMAIL_LABEL 1022
#define IDC_SUBHEADING 1023
#define IDC_CLICK_FINISH 1024
