#include "package/install_log.h"

#include "base/le.h"

namespace package {

namespace {

constexpr size_t kSlotBytes = 2 * kInstallLogSlotUnits;

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

}  // namespace

InstallLog::InstallLog() : image_(kInstallLogBytes, 0) {}

bool InstallLog::Add(std::u16string_view path) {
    if (count_ >= kInstallLogSlots || path.empty() ||
        path.size() >= static_cast<size_t>(kInstallLogSlotUnits)) {
        return false;
    }
    uint8_t* slot = image_.data() + SlotStart(count_);
    for (size_t i = 0; i < path.size(); ++i) le::PutU16(slot + 2 * i, path[i]);
    ++count_;
    le::PutI32(image_.data(), count_);
    return true;
}

std::u16string InstallLog::Entry(int32_t index) const {
    if (index < 0 || index >= count_) return std::u16string();
    std::u16string path;
    SlotPath(image_.data() + SlotStart(index), &path);
    return path;
}

std::vector<std::u16string> InstallLog::Entries() const {
    std::vector<std::u16string> entries;
    for (int32_t i = 0; i < count_; ++i) entries.push_back(Entry(i));
    return entries;
}

bool InstallLog::Write(const os::Path& file) const {
    os::File out;
    if (!out.Create(file)) return false;
    const bool written =
        out.Write(image_.data(), static_cast<uint32_t>(image_.size())) && out.Flush();
    return out.Close() && written;
}

InstallLog InstallLog::FromBytes(const uint8_t* data, size_t size) {
    InstallLog log;
    if (data == nullptr || size < 4) return log;
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
    os::File in;
    if (!in.OpenRead(file)) return false;
    std::vector<uint8_t> bytes(kInstallLogBytes);
    size_t got = 0;
    while (got < bytes.size()) {
        uint32_t done = 0;
        if (!in.Read(bytes.data() + got, static_cast<uint32_t>(bytes.size() - got), &done)) {
            return false;
        }
        if (done == 0) break;
        got += done;
    }
    *log = FromBytes(bytes.data(), got);
    return true;
}

}  // namespace package
