#pragma once
// Resource and command identifiers of Tessark.exe, read by tessark.rc and by the code. Plain
// macros, so the resource compiler reads them too. The widgets' own resources (the
// application icon 128, the list button icons, the rich text toolbar) are in
// widget_resource_ids.h.

#include "builder/ui/win/widget_resource_ids.h"

#define IDR_MAINFRAME 128    // the toolbar's bitmap strip and the accelerator table
#define IDB_MENU_IMAGES 129  // the menus' 16 x 16 images: New, Open, Save, Exit, Help, About
#define IDD_ABOUTBOX 100
#define IDB_ABOUT 156
#define IDI_SECTION_FILES 147  // 147 to 153: the icons of sections 1 to 7
#define IDI_UPDATE 185
#define IDR_SFX_EXE 167      // the installer program, of type "SFX_EXE"
#define IDR_BANNER_JPEG 171  // the built-in setup banner, a 160 x 320 JPEG ...
#define RT_BANNER_JPEG 271   // ... of this resource type
#define IDR_SETUP_ICON 172   // the built-in installer icon file (RCDATA)

// About box controls.
#define IDC_ABOUT_PICTURE 1000
#define IDC_ABOUT_TITLE 1001
#define IDC_ABOUT_VERSION 1002
#define IDC_ABOUT_NOTICE 1003
#define IDC_ABOUT_DISTRIBUTION 1004
#define IDC_PRODUCT_LINK 1005
#define IDC_HOME_LINK 1006

// Commands.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_TEST_PROJECT 32775
#define ID_VISIT_WEBSITE 32779
#define ID_HELP_WEBPAGE 32781
