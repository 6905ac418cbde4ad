#include "fuzz/fuzz_machine.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "os/posix/fake_machine.h"

namespace fuzz {

namespace {

// Below /dev/shm when the machine has it: every input writes and wipes a few files.
std::string MakeScratchFolder() {
    std::string base = "/tmp";
    if (const char* tmpdir = std::getenv("TMPDIR")) base = tmpdir;
    if (std::filesystem::is_directory("/dev/shm")) base = "/dev/shm";
    std::string pattern = base + "/tessark-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) {
        std::perror("tessark fuzz: cannot make a scratch folder");
        std::abort();
    }
    return pattern;
}

// Made on first use and removed when the fuzzer exits; never destroyed before that.
const std::string& ScratchFolder() {
    static const std::string* folder = [] {
        const std::string* made = new std::string(MakeScratchFolder());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return made;
    }();
    return *folder;
}

}  // namespace

void FreshMachine() {
    const std::string& root = ScratchFolder();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(root, ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }
    os::fake::SetRoot(root);
    os::fake::ConfineToRoot(true);
    os::fake::SetModulePath(u"");
    os::fake::ClearFaults();
}

bool PutFile(const os::Path& path, const void* data, size_t size) {
    const size_t cut = path.find_last_of(u'\\');
    if (cut != os::Path::npos && !os::CreateFolderTree(path.substr(0, cut))) return false;
    os::File file;
    return file.Create(path) && file.Write(data, static_cast<uint32_t>(size)) && file.Close();
}

bool GetFile(const os::Path& path, std::string* bytes) {
    bytes->clear();
    os::File file;
    if (!file.OpenRead(path)) return false;
    char buffer[4096];
    for (;;) {
        uint32_t done = 0;
        if (!file.Read(buffer, sizeof buffer, &done)) return false;
        if (done == 0) return true;
        bytes->append(buffer, done);
    }
}

std::u16string UnitsOf(const uint8_t* data, size_t size) {
    std::u16string units;
    units.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) {
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return units;
}

void CheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

}  // namespace fuzz
