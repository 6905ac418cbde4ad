#pragma once
// The compressed stream of one file on its way from the worker that makes it to the writer that
// copies it into the package in table order. Its bytes stay in memory up to a limit; past the
// limit, unless the writer is taking them as they come, the rest goes to a temporary file, so
// that a file waiting for its turn holds a bounded amount of memory whatever its size.
//
// Not synchronised: the packer holds its lock around every call except CopySpillTo, which the
// writer makes once the maker has finished.

#include <cstdint>
#include <deque>
#include <vector>

#include "os/os.h"

namespace package {

using StreamBlock = std::vector<uint8_t>;

class PendingStream {
  public:
    PendingStream(os::Path spillPath, uint64_t memoryLimit);
    // Deletes the temporary file if it is still there.
    ~PendingStream();
    PendingStream(const PendingStream&) = delete;
    PendingStream& operator=(const PendingStream&) = delete;

    // Keeps `block` after everything kept before: in memory while nothing has gone to the
    // temporary file and either `streaming` (the writer takes blocks as they come) or it fits
    // the limit; otherwise appended to the temporary file. False when that file cannot be
    // created or written.
    bool Add(StreamBlock block, bool streaming);
    // Whether `size` more bytes would go past the memory limit.
    bool WouldPassLimit(uint64_t size) const { return memoryBytes_ + size > memoryLimit_; }

    uint64_t MemoryBytes() const { return memoryBytes_; }
    bool HasBlocks() const { return !blocks_.empty(); }
    bool Spilled() const { return spilled_; }

    // Moves the blocks held in memory to the end of `blocks`, oldest first.
    void TakeBlocks(std::deque<StreamBlock>* blocks);
    // The maker's last step: closes the temporary file. False when it was not written whole.
    bool FinishSpill();
    // Appends the temporary file's bytes to `output`, then deletes the file. Only after
    // FinishSpill, and after every block in memory has been taken. False on a read or write
    // error.
    bool CopySpillTo(os::File& output);

  private:
    os::Path spillPath_;
    uint64_t memoryLimit_;
    uint64_t memoryBytes_ = 0;
    std::deque<StreamBlock> blocks_;
    bool spilled_ = false;
    bool spillExists_ = false;  // created and not yet deleted
    os::File spill_;
};

}  // namespace package
