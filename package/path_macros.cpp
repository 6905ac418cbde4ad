#include "package/path_macros.h"

#include "base/text.h"
#include "package/metatrader_placement.h"

namespace package {

namespace {

// In the order in which they are looked for; "{metatrader}" comes after them.
constexpr std::u16string_view kFolderTokens[] = {
    kMacroApp, kMacroDesktop, kMacroMyDocuments, kMacroWindows, kMacroSystem, kMacroBoot,
};

// The folder a token other than "{metatrader}" stands for, without a trailing backslash.
bool TokenFolder(std::u16string_view token, const std::u16string& productDirectory,
                 os::Path* folder) {
    if (token == kMacroApp) return ProductFolder(productDirectory, folder);
    if (token == kMacroDesktop) return os::GetKnownFolder(os::KnownFolder::Desktop, folder);
    if (token == kMacroMyDocuments) return os::GetKnownFolder(os::KnownFolder::Documents, folder);
    if (token == kMacroWindows) return os::GetKnownFolder(os::KnownFolder::Windows, folder);
    if (token == kMacroSystem) return os::GetKnownFolder(os::KnownFolder::System, folder);
    os::Path windows;
    if (!os::GetKnownFolder(os::KnownFolder::SystemWindows, &windows) || windows.size() < 2) {
        return false;
    }
    *folder = windows.substr(0, 2);
    return true;
}

}  // namespace

bool KnownFolderWithSub(os::KnownFolder base, const std::u16string& subfolder, os::Path* path) {
    if (subfolder.empty()) return os::GetKnownFolder(base, path);
    return os::GetKnownSubfolder(base, subfolder, path);
}

bool ProductFolder(const std::u16string& productDirectory, os::Path* path) {
    return KnownFolderWithSub(os::KnownFolder::ProgramFiles, productDirectory, path);
}

Expansion ExpandDestination(const std::u16string& destination,
                            const std::u16string& productDirectory, const os::Path& defaultFolder,
                            bool haveMetaTraderFolders, os::Path* folder) {
    for (const std::u16string_view token : kFolderTokens) {
        if (!text::Contains(destination, token)) continue;
        os::Path base;
        if (!TokenFolder(token, productDirectory, &base)) return Expansion::Failed;
        *folder = base + destination.substr(token.size());
        return Expansion::Folder;
    }
    if (IsMetaTraderDestination(destination)) {
        return haveMetaTraderFolders ? Expansion::MetaTrader : Expansion::Failed;
    }
    if (destination.empty()) {
        *folder = defaultFolder;
        return Expansion::Folder;
    }
    *folder = destination;
    return Expansion::Folder;
}

bool IsMetaTraderDestination(std::u16string_view destination) {
    for (const std::u16string_view token : kFolderTokens) {
        if (text::Contains(destination, token)) return false;
    }
    return text::Contains(destination, kMacroMetaTrader);
}

os::Path MetaTraderFolder(const os::Path& terminalFolder, const std::u16string& destination) {
    if (destination.size() < kMacroMetaTrader.size()) return terminalFolder;
    return terminalFolder + destination.substr(kMacroMetaTrader.size());
}

os::Path FolderListPlacement::Folder(size_t terminal, const std::u16string& destination) const {
    return MetaTraderFolder(folders_[terminal], destination);
}

}  // namespace package
