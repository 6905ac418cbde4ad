// os::File on a Win32 file handle.
#include "os/win/wide.h"

namespace os {
namespace {

// File's empty handle, -1, is INVALID_HANDLE_VALUE.
HANDLE Handle(intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

bool RefuseClosed() {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
}

}  // namespace

bool File::OpenRead(const Path& path) {
    Close();
    const HANDLE handle = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    handle_ = reinterpret_cast<intptr_t>(handle);
    return true;
}

bool File::Create(const Path& path) {
    Close();
    const HANDLE handle = CreateFileW(Wide(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    handle_ = reinterpret_cast<intptr_t>(handle);
    return true;
}

bool File::Read(void* buffer, uint32_t size, uint32_t* done) {
    *done = 0;
    if (!IsOpen()) return RefuseClosed();
    char* out = static_cast<char*>(buffer);
    while (*done < size) {
        DWORD n = 0;
        if (!ReadFile(Handle(handle_), out + *done, size - *done, &n, nullptr)) return false;
        if (n == 0) break;  // end of file
        *done += n;
    }
    return true;
}

bool File::Write(const void* data, uint32_t size) {
    if (!IsOpen()) return RefuseClosed();
    const char* in = static_cast<const char*>(data);
    uint32_t written = 0;
    while (written < size) {
        DWORD n = 0;
        if (!WriteFile(Handle(handle_), in + written, size - written, &n, nullptr)) return false;
        if (n == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        written += n;
    }
    return true;
}

bool File::Seek(int64_t offset, SeekOrigin origin) {
    if (!IsOpen()) return RefuseClosed();
    const DWORD method = origin == SeekOrigin::Begin     ? FILE_BEGIN
                         : origin == SeekOrigin::Current ? FILE_CURRENT
                                                         : FILE_END;
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return SetFilePointerEx(Handle(handle_), distance, nullptr, method) != FALSE;
}

int64_t File::Position() const {
    if (!IsOpen()) return -1;
    LARGE_INTEGER zero, position;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(Handle(handle_), zero, &position, FILE_CURRENT)) return -1;
    return position.QuadPart;
}

int64_t File::Size() const {
    LARGE_INTEGER size;
    if (!IsOpen() || !GetFileSizeEx(Handle(handle_), &size)) return -1;
    return size.QuadPart;
}

bool File::Flush() {
    if (!IsOpen()) return RefuseClosed();
    return FlushFileBuffers(Handle(handle_)) != FALSE;
}

bool File::Close() {
    if (!IsOpen()) return true;
    const HANDLE handle = Handle(handle_);
    handle_ = kInvalid;
    return CloseHandle(handle) != FALSE;
}

}  // namespace os
