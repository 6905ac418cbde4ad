#include "package/parallel_packer.h"
#include "package/self_extractor.h"

int32_t CSelfExtractor::WritePackageParallel(os::File& output, const os::Path& spillPrefix,
                                             const package::PackingLimits& limits,
                                             ProgressCallback callback, intptr_t userData) {
    package::ParallelPacker packer(m_records.data(), m_fileCount, spillPrefix, limits);
    if (!packer.Start()) return WritePackage(output, callback, userData);
    m_callback = callback;
    m_userData = userData;
    for (int32_t i = 0; i < m_fileCount; ++i) {
        FileRecord& record = m_records[i];
        if (!packer.WaitUntilOpened(i)) return SFX_ERR_READ;
        Notify(SFX_FILE_START, &record);

        const int64_t start = output.Position();
        package::StreamTotals totals;
        const int32_t result = packer.CopyStream(i, output, NotifyProgress, this, &totals);
        if (result != SFX_PACKAGE_WRITTEN) return result;
        if (!package::RecordPackedStream(record, start, totals)) return SFX_ERR_WRITE;
        Notify(SFX_FILE_DONE, &record);
    }
    return WriteTrailer(output);
}
