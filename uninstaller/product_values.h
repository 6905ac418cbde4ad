#pragma once
// The product values the uninstaller reads from the installation's registry entry
// (HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessark") or, when
// that entry belongs to another product, from the product's own record beside the uninstaller
// ("Uninstall.dat"), which holds the same values. Every value has a default that stands in when
// it is missing.

#include <string>
#include <string_view>

#include "package/product_entry.h"

namespace uninstaller {

// The folder name that stands in for a missing "ProductDir" or "MenuGroup". It names a folder
// that belongs to no product, so the removal never runs on it (see removal_plan.h).
inline constexpr char16_t kPlaceholderFolder[] = u"TSK";

struct ProductValues {
    bool entryFound = false;  // the key exists
    // False when the value was missing and the placeholder stands in.
    bool productDirFound = false;
    bool menuGroupFound = false;

    std::u16string tessarkVersion = u"111";
    std::u16string productName = u"_";
    std::u16string productDir = kPlaceholderFolder;
    std::u16string menuGroup = kPlaceholderFolder;
    std::u16string version = u"_";
    std::u16string contactName = u"none";
    std::u16string publisher = u"none";
    std::u16string email = u"none";
    std::u16string productUrl = u"none";
    // Where the installation put it: which product folder the values describe.
    std::u16string uninstallString;
    // The product's own Uninstall shortcut, when the record names it (an older installation's
    // is "Uninstall.lnk" in the group).
    std::u16string uninstallLink;
};

// Where the values come from: the registry on Windows, a table in tests.
class ValueReader {
  public:
    virtual ~ValueReader() = default;
    // True when the product key exists.
    virtual bool KeyExists() = 0;
    // True and `*text` set when the string value exists; `*text` is left alone otherwise.
    virtual bool ReadString(std::u16string_view name, std::u16string* text) = 0;
};

// Reads the values the uninstaller uses ("DisplayName" is not needed). Without the key every
// value keeps its default.
ProductValues ReadProductValues(ValueReader& reader);

}  // namespace uninstaller
