#pragma once
// CPictureCtrl: the icon or banner picker of the Customize page: a preview, a line of
// guidance and the Select and Clear buttons. The picker writes the chosen file into the
// project's iconPath or bannerPath; an empty path means the built-in picture, which the
// preview then shows.
//
//   CPictureCtrl picker;
//   picker.Create(grid, 7031, rect, &model);
//   picker.SetMode(CPictureCtrl::kIconMode);
//   picker.ShowProjectPicture();   // after a project was opened or reset

#include <windows.h>

#include <string>

#include "builder/project/project_model.h"
#include "widgets/win/handle.h"
#include "widgets/win/window.h"
#include "widgets/win/wnd_image.h"

class CPictureCtrl : public win::Window {
  public:
    static constexpr int kIconMode = 31;
    static constexpr int kBannerMode = 32;  // as is any mode other than 31
    static constexpr int kPreviewId = 3031;
    static constexpr int kGuidanceId = 3032;
    static constexpr int kSelectId = 3033;
    static constexpr int kClearId = 3034;

    CPictureCtrl() = default;
    ~CPictureCtrl() override;

    // Registers "PICTURECLASS" once and creates the picker with its children; false when
    // either fails. `model` must outlive the picker.
    bool Create(HWND parent, int id, const RECT& rect, project::ProjectModel* model);
    // The picker of a window, or nullptr when it is not one.
    static CPictureCtrl* FromHandle(HWND window);

    void SetMode(int mode);
    int Mode() const { return m_mode; }
    bool IsIconPicker() const { return m_mode == kIconMode; }

    // Shows a file: an .ico in icon mode, a picture (JPEG, GIF, BMP) otherwise. False when it
    // cannot be loaded; the preview is then empty.
    bool ShowFile(const std::u16string& path);
    // The built-in picture: icon 128 in icon mode, bitmap 176 in banner mode.
    void ShowDefault();
    // The project's file, or the built-in picture when the project names none.
    void ShowProjectPicture();

    const CWndImage& Preview() const { return m_preview; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout();
    void Select();
    void Clear();
    std::u16string& ProjectPath();

    project::ProjectModel* m_model = nullptr;
    int m_mode = kBannerMode;
    CWndImage m_preview;
    HWND m_guidance = nullptr;
    HWND m_select = nullptr;
    HWND m_clear = nullptr;
    win::Font m_font;
};
