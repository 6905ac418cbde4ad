#pragma once
// Resources of the builder that its widgets load, with the identifiers the widgets expect.
// Plain macros, read by the resource compiler too. widget_resources.rc defines them; a program
// that shows the widgets includes that file from its own .rc.

#define IDB_RICHEDIT_TOOLBAR 10  // the rich text toolbar's sixteen 16 x 15 images
#define IDS_COLOUR_PICKER 38     // "Color"
#define IDS_COLOUR_AUTOMATIC 39  // "Automatic"
#define IDS_COLOUR_MORE 40       // "More Colours..."
#define IDI_BUILDER 128          // the application icon, also on every file list row
#define IDI_LIST_ADD 161
#define IDI_LIST_EDIT 162
#define IDI_LIST_REMOVE 164
#define IDB_BANNER_PREVIEW 176  // the built-in banner shown by the banner picker
