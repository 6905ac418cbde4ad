#include "tests/unit/package/package_fixture.h"

#include <filesystem>
#include <zlib.h>

std::string PatternBytes(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    uint32_t state = seed * 2654435761u + 1;
    for (size_t i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        // Runs of a repeated letter in between noise.
        bytes[i] = (state >> 28) < 10 ? static_cast<char>('a' + (i / 64) % 26)
                                      : static_cast<char>(state >> 21);
    }
    return bytes;
}

std::string StubBytes() {
    std::string stub = "MZ";
    stub += PatternBytes(1534, 99);
    return stub;
}

void RecordEvent(int32_t event, const void* data, intptr_t userData) {
    auto* events = reinterpret_cast<std::vector<Event>*>(userData);
    Event e{event, u"", -1};
    if (event == SFX_PROGRESS) {
        e.percent = *static_cast<const int32_t*>(data);
    } else {
        e.name = static_cast<const FileRecord*>(data)->name;
    }
    events->push_back(e);
}

std::vector<Event> FileEventsOnly(const std::vector<Event>& events) {
    std::vector<Event> files;
    for (const Event& e : events) {
        if (e.event != SFX_PROGRESS) files.push_back(e);
    }
    return files;
}

void AppendI32(std::string* bytes, int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes->push_back(static_cast<char>(u >> shift));
}

void AppendUnits(std::string* bytes, const std::u16string& units) {
    for (const char16_t unit : units) {
        bytes->push_back(static_cast<char>(unit & 0xFF));
        bytes->push_back(static_cast<char>(unit >> 8));
    }
}

void AppendText(std::string* bytes, const std::u16string& text) {
    AppendUnits(bytes, text);
    AppendI32(bytes, static_cast<int32_t>(text.size()));
}

int32_t I32At(const std::string& bytes, size_t position) {
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(bytes.at(position + i));
    return static_cast<int32_t>(u);
}

void SetI32At(std::string* bytes, size_t position, int32_t value) {
    std::string encoded;
    AppendI32(&encoded, value);
    bytes->replace(position, 4, encoded);
}

std::string HandTrailer(const HandPackage& package) {
    std::string bytes;
    for (const HandRecord& record : package.records) {
        AppendI32(&bytes, record.offset);
        AppendI32(&bytes, record.uncompressedSize);
        AppendI32(&bytes, record.compressedSize);
        for (const std::u16string& text : record.texts) AppendText(&bytes, text);
    }
    for (int i = 9; i >= 0; --i) AppendText(&bytes, package.strings[i]);
    for (int i = 7; i >= 0; --i) AppendI32(&bytes, package.options[i]);
    AppendI32(&bytes, static_cast<int32_t>(package.records.size()));
    AppendUnits(&bytes, u"1.10");
    AppendUnits(&bytes, u"!VOSK_SFX!");
    return bytes;
}

std::string Compress6(const std::string& bytes) {
    uLongf size = compressBound(bytes.size());
    std::string out(size, '\0');
    const int status = compress2(reinterpret_cast<Bytef*>(&out[0]), &size,
                                 reinterpret_cast<const Bytef*>(bytes.data()), bytes.size(), 6);
    EXPECT_EQ(status, Z_OK);
    out.resize(size);
    return out;
}

void PackageTest::SetUp() {
    FakeMachineTest::SetUp();
    std::filesystem::create_directories(Host(u"C:\\out"));
}

void PackageTest::MakeFile(const os::Path& path, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(Host(path)).parent_path());
    WriteHostFile(path, bytes);
}

void PackageTest::CreateSetup(CSelfExtractor& extractor, const os::Path& target,
                              std::vector<Event>* events) {
    const std::string stub = StubBytes();
    const int32_t result =
        extractor.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()), target,
                              events ? RecordEvent : nullptr, reinterpret_cast<intptr_t>(events));
    ASSERT_EQ(result, SFX_OK);
}

void PackageTest::AddFile(CSelfExtractor& extractor, const std::u16string& name,
                          const std::string& bytes, const std::u16string& destination) {
    MakeFile(sourceFolder_ + name, bytes);
    ASSERT_TRUE(extractor.AddFile(sourceFolder_ + name, destination, u"", u"", u"", u"", u"", u""));
}
