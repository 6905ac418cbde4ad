#include "package/product_record.h"

#include <cstring>

#include "base/le.h"

namespace package {

namespace {

constexpr size_t kMarkBytes = sizeof(kProductRecordMark);

void AppendText(std::vector<uint8_t>* bytes, std::u16string_view text) {
    const size_t at = bytes->size();
    bytes->resize(at + 2 + 2 * text.size());
    le::PutU16(bytes->data() + at, static_cast<uint16_t>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) le::PutU16(bytes->data() + at + 2 + 2 * i, text[i]);
}

// Reads a length and that many units at `*at`; false when they do not fit before `size`.
bool TakeText(const uint8_t* data, size_t size, size_t* at, std::u16string* text) {
    if (size - *at < 2) return false;
    const size_t units = le::GetU16(data + *at);
    *at += 2;
    if (size - *at < 2 * units) return false;
    text->clear();
    for (size_t i = 0; i < units; ++i) text->push_back(le::GetU16(data + *at + 2 * i));
    *at += 2 * units;
    return true;
}

}  // namespace

void ProductRecord::Set(std::u16string_view name, std::u16string_view data) {
    for (auto& value : values_) {
        if (value.first == name) {
            value.second = std::u16string(data);
            return;
        }
    }
    values_.emplace_back(std::u16string(name), std::u16string(data));
}

bool ProductRecord::Get(std::u16string_view name, std::u16string* data) const {
    for (const auto& value : values_) {
        if (value.first == name) {
            *data = value.second;
            return true;
        }
    }
    return false;
}

std::vector<uint8_t> ProductRecord::Bytes() const {
    std::vector<uint8_t> bytes(kProductRecordMark, kProductRecordMark + kMarkBytes);
    bytes.resize(kMarkBytes + 4);
    le::PutI32(bytes.data() + kMarkBytes, static_cast<int32_t>(values_.size()));
    for (const auto& value : values_) {
        AppendText(&bytes, value.first);
        AppendText(&bytes, value.second);
    }
    return bytes;
}

bool ProductRecord::Write(const os::Path& file) const {
    const std::vector<uint8_t> bytes = Bytes();
    const os::Path temporary = file + u".tmp";
    os::File out;
    if (!out.Create(temporary)) return false;
    const bool written = out.Write(bytes.data(), static_cast<uint32_t>(bytes.size())) &&
                         out.Flush();
    if (!out.Close() || !written || !os::MoveReplace(temporary, file)) {
        os::DeleteFile(temporary);
        return false;
    }
    return true;
}

bool ProductRecord::FromBytes(const uint8_t* data, size_t size, ProductRecord* record) {
    if (data == nullptr || size < kMarkBytes + 4 ||
        std::memcmp(data, kProductRecordMark, kMarkBytes) != 0) {
        return false;
    }
    const int32_t count = le::GetI32(data + kMarkBytes);
    if (count < 0) return false;
    ProductRecord read;
    size_t at = kMarkBytes + 4;
    for (int32_t i = 0; i < count; ++i) {
        std::u16string name, value;
        if (!TakeText(data, size, &at, &name) || !TakeText(data, size, &at, &value)) return false;
        read.Set(name, value);
    }
    if (at != size) return false;
    *record = std::move(read);
    return true;
}

bool ProductRecord::Read(const os::Path& file, ProductRecord* record) {
    os::File in;
    if (!in.OpenRead(file)) return false;
    std::vector<uint8_t> bytes(kProductRecordLimit + 1);
    size_t got = 0;
    while (got < bytes.size()) {
        uint32_t done = 0;
        if (!in.Read(bytes.data() + got, static_cast<uint32_t>(bytes.size() - got), &done)) {
            return false;
        }
        if (done == 0) break;
        got += done;
    }
    if (got > kProductRecordLimit) return false;
    return FromBytes(bytes.data(), got, record);
}

}  // namespace package
