// Writes a setup executable from the files named on its command line, up to the 256 records
// the format holds: more than a project can list, so that a test can have the engine pack a
// full table in a process of its own and measure it.
//
//   pack_files SETUP.exe STUB FILE...
#include <cstdio>
#include <string>

#include "base/text.h"
#include "package/self_extractor.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: pack_files SETUP.exe STUB FILE...\n");
        return 2;
    }
    // The stub is small (a stand-in for the installer program); the files are streamed.
    std::string stub;
    if (std::FILE* file = std::fopen(argv[2], "rb")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) stub.append(buffer, n);
        std::fclose(file);
    }
    if (stub.empty()) {
        std::fprintf(stderr, "pack_files: cannot read the stub %s\n", argv[2]);
        return 1;
    }
    CSelfExtractor extractor;
    for (int i = 3; i < argc; ++i) {
        if (!extractor.AddFile(text::FromUtf8(argv[i]), u"{app}\\", u"", u"", u"", u"", u"", u"")) {
            std::fprintf(stderr, "pack_files: cannot add %s\n", argv[i]);
            return 1;
        }
    }
    extractor.SetProjectInfo(u"Large", u"Large", u"Large", u"129", u"1.0.0.0", u"", u"", u"", u"",
                             u"");
    const int32_t result = extractor.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()),
                                                 text::FromUtf8(argv[1]), nullptr, 0);
    if (result != SFX_OK) {
        std::fprintf(stderr, "pack_files: CreateSetup returned %d\n", static_cast<int>(result));
        return 1;
    }
    return 0;
}
