#include "widgets/win/picture_file.h"

#include <olectl.h>

#include "widgets/win/handle.h"
#include "widgets/win/wide.h"

namespace win {

namespace {

// Pictures bigger than this are not banners; refusing them keeps a wrong choice from
// filling the memory.
constexpr DWORD kMaxPictureBytes = 64u * 1024 * 1024;

// A global memory block holding the file's bytes; nullptr on failure.
HGLOBAL ReadIntoGlobal(const std::u16string& path, DWORD* size) {
    File file(CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file.get(), &length) || length.QuadPart <= 0 ||
        length.QuadPart > kMaxPictureBytes) {
        return nullptr;
    }
    *size = static_cast<DWORD>(length.QuadPart);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, *size);
    if (!block) return nullptr;
    void* bytes = GlobalLock(block);
    DWORD done = 0;
    const bool read = bytes && ReadFile(file.get(), bytes, *size, &done, nullptr) && done == *size;
    if (bytes) GlobalUnlock(block);
    if (!read) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

}  // namespace

HBITMAP LoadPictureFile(const std::u16string& path, SIZE* size) {
    DWORD bytes = 0;
    HGLOBAL block = ReadIntoGlobal(path, &bytes);
    if (!block) return nullptr;
    ComPtr<IStream> stream;
    // The stream frees the block when it is released.
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream.put()))) {
        GlobalFree(block);
        return nullptr;
    }
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(bytes), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.put())))) {
        return nullptr;
    }
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(picture->get_Handle(&handle)) || !handle) {
        return nullptr;
    }
    // The picture object owns its bitmap; keep a copy that outlives it.
    HBITMAP copy = static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
    if (!copy) return nullptr;
    BITMAP info = {};
    GetObjectW(copy, sizeof(info), &info);
    if (size) *size = {info.bmWidth, info.bmHeight};
    return copy;
}

HICON LoadIconFile(const std::u16string& path) {
    return static_cast<HICON>(LoadImageW(nullptr, W(path), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                         GetSystemMetrics(SM_CYICON), LR_LOADFROMFILE));
}

}  // namespace win
