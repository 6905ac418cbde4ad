#pragma once
// CSelfExtractor: the in-memory form of a package and everything done with it. The builder
// fills the table and writes a setup executable; the installer reads the package at the end of
// its own file and extracts from it. Every operation returns a result code of package/format.h
// and never throws.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "os/os.h"
#include "package/chunk_stream.h"
#include "package/expert_options.h"
#include "package/file_record.h"
#include "package/format.h"
#include "package/metatrader_placement.h"
#include "package/packing_limits.h"
#include "package/project_strings.h"
#include "package/stream_inflate.h"

class CSelfExtractor {
  public:
    // The module path starts as the running program's own path.
    CSelfExtractor();
    virtual ~CSelfExtractor();
    CSelfExtractor(const CSelfExtractor&) = delete;
    CSelfExtractor& operator=(const CSelfExtractor&) = delete;

    // The table (builder side).

    // Empties every record and sets the file count to 0. Strings and options stay.
    void Reset();
    // Appends a record for `sourcePath`. False, without change, when the table is full or the
    // file cannot be opened for reading (or is too large for the format). Texts longer than the
    // format carries are cut; the name is the text after the last backslash or slash.
    bool AddFile(const std::u16string& sourcePath, const std::u16string& destination,
                 const std::u16string& shortcut, const std::u16string& parameters,
                 const std::u16string& onlyIfNewer, const std::u16string& neverUninstall,
                 const std::u16string& autostart, const std::u16string& postExecute);
    void SetProjectInfo(const std::u16string& productName, const std::u16string& productDirectory,
                        const std::u16string& startMenuGroup, const std::u16string& builderVersion,
                        const std::u16string& versionText, const std::u16string& publisher,
                        const std::u16string& publisherAddress, const std::u16string& productUrl,
                        const std::u16string& contactName, const std::u16string& contactEmail);
    void SetExpertOptions(int32_t enableExperts, int32_t disableOnAccountChange,
                          int32_t disableOnProfileChange, int32_t allowLiveTrading,
                          int32_t askManualConfirmation, int32_t allowDllImports,
                          int32_t confirmDllCalls, int32_t allowExternalImports);

    // Accessors.

    int32_t GetFileCount() const { return m_fileCount; }
    // The record at `index`, or nullptr when the index is not below the file count.
    const FileRecord* GetFileRecord(int32_t index) const;
    const ProjectStrings& GetProjectStrings() const { return m_strings; }
    const ExpertOptions& GetExpertOptions() const { return m_options; }
    // The executable whose package ReadTrailer, ExtractByIndex and ExtractAll read.
    const os::Path& GetModulePath() const { return m_modulePath; }
    void SetModulePath(const os::Path& path) { m_modulePath = path; }

    // Writing.

    // Compresses every record's source into `output` at its current position and appends the
    // trailer. SFX_PACKAGE_WRITTEN, SFX_ERR_READ (a source cannot be opened) or SFX_ERR_WRITE.
    int32_t WritePackage(os::File& output, ProgressCallback callback, intptr_t userData);
    // The same bytes and results as WritePackage, with the files compressed on
    // `limits.threads` threads at once (see package/parallel_packer.h) and written in table
    // order. Events come on the caller's thread in the same order; SFX_PROGRESS only when a
    // file's percentage moves. Temporary files are spillPrefix + index + ".tmp", deleted
    // before it returns.
    int32_t WritePackageParallel(os::File& output, const os::Path& spillPrefix,
                                 const package::PackingLimits& limits, ProgressCallback callback,
                                 intptr_t userData);
    // How CreateSetup packs: with more than one thread, through WritePackageParallel (its
    // temporary files beside the target); by default one file after another through
    // WritePackage.
    void SetPackingLimits(const package::PackingLimits& limits) { m_packingLimits = limits; }
    // Writes the stub bytes to `targetPath` followed by the package. SFX_OK, SFX_ERR_NO_FILES
    // (nothing is created), SFX_ERR_WRITE or SFX_ERR_READ; after a failure no target remains.
    int32_t CreateSetup(const void* stub, uint32_t stubSize, const os::Path& targetPath,
                        ProgressCallback callback, intptr_t userData);
#if defined(_WIN32)
    // The same with the stub taken from the running program's resource `resourceId` of type
    // "SFX_EXE"; SFX_ERR_RESOURCE when it cannot be found, loaded or locked.
    int32_t CreateSetup(int32_t resourceId, const os::Path& targetPath, ProgressCallback callback,
                        intptr_t userData);
#endif

    // Reading and extraction.

    // Reads the package at the end of `path` into the table, the strings and the options.
    // SFX_OK, SFX_ERR_OPEN, SFX_ERR_SIGNATURE (no package, or a damaged trailer: the table is
    // left empty) or SFX_ERR_NO_FILES (strings and options are read).
    int32_t ReadTrailer(const os::Path& path);
    // Inflates record `index` from `package` into `folder` (which ends with a backslash) as
    // folder + name. SFX_OK or SFX_ERR_WRITE; a file that did not extract whole is deleted.
    int32_t ExtractFileTo(os::File& package, int32_t index, const os::Path& folder);
    // Inflates record `index` from `package` into nowhere and tells what its stream is like:
    // Sound only for one whole zlib stream of exactly its stored sizes. With a callback, each
    // chunk is followed by SFX_PROGRESS (the percentage of the record's stream); the callback
    // stored for extraction is neither used nor changed.
    package::StreamState VerifyFile(os::File& package, int32_t index,
                                    ProgressCallback callback = nullptr, intptr_t userData = 0);
    // Reads the module path's package and extracts one record into `folder`, without events.
    int32_t ExtractByIndex(int32_t index, const os::Path& folder);
    // Installs the module path's whole package: see package/extract_all.cpp. `metatraderFolders`
    // may be null (no MetaTrader folders known).
    int32_t ExtractAll(const os::Path& defaultFolder, ProgressCallback callback, intptr_t userData,
                       const std::vector<os::Path>* metatraderFolders);
    // The same, with "{metatrader}" records placed by `placement`.
    int32_t ExtractAll(const os::Path& defaultFolder, ProgressCallback callback, intptr_t userData,
                       const package::MetaTraderPlacement& placement);

    // `folder` with a backslash appended unless it already ends with one.
    static os::Path EnsureTrailingBackslash(const os::Path& folder);

  private:
    int32_t PackFile(FileRecord& record, os::File& output);
    static bool NotifyProgress(int32_t percent, void* self);
    int32_t WriteTrailer(os::File& output) const;
    int32_t ReadTrailerFrom(os::File& file);
    bool InflateInto(const FileRecord& record, os::File& package, os::File& output);
    void Notify(int32_t event, const void* data) const;

    std::array<FileRecord, package::kMaxFiles> m_records;
    int32_t m_fileCount = 0;
    ProjectStrings m_strings;
    ExpertOptions m_options;
    os::Path m_modulePath;
    ProgressCallback m_callback = nullptr;
    intptr_t m_userData = 0;
    package::ChunkStream m_stream;
    package::PackingLimits m_packingLimits;
};
