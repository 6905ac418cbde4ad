#pragma once
// Identifiers of the File Properties dialog, shared by its template, its code and the tests
// that drive it. Plain macros, so that the resource compiler and the host tests read them too.

#define IDD_FILE_PROPERTIES 180
#define IDC_FP_FILE_NAME 1001
#define IDC_FP_DESTINATION 1002
#define IDC_FP_SHORTCUT 1003
#define IDC_FP_PARAMETERS 1004
#define IDC_FP_ONLY_IF_NEWER 1005
#define IDC_FP_NEVER_UNINSTALL 1006
#define IDC_FP_AUTOSTART 1007
#define IDC_FP_POST_EXECUTE 1008
