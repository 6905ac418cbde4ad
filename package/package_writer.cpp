#include "package/self_extractor.h"

#include "package/file_packing.h"

bool CSelfExtractor::NotifyProgress(int32_t percent, void* self) {
    static_cast<CSelfExtractor*>(self)->Notify(SFX_PROGRESS, &percent);
    return true;
}

int32_t CSelfExtractor::PackFile(FileRecord& record, os::File& output) {
    os::File source;
    if (!source.OpenRead(record.sourcePath)) return SFX_ERR_READ;
    Notify(SFX_FILE_START, &record);

    const int64_t start = output.Position();
    package::FileSink sink(output);
    package::StreamTotals totals;
    const int32_t result =
        package::DeflateFile(source, m_stream, sink, NotifyProgress, this, &totals);
    if (result != SFX_PACKAGE_WRITTEN) return result;
    if (!package::RecordPackedStream(record, start, totals)) return SFX_ERR_WRITE;
    Notify(SFX_FILE_DONE, &record);
    return SFX_PACKAGE_WRITTEN;
}

int32_t CSelfExtractor::WritePackage(os::File& output, ProgressCallback callback,
                                     intptr_t userData) {
    m_callback = callback;
    m_userData = userData;
    for (int32_t i = 0; i < m_fileCount; ++i) {
        const int32_t result = PackFile(m_records[i], output);
        if (result != SFX_PACKAGE_WRITTEN) return result;
    }
    return WriteTrailer(output);
}

int32_t CSelfExtractor::CreateSetup(const void* stub, uint32_t stubSize, const os::Path& targetPath,
                                    ProgressCallback callback, intptr_t userData) {
    if (m_fileCount < 1) return SFX_ERR_NO_FILES;
    os::File target;
    if (!target.Create(targetPath)) return SFX_ERR_WRITE;

    int32_t result = SFX_ERR_WRITE;
    if (target.Write(stub, stubSize)) {
        result = m_packingLimits.threads > 1
                     ? WritePackageParallel(target, targetPath + u".", m_packingLimits, callback,
                                            userData)
                     : WritePackage(target, callback, userData);
    }
    if (!target.Close() && result == SFX_PACKAGE_WRITTEN) result = SFX_ERR_WRITE;
    if (result == SFX_PACKAGE_WRITTEN) return SFX_OK;
    // A target without its trailer would look like a setup but fail on the user's machine.
    os::DeleteFile(targetPath);
    return result;
}
