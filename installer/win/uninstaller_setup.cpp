#include "installer/win/uninstaller_setup.h"

#include <vector>

#include "installer/uninstall_values.h"
#include "installer/win/resource_branding.h"
#include "installer/win/resource_ids.h"
#include "os/whole_file.h"
#include "os/win/resource_bytes.h"
#include "package/memory_inflate.h"
#include "translations/active_texts.h"

namespace installer {

namespace {

// The banner picture travels whole; anything this big is not one.
constexpr size_t kMaxBannerBytes = 16 * 1024 * 1024;

// Collects what the inflater writes.
class MemorySink final : public package::ByteSink {
  public:
    bool Write(const void* data, uint32_t size) override {
        const auto* from = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), from, from + size);
        return true;
    }
    std::vector<uint8_t> bytes;
};

// Copies the installer's lowest-numbered resource of `type` into the uninstaller as `id`,
// when the uninstaller has a resource of that kind to be replaced.
void CopyLowestResource(const os::Path& program, const wchar_t* type, WORD id) {
    WORD ownId = 0;
    const os::ResourceBytes own = LowestOwnResource(type, &ownId);
    if (!own.data || !HasResourceOfType(program, type)) return;
    ReplaceResource(program, type, id, own.data, own.size);
}

}  // namespace

void WindowsUninstallerSetup::WriteProgram(const os::Path& program) {
    const os::ResourceBytes carried = os::FindResourceBytes(
        nullptr, MAKEINTRESOURCEW(RT_UNINSTALLER), MAKEINTRESOURCEW(IDR_UNINSTALLER));
    if (carried.size == 0) return;

    // The resource is the program as one zlib stream. It is written beside the target and
    // moved over it, so an earlier uninstaller is replaced whole or not at all.
    MemorySink sink;
    if (package::InflateWhole(carried.data, carried.size, sink)) {
        os::WriteWholeFile(program, sink.bytes.data(), static_cast<uint32_t>(sink.bytes.size()));
    }
}

void WindowsUninstallerSetup::Brand(const os::Path& program, const os::Path& bannerFile) {
    CopyLowestResource(program, RT_ICON, 1);
    CopyLowestResource(program, RT_BITMAP, IDB_BANNER);
    std::vector<uint8_t> banner;
    if (!bannerFile.empty() && os::ReadWholeFile(bannerFile, kMaxBannerBytes, &banner) &&
        !banner.empty()) {
        ReplaceResource(program, MAKEINTRESOURCEW(235), 135, banner.data(),
                        static_cast<DWORD>(banner.size()));
    }
    // The uninstaller speaks the language the setup spoke.
    size_t units = 0;
    const char16_t* texts = translations::TextBlock(&units);
    ReplaceResource(program, MAKEINTRESOURCEW(translations::kUninstallerTextsType),
                    translations::kUninstallerTextsId, texts,
                    static_cast<DWORD>(units * sizeof(char16_t)));
}

void WindowsUninstallerSetup::Register(const os::Path& program, const ProjectStrings& strings,
                                       uint32_t installedKilobytes) {
    registry_.ClearKeys();
    registry_.SelectRoot(HKEY_LOCAL_MACHINE);
    registry_.OpenKey(package::kUninstallKeyPath, true, true);
    if (!registry_.OpenKey(package::ProductEntryKeyPath(), true, true)) return;
    for (const package::EntryValue& value : package::ProductEntryValues(program, strings)) {
        registry_.WriteString(value.name, value.data);
    }
    const ProgramListValues listed =
        ProgramListEntry(program, ProductFolderOf(strings), strings, installedKilobytes);
    for (const UninstallValue& value : listed.strings)
        registry_.WriteString(value.name, value.data);
    for (const UninstallDword& value : listed.dwords) registry_.WriteDword(value.name, value.data);
}

}  // namespace installer
