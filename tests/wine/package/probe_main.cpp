// A console program that carries a package appended to its own file and installs it, so that
// the engine runs against real Windows folders, real shell links and the real file API.
//
//   package_probe all <default folder> [MetaTrader folder...]   ExtractAll
//   package_probe one <index> <folder>                           ExtractByIndex
//   package_probe create <resource id> <target> [source...]      CreateSetup from a resource
//
// Prints one line per completed file ("done <name>") and a last line "result <code>"; the exit
// code is 0 for SFX_OK and 1 otherwise.
#include <cstdio>
#include <cwchar>
#include <vector>

#include "base/text.h"
#include "package/self_extractor.h"

namespace {

void PrintEvent(int32_t event, const void* data, intptr_t) {
    if (event != SFX_FILE_DONE) return;
    const auto* record = static_cast<const FileRecord*>(data);
    std::printf("done %s\n", text::ToUtf8(record->name).c_str());
}

std::u16string Arg(const wchar_t* arg) {
    return std::u16string(reinterpret_cast<const char16_t*>(arg));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    CSelfExtractor extractor;
    int32_t result = SFX_ERR_READ;
    if (argc >= 3 && std::wcscmp(argv[1], L"all") == 0) {
        std::vector<os::Path> metatrader;
        for (int i = 3; i < argc; ++i) metatrader.push_back(Arg(argv[i]));
        result = extractor.ExtractAll(Arg(argv[2]), PrintEvent, 0, &metatrader);
    } else if (argc == 4 && std::wcscmp(argv[1], L"one") == 0) {
        result = extractor.ExtractByIndex(static_cast<int32_t>(std::wcstol(argv[2], nullptr, 10)),
                                          Arg(argv[3]));
    } else if (argc >= 4 && std::wcscmp(argv[1], L"create") == 0) {
        for (int i = 4; i < argc; ++i) {
            extractor.AddFile(Arg(argv[i]), u"", u"", u"", u"", u"", u"", u"");
        }
        result = extractor.CreateSetup(static_cast<int32_t>(std::wcstol(argv[2], nullptr, 10)),
                                       Arg(argv[3]), nullptr, 0);
    } else {
        std::fprintf(stderr,
                     "usage: package_probe all <folder> [metatrader...] | one <i> <folder>"
                     " | create <id> <target> [source...]\n");
        return 2;
    }
    std::printf("result %d\n", static_cast<int>(result));
    std::fflush(stdout);
    return result == SFX_OK ? 0 : 1;
}
