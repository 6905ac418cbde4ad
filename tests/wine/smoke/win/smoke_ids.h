#pragma once
// Identifiers of the smoke test dialog, shared by its template and its code.

#define IDD_SMOKE 100
#define IDC_SMOKE_EDIT 1001
#define IDC_SMOKE_COPY 1002
#define IDC_SMOKE_COPIED 1003
#define IDC_SMOKE_LIST 1004
#define IDC_SMOKE_SHOW 1005
#define IDC_SMOKE_LATE 1006
#define IDC_SMOKE_SWATCH 1007
#define IDC_SMOKE_SWATCH_CLICKS 1008
