#include "installer/terminal_folders.h"

#include <algorithm>

#include "base/text.h"
#include "package/path_macros.h"
#include "package/self_extractor.h"

namespace installer {

namespace {

enum class Base { Install, Data };

struct FolderRule {
    bool classic;                        // the rule of classic terminals, else of the others
    std::u16string_view packageFolder;   // below "{metatrader}\", as the package names it
    Base base;                           // which of the terminal's folders it lands below
    std::u16string_view terminalFolder;  // below that folder
};

// The first rule of the terminal's kind whose folder leads the destination wins. Classic
// terminals keep the package's folders, except that sounds go where the terminal plays them.
constexpr FolderRule kRules[] = {
    {true, u"experts\\sounds", Base::Install, u"sounds"},
    {false, u"experts\\indicators", Base::Data, u"MQL4\\Indicators"},
    {false, u"experts\\scripts", Base::Data, u"MQL4\\Scripts"},
    {false, u"experts\\libraries", Base::Data, u"MQL4\\Libraries"},
    {false, u"experts\\include", Base::Data, u"MQL4\\Include"},
    {false, u"experts\\files", Base::Data, u"MQL4\\Files"},
    {false, u"experts\\presets", Base::Data, u"MQL4\\Presets"},
    {false, u"experts\\logs", Base::Data, u"MQL4\\Logs"},
    {false, u"experts\\images", Base::Data, u"MQL4\\Images"},
    {false, u"experts\\templates", Base::Data, u"templates"},
    {false, u"experts\\sounds", Base::Install, u"Sounds"},
    {false, u"experts", Base::Data, u"MQL4\\Experts"},
    {false, u"sounds", Base::Install, u"Sounds"},
};

// Takes the next folder name off the front of `path`, separators skipped; empty at the end.
std::u16string_view NextName(std::u16string_view* path) {
    const size_t start = path->find_first_not_of(u"\\/");
    if (start == std::u16string_view::npos) {
        *path = {};
        return {};
    }
    const size_t end = std::min(path->find_first_of(u"\\/", start), path->size());
    const std::u16string_view name = path->substr(start, end - start);
    path->remove_prefix(end);
    return name;
}

// True when the names of `folders` lead those of `path`, letter case aside; `*rest` is then
// what follows them.
bool Leads(std::u16string_view folders, std::u16string_view path, std::u16string_view* rest) {
    for (;;) {
        const std::u16string_view wanted = NextName(&folders);
        if (wanted.empty()) break;
        if (!text::EqualsNoCase(wanted, NextName(&path))) return false;
    }
    *rest = path;
    return true;
}

// `parent` + "\" + `name`, in the spelling of `parent`'s entry of that name when it exists.
os::Path JoinExisting(const os::Path& parent, std::u16string_view name) {
    std::vector<os::FolderEntry> entries;
    if (os::ListFolder(parent, &entries)) {
        for (const auto& entry : entries) {
            if (text::EqualsNoCase(entry.name, name)) return os::JoinPath(parent, entry.name);
        }
    }
    return os::JoinPath(parent, std::u16string(name));
}

}  // namespace

os::Path TerminalFolder(const TerminalTarget& terminal, const std::u16string& destination) {
    const std::u16string_view relative =
        std::u16string_view(destination)
            .substr(std::min(destination.size(), package::kMacroMetaTrader.size()));
    const bool classic = terminal.layout == TerminalLayout::Classic;
    for (const FolderRule& rule : kRules) {
        std::u16string_view rest;
        if (rule.classic != classic || !Leads(rule.packageFolder, relative, &rest)) continue;
        os::Path folder = rule.base == Base::Install ? terminal.installFolder : terminal.dataFolder;
        std::u16string_view names = rule.terminalFolder;
        for (std::u16string_view name = NextName(&names); !name.empty(); name = NextName(&names)) {
            folder = JoinExisting(folder, name);
        }
        for (std::u16string_view name = NextName(&rest); !name.empty(); name = NextName(&rest)) {
            folder = os::JoinPath(folder, std::u16string(name));
        }
        return CSelfExtractor::EnsureTrailingBackslash(folder);
    }
    // Classic: exactly the package's path; current: the same path below the data folder.
    return CSelfExtractor::EnsureTrailingBackslash(
        package::MetaTraderFolder(terminal.dataFolder, destination));
}

}  // namespace installer
