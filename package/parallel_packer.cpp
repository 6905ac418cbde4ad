#include "package/parallel_packer.h"

#include <utility>

#include "base/text.h"
#include "package/format.h"

namespace package {

namespace {

// A worker hands over its output in blocks of this size, so the lock is taken rarely.
constexpr size_t kBlockBytes = 64 * 1024;

}  // namespace

struct ParallelPacker::Job {
    Job(ParallelPacker& owner, os::Path source, os::Path spillPath, uint64_t memoryLimit)
        : packer(owner), sourcePath(std::move(source)), stream(std::move(spillPath), memoryLimit) {}

    ParallelPacker& packer;
    const os::Path sourcePath;
    // Guarded by the packer's monitor:
    PendingStream stream;
    bool opened = false;
    bool openFailed = false;
    bool streaming = false;  // the writer takes this file's blocks as they come
    bool finished = false;
    int32_t result = SFX_ERR_WRITE;
    int32_t percent = -1;  // -1 until the first chunk
    StreamTotals totals;
};

// Gathers the compression stream's small flushes into blocks for the writer.
class ParallelPacker::BlockSink final : public ByteSink {
  public:
    explicit BlockSink(Job& job) : job_(job) { block_.reserve(kBlockBytes); }

    bool Write(const void* data, uint32_t size) override {
        const auto* bytes = static_cast<const uint8_t*>(data);
        block_.insert(block_.end(), bytes, bytes + size);
        return block_.size() < kBlockBytes || HandBlock();
    }
    // Hands over what is left once the stream has ended.
    bool Finish() { return block_.empty() || HandBlock(); }

  private:
    bool HandBlock() {
        StreamBlock full;
        full.reserve(kBlockBytes);
        full.swap(block_);
        return job_.packer.Hand(job_, std::move(full));
    }

    Job& job_;
    StreamBlock block_;
};

ParallelPacker::ParallelPacker(const FileRecord* records, int32_t count,
                               const os::Path& spillPrefix, const PackingLimits& limits)
    : limits_(limits) {
    jobs_.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        jobs_.push_back(std::make_unique<Job>(*this, records[i].sourcePath,
                                              spillPrefix + text::FromInt(i) + u".tmp",
                                              limits.memoryPerFile));
    }
}

ParallelPacker::~ParallelPacker() {
    Stop();
    workers_.Join();
}

bool ParallelPacker::Start() {
    int32_t started = 0;
    for (int32_t i = 0; i < limits_.threads; ++i) {
        if (workers_.Start(RunWorker, this)) ++started;
    }
    return started > 0;
}

void ParallelPacker::Stop() {
    MonitorLock lock(monitor_);
    stopping_ = true;
    monitor_.NotifyAll();
}

void ParallelPacker::RunWorker(void* self) {
    static_cast<ParallelPacker*>(self)->Work();
}

void ParallelPacker::Work() {
    ChunkStream stream;
    const int32_t count = static_cast<int32_t>(jobs_.size());
    const int32_t window = limits_.filesInFlight < 1 ? 1 : limits_.filesInFlight;
    for (;;) {
        int32_t index;
        {
            MonitorLock lock(monitor_);
            while (!stopping_ && nextToClaim_ < count && nextToClaim_ >= writing_ + window) {
                monitor_.Wait();
            }
            if (stopping_ || nextToClaim_ >= count) return;
            index = nextToClaim_++;
        }
        Pack(index, stream);
    }
}

void ParallelPacker::Pack(int32_t index, ChunkStream& stream) {
    Job& job = *jobs_[index];
    os::File source;
    const bool opened = source.OpenRead(job.sourcePath);
    {
        MonitorLock lock(monitor_);
        job.opened = opened;
        job.openFailed = !opened;
        job.finished = !opened;
        monitor_.NotifyAll();
    }
    if (!opened) return;

    BlockSink sink(job);
    StreamTotals totals;
    int32_t result = DeflateFile(source, stream, sink, OnChunk, &job, &totals);
    if (result == SFX_PACKAGE_WRITTEN && !sink.Finish()) result = SFX_ERR_WRITE;

    MonitorLock lock(monitor_);
    if (!job.stream.FinishSpill()) result = SFX_ERR_WRITE;
    job.result = result;
    job.totals = totals;
    job.finished = true;
    monitor_.NotifyAll();
}

bool ParallelPacker::OnChunk(int32_t percent, void* context) {
    Job& job = *static_cast<Job*>(context);
    ParallelPacker& packer = job.packer;
    MonitorLock lock(packer.monitor_);
    if (percent != job.percent) {
        job.percent = percent;
        packer.monitor_.NotifyAll();
    }
    return !packer.stopping_;
}

bool ParallelPacker::Hand(Job& job, StreamBlock block) {
    MonitorLock lock(monitor_);
    // The file being written waits for the writer rather than grow without bound.
    while (!stopping_ && job.streaming && !job.stream.Spilled() && job.stream.MemoryBytes() > 0 &&
           job.stream.WouldPassLimit(block.size())) {
        monitor_.Wait();
    }
    if (stopping_) return false;
    const bool kept = job.stream.Add(std::move(block), job.streaming);
    monitor_.NotifyAll();
    return kept;
}

bool ParallelPacker::WaitUntilOpened(int32_t index) {
    Job& job = *jobs_[index];
    MonitorLock lock(monitor_);
    while (!job.opened && !job.openFailed) monitor_.Wait();
    return job.opened;
}

int32_t ParallelPacker::CopyStream(int32_t index, os::File& output, PercentSink onPercent,
                                   void* context, StreamTotals* totals) {
    Job& job = *jobs_[index];
    MonitorLock lock(monitor_);
    job.streaming = true;
    monitor_.NotifyAll();

    int32_t reported = -1;
    for (;;) {
        while (!job.finished && !job.stream.HasBlocks() && job.percent == reported) {
            monitor_.Wait();
        }
        // Blocks are handed over before the job finishes, so once it has, these are the last.
        std::deque<StreamBlock> blocks;
        job.stream.TakeBlocks(&blocks);
        const bool finished = job.finished;
        const int32_t percent = job.percent;
        monitor_.NotifyAll();  // a maker may wait for room

        bool written = true;
        {
            MonitorUnlock unlock(monitor_);
            for (const StreamBlock& block : blocks) {
                if (!output.Write(block.data(), static_cast<uint32_t>(block.size()))) {
                    written = false;
                    break;
                }
            }
            if (written && percent != reported) {
                reported = percent;
                if (onPercent != nullptr && !onPercent(percent, context)) written = false;
            }
        }
        if (!written) return SFX_ERR_WRITE;
        if (finished) break;
    }
    if (job.result != SFX_PACKAGE_WRITTEN) return job.result;
    *totals = job.totals;

    // The maker has finished, so the temporary file is the writer's alone.
    bool copied;
    {
        MonitorUnlock unlock(monitor_);
        copied = job.stream.CopySpillTo(output);
    }
    if (!copied) return SFX_ERR_WRITE;
    writing_ = index + 1;
    monitor_.NotifyAll();
    return SFX_PACKAGE_WRITTEN;
}

}  // namespace package
