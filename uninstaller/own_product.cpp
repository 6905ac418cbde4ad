#include "uninstaller/own_product.h"

#include "os/path_text.h"
#include "package/product_entry.h"
#include "package/product_record.h"

namespace uninstaller {

namespace {

// The folder part of a path, without the separator that ends it.
std::u16string_view FolderOf(std::u16string_view file) {
    const size_t cut = file.find_last_of(u"\\/");
    return cut == std::u16string_view::npos ? std::u16string_view() : file.substr(0, cut);
}

// The values of the record file, read like the registry entry's; a record that could not be
// read is like a missing entry.
class RecordReader : public ValueReader {
  public:
    RecordReader(const package::ProductRecord& record, bool found)
        : record_(record), found_(found) {}
    bool KeyExists() override { return found_; }
    bool ReadString(std::u16string_view name, std::u16string* text) override {
        return record_.Get(name, text);
    }

  private:
    const package::ProductRecord& record_;
    bool found_;
};

}  // namespace

OwnProduct FindOwnProduct(const os::Path& ownFolder, ValueReader& sharedEntry) {
    package::ProductRecord record;
    const bool haveRecord =
        package::ProductRecord::Read(ownFolder + u"\\" + package::kProductRecordName, &record);
    OwnProduct own;
    own.values = ReadProductValues(sharedEntry);
    own.entryIsOwn = own.values.entryFound && !own.values.uninstallString.empty() &&
                     os::SameFolder(os::Path(FolderOf(own.values.uninstallString)), ownFolder);
    if (own.entryIsOwn) {
        // The entry has no value for the product's own Uninstall shortcut; the record has.
        record.Get(package::entry::kUninstallLink, &own.values.uninstallLink);
    } else {
        RecordReader reader(record, haveRecord);
        own.values = ReadProductValues(reader);
    }
    return own;
}

os::Path OwnFolder() {
    return os::Path(FolderOf(os::ModulePath()));
}

}  // namespace uninstaller
