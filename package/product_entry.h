#pragma once
// What an installation leaves for the uninstaller of its product, and the names that both sides
// use for it. The installer writes it; the uninstaller reads it; neither spells a name itself.
//
//   HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessark
//       the entry: one for every product, so it holds the last installation's values (all
//       REG_SZ, in this order): DisplayName "Tessark", UninstallString (the uninstaller's full
//       path), TessarkVersion, ProductName, ProductDir (the folder name below Program Files),
//       MenuGroup, Version, ContactName, Publisher, Email, ProductURL; then what the list of
//       installed programs shows besides (installer/uninstall_values.h)
//   <Program Files>\<ProductDir>\Uninstall.exe     the uninstaller
//   <Program Files>\<ProductDir>\Uninstall.dat     the product's own record: the same values
//                                                  and UninstallLink (product_record.h)
//   <Program Files>\<ProductDir>\Install.log       what went where (install_log.h)
//   <all-users Programs>\<MenuGroup>\Uninstall.lnk the uninstaller's shortcut; "Uninstall
//                                                  <product>.lnk" in a group whose
//                                                  "Uninstall.lnk" another product has

#include <string>
#include <vector>

#include "os/os.h"
#include "package/project_strings.h"

namespace package {

constexpr char16_t kUninstallKeyPath[] = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr char16_t kProductEntryName[] = u"Tessark";

constexpr char16_t kUninstallerName[] = u"Uninstall.exe";
constexpr char16_t kUninstallerLinkName[] = u"Uninstall.lnk";
constexpr char16_t kUninstallerDescription[] = u"Uninstaller";

// The names of the entry's values, and of the record's.
namespace entry {
constexpr char16_t kDisplayName[] = u"DisplayName";
constexpr char16_t kUninstallString[] = u"UninstallString";
constexpr char16_t kTessarkVersion[] = u"TessarkVersion";
constexpr char16_t kProductName[] = u"ProductName";
constexpr char16_t kProductDir[] = u"ProductDir";
constexpr char16_t kMenuGroup[] = u"MenuGroup";
constexpr char16_t kVersion[] = u"Version";
constexpr char16_t kContactName[] = u"ContactName";
constexpr char16_t kPublisher[] = u"Publisher";
constexpr char16_t kEmail[] = u"Email";
constexpr char16_t kProductUrl[] = u"ProductURL";
// The record's one value more: the product's own Uninstall shortcut.
constexpr char16_t kUninstallLink[] = u"UninstallLink";
}  // namespace entry

// The entry's key below HKEY_LOCAL_MACHINE.
inline std::u16string ProductEntryKeyPath() {
    return std::u16string(kUninstallKeyPath) + u"\\" + kProductEntryName;
}

struct EntryValue {
    const char16_t* name;
    std::u16string data;
};

// The entry's values in the order they are written, for the uninstaller at `uninstaller`.
std::vector<EntryValue> ProductEntryValues(const os::Path& uninstaller,
                                           const ProjectStrings& strings);

}  // namespace package
