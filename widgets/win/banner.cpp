#include "widgets/win/banner.h"

#include <olectl.h>

#include "os/os.h"
#include "widgets/win/handle.h"

namespace win {

namespace {

// A picture bigger than this is not a banner; it is not read into memory.
constexpr int64_t kMaxPictureBytes = 16 * 1024 * 1024;

struct GlobalTraits {
    using Type = HGLOBAL;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { GlobalFree(h); }
};
using GlobalMemory = UniqueHandle<GlobalTraits>;

// The file's bytes in movable global memory, as a stream over it wants them.
GlobalMemory ReadWhole(const std::u16string& path, DWORD* size) {
    os::File file;
    if (!file.OpenRead(path)) return GlobalMemory();
    const int64_t length = file.Size();
    if (length <= 0 || length > kMaxPictureBytes) return GlobalMemory();
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length)));
    if (!memory) return GlobalMemory();
    void* bytes = GlobalLock(memory.get());
    if (!bytes) return GlobalMemory();
    uint32_t done = 0;
    const bool read = file.Read(bytes, static_cast<uint32_t>(length), &done);
    GlobalUnlock(memory.get());
    if (!read || done != static_cast<uint32_t>(length)) return GlobalMemory();
    *size = done;
    return memory;
}

// The picture file through the system's picture loader; the bitmap belongs to the picture.
ComPtr<IPicture> LoadPicture(const std::u16string& path) {
    DWORD size = 0;
    GlobalMemory memory = ReadWhole(path, &size);
    if (!memory) return ComPtr<IPicture>();
    ComPtr<IStream> stream;
    // The stream frees the memory when it is released.
    if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, stream.put()))) {
        return ComPtr<IPicture>();
    }
    memory.release();
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.put())))) {
        return ComPtr<IPicture>();
    }
    return picture;
}

HBITMAP BitmapOf(IPicture* picture) {
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return nullptr;
    if (FAILED(picture->get_Handle(&handle))) return nullptr;
    return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

void StretchInto(HDC dc, const RECT& frame, HBITMAP bitmap) {
    BITMAP size = {};
    if (!GetObjectW(bitmap, sizeof(size), &size)) return;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int height = frame.bottom - frame.top;
    // Halftoning keeps the picture's lines clean when it is shrunk to the frame.
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, frame.left, frame.top, height / 2, height, memory, 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

}  // namespace

void PaintBanner(HWND window, HWND frame, HDC dc, const std::u16string& pictureFile, int bitmapId) {
    if (!frame) return;
    RECT rect;
    GetWindowRect(frame, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);

    if (!pictureFile.empty()) {
        ComPtr<IPicture> picture = LoadPicture(pictureFile);
        if (picture) {
            if (HBITMAP bitmap = BitmapOf(picture.get())) {
                StretchInto(dc, rect, bitmap);
                return;
            }
        }
    }
    Bitmap bitmap(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId)));
    if (bitmap) StretchInto(dc, rect, bitmap.get());
}

}  // namespace win
