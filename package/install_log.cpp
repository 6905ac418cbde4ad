#include "package/install_log.h"

#include <cstring>

#include "base/le.h"
#include "base/text.h"
#include "os/whole_file.h"

namespace package {

namespace {

constexpr size_t kSlotBytes = 2 * kInstallLogSlotUnits;
constexpr size_t kMarkBytes = sizeof(kInstallLogExtensionMark);
constexpr size_t kEntryHeadBytes = 4;

size_t SlotStart(int32_t index) {
    return 4 + static_cast<size_t>(index) * kSlotBytes;
}

// The path in a slot, up to its zero unit; false when the slot holds no zero unit.
bool SlotPath(const uint8_t* slot, std::u16string* path) {
    path->clear();
    for (int32_t i = 0; i < kInstallLogSlotUnits; ++i) {
        const char16_t unit = le::GetU16(slot + 2 * i);
        if (unit == 0) return true;
        path->push_back(unit);
    }
    return false;
}

void AppendU16(std::vector<uint8_t>* bytes, uint16_t value) {
    bytes->push_back(static_cast<uint8_t>(value & 0xFF));
    bytes->push_back(static_cast<uint8_t>(value >> 8));
}

bool IsKind(uint16_t value) {
    return value <= static_cast<uint16_t>(LogEntryKind::CreatedFolder);
}

// The extension's entries after its mark, up to the first cut-off or malformed one.
void ReadExtension(const uint8_t* data, size_t size, InstallLog* log) {
    size_t at = kInstallLogBytes;
    if (size < at + kMarkBytes + 4 ||
        std::memcmp(data + at, kInstallLogExtensionMark, kMarkBytes) != 0) {
        return;
    }
    at += kMarkBytes;
    const uint32_t count = static_cast<uint32_t>(le::GetI32(data + at));
    at += 4;
    for (uint32_t i = 0; i < count && size - at >= kEntryHeadBytes; ++i) {
        const uint16_t kind = le::GetU16(data + at);
        const size_t units = le::GetU16(data + at + 2);
        at += kEntryHeadBytes;
        if (!IsKind(kind) || size - at < 2 * units) return;
        std::u16string path;
        for (size_t unit = 0; unit < units; ++unit)
            path.push_back(le::GetU16(data + at + 2 * unit));
        at += 2 * units;
        // The system would read the path only up to a zero unit: another file's path.
        if (path.find(u'\0') != std::u16string::npos) return;
        log->Add(path, static_cast<LogEntryKind>(kind));
    }
}

}  // namespace

bool InstallLog::Add(std::u16string_view path, LogEntryKind kind) {
    if (path.empty() || path.size() >= static_cast<size_t>(kInstallLogSlotUnits) ||
        path.find(u'\0') != std::u16string_view::npos || Lists(path)) {
        return false;
    }
    entries_.push_back({kind, std::u16string(path)});
    return true;
}

std::vector<std::u16string> InstallLog::Paths(LogEntryKind kind) const {
    std::vector<std::u16string> paths;
    for (const LogEntry& entry : entries_) {
        if (entry.kind == kind) paths.push_back(entry.path);
    }
    return paths;
}

bool InstallLog::Lists(std::u16string_view path) const {
    for (const LogEntry& entry : entries_) {
        if (text::EqualsNoCase(entry.path, path)) return true;
    }
    return false;
}

void InstallLog::AddEarlier(const InstallLog& earlier, bool (*exists)(const std::u16string& path)) {
    for (const LogEntry& entry : earlier.entries_) {
        if (!Lists(entry.path) && exists(entry.path)) Add(entry.path, entry.kind);
    }
}

std::vector<uint8_t> InstallLog::Bytes() const {
    std::vector<uint8_t> image(kInstallLogBytes, 0);
    int32_t slots = 0;
    for (const LogEntry& entry : entries_) {
        if (entry.kind != LogEntryKind::Remove || slots == kInstallLogSlots) continue;
        uint8_t* slot = image.data() + SlotStart(slots++);
        for (size_t i = 0; i < entry.path.size(); ++i) le::PutU16(slot + 2 * i, entry.path[i]);
    }
    le::PutI32(image.data(), slots);

    image.insert(image.end(), kInstallLogExtensionMark, kInstallLogExtensionMark + kMarkBytes);
    const size_t countAt = image.size();
    image.resize(countAt + 4);
    le::PutI32(image.data() + countAt, static_cast<int32_t>(entries_.size()));
    for (const LogEntry& entry : entries_) {
        AppendU16(&image, static_cast<uint16_t>(entry.kind));
        AppendU16(&image, static_cast<uint16_t>(entry.path.size()));
        for (const char16_t unit : entry.path) AppendU16(&image, unit);
    }
    return image;
}

bool InstallLog::Write(const os::Path& file) const {
    const std::vector<uint8_t> image = Bytes();
    return os::WriteWholeFile(file, image.data(), static_cast<uint32_t>(image.size()));
}

InstallLog InstallLog::FromBytes(const uint8_t* data, size_t size) {
    InstallLog log;
    if (data == nullptr || size < 4) return log;
    // The extension first, so that an intact list reads back in the order it was written; the
    // original part then adds what a damaged extension lost.
    ReadExtension(data, size, &log);
    int32_t count = le::GetI32(data);
    if (count < 0) count = 0;
    if (count > kInstallLogSlots) count = kInstallLogSlots;
    for (int32_t index = 0; index < count; ++index) {
        const size_t start = SlotStart(index);
        if (start + kSlotBytes > size) break;
        std::u16string path;
        if (SlotPath(data + start, &path)) log.Add(path);
    }
    return log;
}

bool InstallLog::Read(const os::Path& file, InstallLog* log) {
    std::vector<uint8_t> bytes;
    if (!os::ReadWholeFile(file, kInstallLogLimit, &bytes)) return false;
    *log = FromBytes(bytes.data(), bytes.size());
    return true;
}

}  // namespace package
