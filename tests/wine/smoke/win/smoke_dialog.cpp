// A small dialog that exercises the Win32 kit and gives the UI driver something to drive:
// an edit and a Copy button, a list view with tick boxes whose rows toggle on a click (as the
// installer's folder list does), a message box, a button that a timer enables 300 ms after
// the first Copy, a painted window of our own class that counts mouse clicks, a coloured
// label and a line the dialog paints itself.
//
// Exit code: 100 plus the ticked rows as bits (row 0 = 1, row 1 = 2, row 2 = 4) after OK,
// 2 after Cancel, Escape or the close box.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/wine/smoke/win/smoke_ids.h"
#include "widgets/win/dialog.h"
#include "widgets/win/handle.h"
#include "widgets/win/wide.h"
#include "widgets/win/window.h"

namespace {

constexpr UINT_PTR kLateTimer = 1;
constexpr const wchar_t* kSwatchClass = L"TessarkSmokeSwatch";
const char16_t* const kRows[] = {u"Alpha", u"Beta", u"Gamma"};

// A painted square that counts the clicks it gets and tells its parent.
class Swatch : public win::Window {
  public:
    int clicks() const { return clicks_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_PAINT: {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(hwnd(), &paint);
                RECT rect;
                GetClientRect(hwnd(), &rect);
                win::Brush brush(
                    CreateSolidBrush(clicks_ % 2 ? RGB(40, 160, 70) : RGB(30, 90, 200)));
                FillRect(dc, &rect, brush.get());
                EndPaint(hwnd(), &paint);
                return 0;
            }
            case WM_LBUTTONUP:
                ++clicks_;
                InvalidateRect(hwnd(), nullptr, TRUE);
                SendMessageW(GetParent(hwnd()), WM_COMMAND,
                             MAKEWPARAM(IDC_SMOKE_SWATCH, BN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd()));
                return 0;
        }
        return Default(message, wParam, lParam);
    }

  private:
    int clicks_ = 0;
};

// The label under the edit: shows every text it is given after "Copied: ".
class CopiedLabel : public win::Window {
  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT && lParam) {
            std::wstring shown = L"Copied: ";
            shown += reinterpret_cast<const wchar_t*>(lParam);
            return Default(message, wParam, reinterpret_cast<LPARAM>(shown.c_str()));
        }
        return Default(message, wParam, lParam);
    }
};

// A 32 x 32 window icon drawn here: a blue square with a white bar.
HICON MakeIcon() {
    const int size = 32;
    HDC screen = GetDC(nullptr);
    win::Bitmap color(CreateCompatibleBitmap(screen, size, size));
    win::Bitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, color.get());
    RECT all = {0, 0, size, size};
    RECT bar = {6, 13, 26, 19};
    win::Brush blue(CreateSolidBrush(RGB(30, 90, 200)));
    FillRect(dc, &all, blue.get());
    FillRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, mask.get());
    PatBlt(dc, 0, 0, size, size, BLACKNESS);  // all opaque
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ICONINFO info = {TRUE, 0, 0, mask.get(), color.get()};
    return CreateIconIndirect(&info);
}

class SmokeDialog : public win::Dialog {
  public:
    SmokeDialog() : Dialog(IDD_SMOKE) {}

    int TickMask() const { return tickMask_; }

  protected:
    bool OnInit() override {
        icon_.reset(MakeIcon());
        SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
        SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));

        HWND list = Item(IDC_SMOKE_LIST);
        ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        RECT client;
        GetClientRect(list, &client);
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH;
        column.cx = client.right - 30;
        ListView_InsertColumn(list, 0, &column);
        for (int i = 0; i < 3; ++i) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<wchar_t*>(win::W(kRows[i]));
            ListView_InsertItem(list, &item);
        }

        copied_.Attach(Item(IDC_SMOKE_COPIED));
        RECT place = {7, 108, 67, 138};
        MapDialogRect(hwnd(), &place);
        win::Window::Register(kSwatchClass);
        swatch_.Create(kSwatchClass, L"", WS_CHILD | WS_VISIBLE, 0, place.left, place.top,
                       place.right - place.left, place.bottom - place.top, hwnd(),
                       IDC_SMOKE_SWATCH);
        return true;
    }

    bool OnCommand(WORD code, WORD id, HWND control) override {
        switch (id) {
            case IDC_SMOKE_COPY:
                SetText(IDC_SMOKE_COPIED, Text(IDC_SMOKE_EDIT));
                SetTimer(hwnd(), kLateTimer, 300, nullptr);
                return true;
            case IDC_SMOKE_SHOW:
                MessageBoxW(hwnd(), win::W(u"Ticked: " + TickedNames()), L"Smoke Ticks",
                            MB_OK | MB_ICONINFORMATION);
                return true;
            case IDC_SMOKE_LATE:
                SetText(IDC_SMOKE_EDIT, u"late");
                return true;
            case IDC_SMOKE_SWATCH: {
                std::wstring label = L"Swatch clicks: " + std::to_wstring(swatch_.clicks());
                SetText(IDC_SMOKE_SWATCH_CLICKS, label.c_str());
                return true;
            }
            case IDOK:
                tickMask_ = CurrentTickMask();
                break;
        }
        return Dialog::OnCommand(code, id, control);
    }

    bool OnNotify(const NMHDR& header, LRESULT& result) override {
        if (header.idFrom != IDC_SMOKE_LIST || header.code != NM_CLICK) return false;
        // The row under the click changes its tick, wherever on the row the click lands.
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (click.iItem >= 0) {
            HWND list = Item(IDC_SMOKE_LIST);
            ListView_SetCheckState(list, click.iItem, !ListView_GetCheckState(list, click.iItem));
        }
        result = 0;
        return true;
    }

    void OnPaint(HDC dc, const PAINTSTRUCT&) override {
        RECT place = {7, 157, 130, 167};
        MapDialogRect(hwnd(), &place);
        HGDIOBJ oldFont =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(30, 90, 200));
        DrawTextW(dc, L"Painted by the dialog", -1, &place, DT_LEFT | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }

    HBRUSH OnCtlColor(UINT message, HDC dc, HWND control) override {
        if (message != WM_CTLCOLORSTATIC || GetDlgCtrlID(control) != IDC_SMOKE_COPIED) {
            return nullptr;
        }
        SetTextColor(dc, RGB(160, 20, 20));
        SetBkMode(dc, TRANSPARENT);
        return GetSysColorBrush(COLOR_BTNFACE);
    }

    void OnDestroy() override { KillTimer(hwnd(), kLateTimer); }

    void OnTimer(UINT_PTR timerId) override {
        if (timerId != kLateTimer) return;
        KillTimer(hwnd(), kLateTimer);
        Enable(IDC_SMOKE_LATE, true);
    }

  private:
    int CurrentTickMask() const {
        int mask = 0;
        for (int i = 0; i < 3; ++i) {
            if (ListView_GetCheckState(Item(IDC_SMOKE_LIST), i)) mask |= 1 << i;
        }
        return mask;
    }

    std::u16string TickedNames() const {
        std::u16string names;
        int mask = CurrentTickMask();
        for (int i = 0; i < 3; ++i) {
            if (!(mask & (1 << i))) continue;
            if (!names.empty()) names += u", ";
            names += kRows[i];
        }
        return names.empty() ? u"none" : names;
    }

    win::Icon icon_;
    Swatch swatch_;
    CopiedLabel copied_;
    int tickMask_ = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SmokeDialog dialog;
    INT_PTR result = dialog.RunModal(nullptr);
    if (result == IDOK) return 100 + dialog.TickMask();
    return result == -1 ? 1 : 2;
}
