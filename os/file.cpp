// The platform-independent part of os::File: ownership of the handle. Opening, reading and
// closing live in posix/file.cpp and win/file.cpp.
#include "os/os.h"

namespace os {

File::~File() {
    Close();
}

File::File(File&& other) noexcept : handle_(other.handle_) {
    other.handle_ = kInvalid;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kInvalid;
    }
    return *this;
}

}  // namespace os
