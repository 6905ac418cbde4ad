#pragma once
// Identifiers of the widget gallery's own windows and commands, shared by its code, its
// resources and the Wine tests that drive it. Plain macros, read by the resource compiler too.

// Controls of the gallery window.
#define IDC_GALLERY_PAGES 100            // list box choosing the page shown
#define IDC_GALLERY_STATE 101            // what the last report command found
#define IDC_GALLERY_RTF 102              // RTF handed to and taken from the rich text editor
#define IDC_GALLERY_PATH 103             // file that Save RTF writes
#define IDC_GALLERY_FILE_PROPERTIES 104  // opens File Properties on the sample entry
#define IDC_GALLERY_SET_RTF 105
#define IDC_GALLERY_GET_RTF 106
#define IDC_GALLERY_SAVE_RTF 107
#define IDC_GALLERY_REPORT_LISTS 108
#define IDC_GALLERY_PAGE_AREA 109

// Pages, in the order the list shows them.
#define GALLERY_PAGE_PROJECT_INFO 0
#define GALLERY_PAGE_OPTIONS 1
#define GALLERY_PAGE_FILES 2
#define GALLERY_PAGE_CUSTOMIZE 3
#define GALLERY_PAGE_RICH_TEXT 4
#define GALLERY_PAGE_KIT 5
#define GALLERY_PAGE_SCROLL 6
#define GALLERY_PAGE_COUNT 7

// Commands (the menu's, also sent by tests with "command ID").
#define ID_GALLERY_SHOW_PAGE 40001       // + page number
#define ID_GALLERY_REPORT_LISTS 40020    // the model's six lists into the state box
#define ID_GALLERY_REPORT_FOCUS 40021    // the identifier of the focused window
#define ID_GALLERY_REPORT_GRID 40022     // scroll bar, scroll position and row height
#define ID_GALLERY_REPORT_PROJECT 40023  // the icon and banner paths
#define ID_GALLERY_REPORT_EDITOR 40024   // the rich text toolbar's states and the ruler's stops
#define ID_GALLERY_DRAG_TAB 40025        // drags the first tab stop 30 pixels right on the ruler
#define ID_GALLERY_DRAG_TAB_FAR 40026    // ... and 1000 pixels right
#define ID_GALLERY_CLICK_BOX 40030       // + n: a click on the box of top-level row n
#define ID_GALLERY_DOUBLE_CLICK 40040    // + n: a double click on top-level row n
#define ID_GALLERY_SCROLL_FIT 40050      // sizes the scroll page's grid to its rows exactly
#define ID_GALLERY_SCROLL_ADD_ROW 40051  // one more row on the scroll page
#define ID_GALLERY_SCROLL_LINE 40052     // a click on the scroll bar's down arrow
#define ID_GALLERY_SCROLL_WHEEL 40053    // one wheel notch towards the user
#define ID_GALLERY_SPIN_UP 40060         // + k: a click on the up arrow of version field k
#define ID_GALLERY_SPIN_DOWN 40065       // + k: ... on its down arrow
#define ID_GALLERY_EDITOR_COMMAND 40080  // + n: all text selected, then toolbar button 20 + n
#define ID_GALLERY_EXIT 40099

// Resources of the gallery beside the widgets' own (builder/ui/win/widget_resource_ids.h).
#define IDB_GALLERY_MENU_IMAGES 200
#define IDB_GALLERY_TOOLBAR_IMAGES 201
#define IDI_GALLERY_UPDATE 185
