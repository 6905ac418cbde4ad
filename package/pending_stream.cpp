#include "package/pending_stream.h"

#include <utility>

namespace package {

namespace {

// The copy of a temporary file into the package goes in pieces of this size.
constexpr uint32_t kCopyBytes = 64 * 1024;

}  // namespace

PendingStream::PendingStream(os::Path spillPath, uint64_t memoryLimit)
    : spillPath_(std::move(spillPath)), memoryLimit_(memoryLimit) {}

PendingStream::~PendingStream() {
    spill_.Close();
    if (spillExists_) os::DeleteFile(spillPath_);
}

bool PendingStream::Add(StreamBlock block, bool streaming) {
    if (!spilled_ && (streaming || !WouldPassLimit(block.size()))) {
        memoryBytes_ += block.size();
        blocks_.push_back(std::move(block));
        return true;
    }
    // From the first spilled block on, the rest of the stream follows it in the file, so
    // that the writer's order (memory first, then the file) is the stream's order.
    spilled_ = true;
    if (!spill_.IsOpen()) {
        if (!spill_.Create(spillPath_)) return false;
        spillExists_ = true;
    }
    return spill_.Write(block.data(), static_cast<uint32_t>(block.size()));
}

void PendingStream::TakeBlocks(std::deque<StreamBlock>* blocks) {
    while (!blocks_.empty()) {
        memoryBytes_ -= blocks_.front().size();
        blocks->push_back(std::move(blocks_.front()));
        blocks_.pop_front();
    }
}

bool PendingStream::FinishSpill() {
    return !spill_.IsOpen() || spill_.Close();
}

bool PendingStream::CopySpillTo(os::File& output) {
    if (!spillExists_) return true;
    os::File input;
    if (!input.OpenRead(spillPath_)) return false;
    StreamBlock buffer(kCopyBytes);
    for (;;) {
        uint32_t done = 0;
        if (!input.Read(buffer.data(), kCopyBytes, &done)) return false;
        if (done == 0) break;
        if (!output.Write(buffer.data(), done)) return false;
    }
    input.Close();
    spillExists_ = !os::DeleteFile(spillPath_);
    return true;
}

}  // namespace package
