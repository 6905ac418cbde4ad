#include "package/product_record.h"

#include <cstring>

#include "base/le.h"
#include "os/whole_file.h"

namespace package {

namespace {

constexpr size_t kMarkBytes = sizeof(kProductRecordMark);
constexpr size_t kHeadBytes = kMarkBytes + 4;

void AppendText(std::vector<uint8_t>* bytes, std::u16string_view text) {
    const size_t at = bytes->size();
    bytes->resize(at + 2 + 2 * text.size());
    le::PutU16(bytes->data() + at, static_cast<uint16_t>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) le::PutU16(bytes->data() + at + 2 + 2 * i, text[i]);
}

// The counted text at `*at`, which must fit before `size`; `*at` moves past it.
bool NextText(const uint8_t* data, size_t size, size_t* at, const uint8_t** units, size_t* length) {
    if (size - *at < 2) return false;
    *length = le::GetU16(data + *at);
    *at += 2;
    if (size - *at < 2 * *length) return false;
    *units = data + *at;
    *at += 2 * *length;
    return true;
}

bool SameText(const uint8_t* units, size_t length, std::u16string_view text) {
    if (length != text.size()) return false;
    for (size_t i = 0; i < length; ++i) {
        if (le::GetU16(units + 2 * i) != text[i]) return false;
    }
    return true;
}

}  // namespace

ProductRecord::ProductRecord() : bytes_(kProductRecordMark, kProductRecordMark + kMarkBytes) {
    bytes_.resize(kHeadBytes);
}

void ProductRecord::Set(std::u16string_view name, std::u16string_view data) {
    AppendText(&bytes_, name);
    AppendText(&bytes_, data);
    le::PutI32(bytes_.data() + kMarkBytes, le::GetI32(bytes_.data() + kMarkBytes) + 1);
}

bool ProductRecord::Get(std::u16string_view name, std::u16string* data) const {
    size_t at = kHeadBytes;
    const uint8_t *nameUnits, *dataUnits;
    size_t nameLength, dataLength;
    while (NextText(bytes_.data(), bytes_.size(), &at, &nameUnits, &nameLength) &&
           NextText(bytes_.data(), bytes_.size(), &at, &dataUnits, &dataLength)) {
        if (!SameText(nameUnits, nameLength, name)) continue;
        data->resize(dataLength);
        for (size_t i = 0; i < dataLength; ++i) (*data)[i] = le::GetU16(dataUnits + 2 * i);
        return true;
    }
    return false;
}

bool ProductRecord::Write(const os::Path& file) const {
    return os::WriteWholeFile(file, bytes_.data(), static_cast<uint32_t>(bytes_.size()));
}

bool ProductRecord::FromBytes(const uint8_t* data, size_t size, ProductRecord* record) {
    if (data == nullptr || size < kHeadBytes ||
        std::memcmp(data, kProductRecordMark, kMarkBytes) != 0) {
        return false;
    }
    const int32_t count = le::GetI32(data + kMarkBytes);
    if (count < 0) return false;
    size_t at = kHeadBytes;
    const uint8_t* units;
    size_t length;
    for (int32_t i = 0; i < count; ++i) {
        // A name, then its data.
        if (!NextText(data, size, &at, &units, &length) ||
            !NextText(data, size, &at, &units, &length)) {
            return false;
        }
    }
    if (at != size) return false;
    record->bytes_.assign(data, data + size);
    return true;
}

bool ProductRecord::Read(const os::Path& file, ProductRecord* record) {
    std::vector<uint8_t> bytes;
    return os::ReadWholeFile(file, kProductRecordLimit, &bytes) &&
           FromBytes(bytes.data(), bytes.size(), record);
}

}  // namespace package
