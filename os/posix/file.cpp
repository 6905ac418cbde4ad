// os::File on a file descriptor of the fake machine.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "os/posix/fake_internal.h"

namespace os {
namespace {

using fake::Operation;
using fake::internal::CountCallAndCheckFault;

int Descriptor(intptr_t handle) {
    return static_cast<int>(handle);
}

}  // namespace

bool File::OpenRead(const Path& path) {
    Close();
    if (CountCallAndCheckFault(Operation::Open)) return false;
    const int fd = open(fake::HostPath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // Windows cannot open a folder as a file; neither can this side.
    struct stat info;
    int error = 0;
    if (fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    }
    if (error != 0) {
        close(fd);
        errno = error;
        return false;
    }
    handle_ = fd;
    return true;
}

bool File::Create(const Path& path) {
    Close();
    if (CountCallAndCheckFault(Operation::Open)) return false;
    const int fd =
        open(fake::HostPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    handle_ = fd;
    return true;
}

bool File::Read(void* buffer, uint32_t size, uint32_t* done) {
    *done = 0;
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    if (CountCallAndCheckFault(Operation::Read)) return false;
    char* out = static_cast<char*>(buffer);
    while (*done < size) {
        const ssize_t n = read(Descriptor(handle_), out + *done, size - *done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;  // end of file
        *done += static_cast<uint32_t>(n);
    }
    return true;
}

bool File::Write(const void* data, uint32_t size) {
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    if (CountCallAndCheckFault(Operation::Write)) return false;
    const char* in = static_cast<const char*>(data);
    uint32_t written = 0;
    while (written < size) {
        const ssize_t n = write(Descriptor(handle_), in + written, size - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<uint32_t>(n);
    }
    return true;
}

bool File::Seek(int64_t offset, SeekOrigin origin) {
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    if (CountCallAndCheckFault(Operation::Seek)) return false;
    const int whence = origin == SeekOrigin::Begin     ? SEEK_SET
                       : origin == SeekOrigin::Current ? SEEK_CUR
                                                       : SEEK_END;
    return lseek(Descriptor(handle_), static_cast<off_t>(offset), whence) >= 0;
}

int64_t File::Position() const {
    if (!IsOpen()) return -1;
    const off_t position = lseek(Descriptor(handle_), 0, SEEK_CUR);
    return position < 0 ? -1 : static_cast<int64_t>(position);
}

int64_t File::Size() const {
    struct stat info;
    if (!IsOpen() || fstat(Descriptor(handle_), &info) != 0) return -1;
    return static_cast<int64_t>(info.st_size);
}

bool File::Flush() {
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    return fsync(Descriptor(handle_)) == 0;
}

bool File::Close() {
    if (!IsOpen()) return true;
    const int fd = Descriptor(handle_);
    handle_ = kInvalid;
    return close(fd) == 0;
}

}  // namespace os
