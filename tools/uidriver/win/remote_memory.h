#pragma once
// A block of memory inside the process that owns a window. Messages whose parameters point at
// structures (the list view's LVM_GETITEMTEXTW, LVM_SETITEMSTATE, LVM_GETITEMRECT) are not
// carried across processes by the system, so the structure is written into the owner's memory,
// the message is sent with that address, and the answer is read back.

#include <windows.h>

#include <cstddef>

#include "widgets/win/handle.h"

namespace uidriver {

class RemoteMemory {
  public:
    RemoteMemory() = default;
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // Allocates `size` bytes in the process that owns `window`; false on failure.
    bool Allocate(HWND window, size_t size);

    // The block's address in the other process, to put into messages and structures.
    void* address() const { return address_; }
    void* At(size_t offset) const { return static_cast<char*>(address_) + offset; }

    bool Write(size_t offset, const void* data, size_t size) const;
    bool Read(size_t offset, void* data, size_t size) const;

  private:
    win::KernelHandle process_;
    void* address_ = nullptr;
};

}  // namespace uidriver
