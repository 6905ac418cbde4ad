#pragma once
// Resource and control identifiers of the installer, shared by extractor.rc and the pages.

#define IDI_INSTALLER 128
#define IDB_BANNER 140
#define IDR_UNINSTALLER 142
#define RT_UNINSTALLER 256

// The eight wizard pages.
#define IDD_WELCOME 129
#define IDD_INFORMATION 130
#define IDD_LICENSE 131
#define IDD_DESTINATION 132
#define IDD_READY 133
#define IDD_PROGRESS 134
#define IDD_WHATS_NEW 135
#define IDD_COMPLETE 136

// Controls every page has. Next and Cancel are IDOK and IDCANCEL.
#define IDC_PREV 1011
#define IDC_BANNER_FRAME 1012
#define IDC_SUBHEADING 1013
#define IDC_HEADING 1014
#define IDC_EXPLANATION 1015
#define IDC_MAKER_LINK 1034

// Page controls.
#define IDC_WELCOME_TEXT 1016
#define IDC_CONTACT 1018
#define IDC_PUBLISHER 1019
#define IDC_EMAIL 1020
#define IDC_SUMMARY 1023
#define IDC_ACCEPT 1024
#define IDC_DECLINE 1025
#define IDC_ADD_FOLDER 1026
#define IDC_PROGRESS_BAR 1027
#define IDC_RUN_TERMINAL 1028
#define IDC_TERMINALS 1029
#define IDC_LIST 1031
#define IDC_RICH_TEXT 1032
#define IDC_PUBLISHER_LABEL 1035
#define IDC_CONTACT_LABEL 1036
#define IDC_EMAIL_LABEL 1037
