#include "installer/terminal_folders.h"

#include "base/text.h"
#include "package/path_macros.h"
#include "package/self_extractor.h"

namespace installer {

namespace {

enum class Base { Install, Data };

struct FolderRule {
    std::u16string_view packageFolder;   // below "{metatrader}\", as the package names it
    Base base;                           // which of the terminal's folders it lands below
    std::u16string_view terminalFolder;  // below that folder
};

// Current and portable terminals. The first rule whose folder leads the destination wins.
constexpr FolderRule kCurrentRules[] = {
    {u"experts\\indicators", Base::Data, u"MQL4\\Indicators"},
    {u"experts\\scripts", Base::Data, u"MQL4\\Scripts"},
    {u"experts\\libraries", Base::Data, u"MQL4\\Libraries"},
    {u"experts\\include", Base::Data, u"MQL4\\Include"},
    {u"experts\\files", Base::Data, u"MQL4\\Files"},
    {u"experts\\presets", Base::Data, u"MQL4\\Presets"},
    {u"experts\\logs", Base::Data, u"MQL4\\Logs"},
    {u"experts\\images", Base::Data, u"MQL4\\Images"},
    {u"experts\\templates", Base::Data, u"templates"},
    {u"experts\\sounds", Base::Install, u"Sounds"},
    {u"experts", Base::Data, u"MQL4\\Experts"},
    {u"sounds", Base::Install, u"Sounds"},
};

// Classic terminals keep the package's folders, except that sounds go where the terminal
// plays them.
constexpr FolderRule kClassicRules[] = {
    {u"experts\\sounds", Base::Install, u"sounds"},
};

std::vector<std::u16string> Components(std::u16string_view path) {
    std::vector<std::u16string> parts;
    std::u16string part;
    for (const char16_t c : path) {
        if (c == u'\\' || c == u'/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

// True when `prefix`'s components lead `parts`, letter case aside.
bool Leads(const std::vector<std::u16string>& prefix, const std::vector<std::u16string>& parts) {
    if (prefix.size() > parts.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (!text::EqualsNoCase(prefix[i], parts[i])) return false;
    }
    return true;
}

// `parent`'s entry of that name in its own spelling when it exists, else `name`.
std::u16string ExistingSpelling(const os::Path& parent, const std::u16string& name) {
    std::vector<os::FolderEntry> entries;
    if (os::ListFolder(parent, &entries)) {
        for (const auto& entry : entries) {
            if (text::EqualsNoCase(entry.name, name)) return entry.name;
        }
    }
    return name;
}

template <size_t N>
const FolderRule* RuleFor(const FolderRule (&rules)[N], const std::vector<std::u16string>& parts,
                          size_t* ruleLength) {
    for (const FolderRule& rule : rules) {
        const std::vector<std::u16string> prefix = Components(rule.packageFolder);
        if (Leads(prefix, parts)) {
            *ruleLength = prefix.size();
            return &rule;
        }
    }
    return nullptr;
}

}  // namespace

os::Path TerminalFolder(const TerminalTarget& terminal, const std::u16string& destination) {
    const std::u16string_view relative =
        std::u16string_view(destination).substr(std::min(destination.size(),
                                                         package::kMacroMetaTrader.size()));
    const std::vector<std::u16string> parts = Components(relative);
    size_t ruleLength = 0;
    const FolderRule* rule = terminal.layout == TerminalLayout::Classic
                                 ? RuleFor(kClassicRules, parts, &ruleLength)
                                 : RuleFor(kCurrentRules, parts, &ruleLength);
    if (rule == nullptr) {
        // Classic: exactly the package's path; current: the same path below the data folder.
        return CSelfExtractor::EnsureTrailingBackslash(
            package::MetaTraderFolder(terminal.dataFolder, destination));
    }
    os::Path folder = rule->base == Base::Install ? terminal.installFolder : terminal.dataFolder;
    for (const std::u16string& name : Components(rule->terminalFolder)) {
        folder = JoinPath(folder, ExistingSpelling(folder, name));
    }
    for (size_t i = ruleLength; i < parts.size(); ++i) folder = JoinPath(folder, parts[i]);
    return CSelfExtractor::EnsureTrailingBackslash(folder);
}

}  // namespace installer
