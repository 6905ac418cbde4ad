#pragma once
// Loading pictures for the windows that show them.

#include <windows.h>

#include <string>

namespace win {

// Decodes a picture file (JPEG, GIF, BMP: whatever the system's OLE picture loader reads) into
// a bitmap of its own, which the caller deletes. The whole file goes through a movable global
// memory block and a stream over it. nullptr when the file cannot be read or decoded. Needs
// OLE (or COM) initialised on the calling thread.
HBITMAP LoadPictureFile(const std::u16string& path, SIZE* size);

// An .ico file at the system's standard icon size; nullptr when it cannot be loaded. The
// caller destroys the icon.
HICON LoadIconFile(const std::u16string& path);

}  // namespace win
