#pragma once
// A fresh fake machine per test, plus what the package tests share: files with known bytes,
// a stand-in stub, a recorder of progress events, and a trailer assembled by hand from the
// layout (never through the engine), so that tests can check and craft packages.

#include <cstdint>
#include <string>
#include <vector>

#include "package/self_extractor.h"
#include "tests/unit/os/fake_machine_fixture.h"

// Deterministic bytes: a mix of runs and noise from a fixed seed, so zlib has work to do.
std::string PatternBytes(size_t size, uint32_t seed);

// A stand-in for the installer stub.
std::string StubBytes();

// What the progress callback reported, in order.
struct Event {
    int32_t event;
    std::u16string name;  // for the file events
    int32_t percent;      // for SFX_PROGRESS
};
void RecordEvent(int32_t event, const void* data, intptr_t userData);
std::vector<Event> FileEventsOnly(const std::vector<Event>& events);

// Little-endian pieces of a trailer, written the way the format describes them.
void AppendI32(std::string* bytes, int32_t value);
void AppendUnits(std::string* bytes, const std::u16string& units);
void AppendText(std::string* bytes, const std::u16string& text);
int32_t I32At(const std::string& bytes, size_t position);
void SetI32At(std::string* bytes, size_t position, int32_t value);

struct HandRecord {
    int32_t offset = 0;
    int32_t uncompressedSize = 0;
    int32_t compressedSize = 0;
    // name, destination, shortcut, parameters, onlyIfNewer, neverUninstall, autostart,
    // postExecute
    std::u16string texts[8];
};

struct HandPackage {
    std::vector<HandRecord> records;
    std::u16string strings[10] = {u"New Project", u"NPX", u"New Project"};  // index order
    int32_t options[8] = {2, 2, 2, 2, 2, 2, 2, 2};                          // member order
};

// The trailer of `package`, item by item as the layout lists them.
std::string HandTrailer(const HandPackage& package);

// zlib's one-shot compression at level 6, as an independent reference for streams.
std::string Compress6(const std::string& bytes);

class PackageTest : public FakeMachineTest {
  protected:
    // Also makes the output folder "C:\out".
    void SetUp() override;

    // Writes a file on the fake machine, creating its folder first.
    void MakeFile(const os::Path& path, const std::string& bytes) const;
    bool Exists(const os::Path& path) const { return HostExists(path); }
    std::string Read(const os::Path& path) const { return ReadHostFile(path); }

    // Builds a setup at `target` with the stand-in stub; fails the test unless SFX_OK.
    void CreateSetup(CSelfExtractor& extractor, const os::Path& target,
                     std::vector<Event>* events = nullptr);
    // Adds a file with the given bytes from the author's folder, all other texts empty.
    void AddFile(CSelfExtractor& extractor, const std::u16string& name, const std::string& bytes,
                 const std::u16string& destination = u"");

    const os::Path sourceFolder_ = u"C:\\author\\product\\";
};
