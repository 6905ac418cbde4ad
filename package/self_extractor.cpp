#include "package/self_extractor.h"

#include <cstring>

#include "base/le.h"
#include "package/backward_reader.h"
#include "package/signed_end.h"

using package::CutToTextLimit;

namespace {

// Appends trailer items to a byte image.
class TrailerBytes {
  public:
    void PutI32(int32_t value) {
        uint8_t bytes[4];
        le::PutI32(bytes, value);
        bytes_.insert(bytes_.end(), bytes, bytes + 4);
    }
    void PutUnits(std::u16string_view units) {
        for (const char16_t unit : units) {
            uint8_t bytes[2];
            le::PutU16(bytes, unit);
            bytes_.insert(bytes_.end(), bytes, bytes + 2);
        }
    }
    void PutText(std::u16string_view text) {
        PutUnits(text);
        PutI32(static_cast<int32_t>(text.size()));
    }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

// Compares the next `units` UTF-16LE units read backwards with `expected`.
bool ReadMarker(package::BackwardReader& reader, const char16_t* expected, int32_t units) {
    uint8_t bytes[2 * package::kSignatureUnits];
    if (units > package::kSignatureUnits || !reader.ReadBytes(bytes, 2 * units)) return false;
    for (int32_t i = 0; i < units; ++i) {
        if (le::GetU16(bytes + 2 * i) != expected[i]) return false;
    }
    return true;
}

// A stored record must point at a stream that lies before the trailer.
bool RecordFits(const FileRecord& record, int64_t trailerStart) {
    return record.offset >= 0 && record.compressedSize >= 0 && record.uncompressedSize >= 0 &&
           static_cast<int64_t>(record.offset) + record.compressedSize <= trailerStart;
}

}  // namespace

CSelfExtractor::CSelfExtractor() : m_modulePath(os::ModulePath()) {}

CSelfExtractor::~CSelfExtractor() = default;

// What Reset clears: nine texts and three numbers.
struct RecordFields {
    std::u16string texts[9];
    int32_t numbers[3];
};
static_assert(sizeof(FileRecord) == sizeof(RecordFields), "Reset clears every field of a record");

void CSelfExtractor::Reset() {
    // Field by field rather than from a fresh record: the same empty table, in a fraction of
    // the code.
    for (FileRecord& record : m_records) {
        record.sourcePath.clear();
        for (std::u16string FileRecord::*text : kRecordTexts) (record.*text).clear();
        record.uncompressedSize = record.compressedSize = record.offset = 0;
    }
    m_fileCount = 0;
}

bool CSelfExtractor::AddFile(const std::u16string& sourcePath, const std::u16string& destination,
                             const std::u16string& shortcut, const std::u16string& parameters,
                             const std::u16string& onlyIfNewer,
                             const std::u16string& neverUninstall, const std::u16string& autostart,
                             const std::u16string& postExecute) {
    if (m_fileCount >= package::kMaxFiles) return false;
    os::File source;
    if (!source.OpenRead(sourcePath)) return false;
    const int64_t length = source.Size();
    if (length < 0 || length > INT32_MAX) return false;

    FileRecord& record = m_records[m_fileCount];
    record = FileRecord();
    record.sourcePath = sourcePath;
    record.name = CutToTextLimit(BareFileName(sourcePath));
    record.destination = CutToTextLimit(destination);
    record.shortcut = CutToTextLimit(shortcut);
    record.parameters = CutToTextLimit(parameters);
    record.onlyIfNewer = CutToTextLimit(onlyIfNewer);
    record.neverUninstall = CutToTextLimit(neverUninstall);
    record.autostart = CutToTextLimit(autostart);
    record.postExecute = CutToTextLimit(postExecute);
    record.uncompressedSize = static_cast<int32_t>(length);
    ++m_fileCount;
    return true;
}

void CSelfExtractor::SetProjectInfo(
    const std::u16string& productName, const std::u16string& productDirectory,
    const std::u16string& startMenuGroup, const std::u16string& builderVersion,
    const std::u16string& versionText, const std::u16string& publisher,
    const std::u16string& publisherAddress, const std::u16string& productUrl,
    const std::u16string& contactName, const std::u16string& contactEmail) {
    const std::u16string* values[package::kProjectStringCount] = {
        &productName, &productDirectory, &startMenuGroup, &builderVersion, &versionText,
        &publisher,   &publisherAddress, &productUrl,     &contactName,    &contactEmail,
    };
    for (int i = 0; i < package::kProjectStringCount; ++i) {
        m_strings.*kProjectStringFields[i] = CutToTextLimit(*values[i]);
    }
}

void CSelfExtractor::SetExpertOptions(int32_t enableExperts, int32_t disableOnAccountChange,
                                      int32_t disableOnProfileChange, int32_t allowLiveTrading,
                                      int32_t askManualConfirmation, int32_t allowDllImports,
                                      int32_t confirmDllCalls, int32_t allowExternalImports) {
    m_options.enableExperts = enableExperts;
    m_options.disableOnAccountChange = disableOnAccountChange;
    m_options.disableOnProfileChange = disableOnProfileChange;
    m_options.allowLiveTrading = allowLiveTrading;
    m_options.askManualConfirmation = askManualConfirmation;
    m_options.allowDllImports = allowDllImports;
    m_options.confirmDllCalls = confirmDllCalls;
    m_options.allowExternalImports = allowExternalImports;
}

const FileRecord* CSelfExtractor::GetFileRecord(int32_t index) const {
    if (index < 0 || index >= m_fileCount) return nullptr;
    return &m_records[index];
}

os::Path CSelfExtractor::EnsureTrailingBackslash(const os::Path& folder) {
    if (!folder.empty() && folder.back() == u'\\') return folder;
    return folder + u'\\';
}

void CSelfExtractor::Notify(int32_t event, const void* data) const {
    if (m_callback != nullptr) m_callback(event, data, m_userData);
}

int32_t CSelfExtractor::WriteTrailer(os::File& output) const {
    TrailerBytes trailer;
    for (int32_t i = 0; i < m_fileCount; ++i) {
        const FileRecord& record = m_records[i];
        trailer.PutI32(record.offset);
        trailer.PutI32(record.uncompressedSize);
        trailer.PutI32(record.compressedSize);
        for (const auto field : kRecordTexts) trailer.PutText(record.*field);
    }
    for (int i = package::kProjectStringCount - 1; i >= 0; --i) {
        trailer.PutText(m_strings.*kProjectStringFields[i]);
    }
    for (int i = package::kExpertOptionCount - 1; i >= 0; --i) {
        trailer.PutI32(m_options.*kExpertOptionFields[i]);
    }
    trailer.PutI32(m_fileCount);
    trailer.PutUnits(package::kFormatVersion);
    trailer.PutUnits(package::kSignature);

    const std::vector<uint8_t>& bytes = trailer.Bytes();
    if (!output.Write(bytes.data(), static_cast<uint32_t>(bytes.size()))) return SFX_ERR_WRITE;
    const int64_t end = output.Position();
    if (end < 0 || end > INT32_MAX) return SFX_ERR_WRITE;
    return SFX_PACKAGE_WRITTEN;
}

int32_t CSelfExtractor::ReadTrailer(const os::Path& path) {
    Reset();
    os::File file;
    if (!file.OpenRead(path)) return SFX_ERR_OPEN;
    const int32_t result = ReadTrailerFrom(file);
    // Nothing of a damaged table stays behind.
    if (result == SFX_ERR_SIGNATURE) Reset();
    return result;
}

int32_t CSelfExtractor::ReadTrailerFrom(os::File& file) {
    // A signed setup carries its certificate table after the package.
    const int64_t end = package::PackageEnd(file);
    if (end < 0) return SFX_ERR_SIGNATURE;
    package::BackwardReader reader(file, end);
    if (!ReadMarker(reader, package::kSignature, package::kSignatureUnits) ||
        !ReadMarker(reader, package::kFormatVersion, package::kFormatVersionUnits)) {
        return SFX_ERR_SIGNATURE;
    }

    int32_t count = 0;
    if (!reader.ReadI32(&count) || count < 0 || count > package::kMaxFiles) {
        return SFX_ERR_SIGNATURE;
    }
    ExpertOptions options;
    for (const auto field : kExpertOptionFields) {
        if (!reader.ReadI32(&(options.*field))) return SFX_ERR_SIGNATURE;
    }
    ProjectStrings strings;
    for (const auto field : kProjectStringFields) {
        std::u16string& value = strings.*field;
        if (!reader.ReadText(&value)) return SFX_ERR_SIGNATURE;
        // A project string ends at its first zero unit.
        const size_t zero = value.find(u'\0');
        if (zero != std::u16string::npos) value.resize(zero);
    }
    m_options = options;
    m_strings = strings;
    if (count == 0) return SFX_ERR_NO_FILES;

    for (int32_t i = count - 1; i >= 0; --i) {
        FileRecord& record = m_records[i];
        for (int t = package::kRecordTextCount - 1; t >= 0; --t) {
            if (!reader.ReadText(&(record.*kRecordTexts[t]))) return SFX_ERR_SIGNATURE;
        }
        if (!reader.ReadI32(&record.compressedSize) || !reader.ReadI32(&record.uncompressedSize) ||
            !reader.ReadI32(&record.offset)) {
            return SFX_ERR_SIGNATURE;
        }
    }
    const int64_t trailerStart = reader.FileSize() - reader.Distance();
    for (int32_t i = 0; i < count; ++i) {
        if (!RecordFits(m_records[i], trailerStart)) return SFX_ERR_SIGNATURE;
    }
    m_fileCount = count;
    return SFX_OK;
}
