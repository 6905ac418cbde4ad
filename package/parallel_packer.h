#pragma once
// Compresses the files of a package on several threads at once, while the caller's thread takes
// their streams in table order. Workers claim files in table order, at most
// `limits.filesInFlight` beyond the one being written; each file's stream waits in a
// PendingStream (memory up to `limits.memoryPerFile`, then a temporary file named
// spillPrefix + index + ".tmp"). The file being written is taken block by block as it is made,
// so a single large file never goes through a temporary file.

#include <cstdint>
#include <memory>
#include <vector>

#include "os/os.h"
#include "package/file_packing.h"
#include "package/packing_limits.h"
#include "package/pending_stream.h"
#include "package/threads.h"

namespace package {

class ParallelPacker {
  public:
    // Called on the writer's thread when the percentage of the file being written moves.
    using PercentSink = bool (*)(int32_t percent, void* context);

    // Packs the sources of records[0 .. count - 1]; the records are only read here.
    ParallelPacker(const FileRecord* records, int32_t count, const os::Path& spillPrefix,
                   const PackingLimits& limits);
    // Stops the workers, waits for them and deletes every temporary file left.
    ~ParallelPacker();
    ParallelPacker(const ParallelPacker&) = delete;
    ParallelPacker& operator=(const ParallelPacker&) = delete;

    // Starts the workers; false when not even one could be started.
    bool Start();

    // The writer's side, for index 0, 1, 2, ... in turn:
    // Waits until the file's source is open; false when it cannot be opened.
    bool WaitUntilOpened(int32_t index);
    // Appends the file's whole stream to `output` as it is made, reporting its percentage to
    // `onPercent` whenever it moves (never for an empty file, and last with the final value).
    // SFX_PACKAGE_WRITTEN with `*totals` set, or SFX_ERR_WRITE.
    int32_t CopyStream(int32_t index, os::File& output, PercentSink onPercent, void* context,
                       StreamTotals* totals);

  private:
    struct Job;
    class BlockSink;

    static void RunWorker(void* self);
    void Work();
    void Pack(int32_t index, ChunkStream& stream);
    static bool OnChunk(int32_t percent, void* job);
    bool Hand(Job& job, StreamBlock block);
    void Stop();

    const PackingLimits limits_;
    std::vector<std::unique_ptr<Job>> jobs_;
    Monitor monitor_;
    ThreadGroup workers_;
    // Guarded by monitor_:
    int32_t nextToClaim_ = 0;
    int32_t writing_ = 0;  // the file the writer is on; workers stay within the window after it
    bool stopping_ = false;
};

}  // namespace package
