#pragma once
// The kit's handle owners: the machine-level ones of os/win/owned.h under the kit's names,
// plus owners of window-system objects.
//
//   win::Font font(CreateFontIndirectW(&lf));  // DeleteObject when `font` goes away
//   win::Icon icon(LoadIconW(...));            // DestroyIcon

#include "os/win/owned.h"

namespace win {

using os::UniqueHandle;

// Fonts, bitmaps, brushes, pens: anything DeleteObject frees.
template <class T>
struct GdiObjectTraits {
    using Type = T;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};

struct IconTraits {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DestroyIcon(h); }
};

using File = os::KernelHandle;
using os::ComPtr;
using os::FindHandle;
using os::KernelHandle;
using os::Module;
using os::RegKey;
using GdiObject = UniqueHandle<GdiObjectTraits<HGDIOBJ>>;
using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Icon = UniqueHandle<IconTraits>;

}  // namespace win
