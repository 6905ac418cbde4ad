#include "uninstaller/own_product.h"

#include "installer/terminal_target.h"
#include "installer/uninstall_values.h"
#include "package/product_record.h"

namespace uninstaller {

namespace {

os::Path FolderOf(const os::Path& file) {
    const size_t cut = file.find_last_of(u"\\/");
    return cut == os::Path::npos ? os::Path() : file.substr(0, cut);
}

// The values of the record file, read like the registry entry's.
class RecordReader : public ValueReader {
  public:
    explicit RecordReader(const package::ProductRecord& record) : record_(record) {}
    bool KeyExists() override { return true; }
    bool ReadString(std::u16string_view name, std::u16string* text) override {
        return record_.Get(name, text);
    }

  private:
    const package::ProductRecord& record_;
};

}  // namespace

OwnProduct FindOwnProduct(const os::Path& ownFolder, ValueReader& sharedEntry) {
    package::ProductRecord record;
    const bool haveRecord = package::ProductRecord::Read(
        installer::JoinPath(ownFolder, package::kProductRecordName), &record);
    OwnProduct own;
    own.values = ReadProductValues(sharedEntry);
    if (own.values.entryFound && !own.values.uninstallString.empty() &&
        installer::SameFolder(FolderOf(own.values.uninstallString), ownFolder)) {
        own.entryIsOwn = true;
        // The entry has no value for the product's own Uninstall shortcut; the record has.
        if (haveRecord) record.Get(installer::kUninstallLinkValue, &own.values.uninstallLink);
        return own;
    }
    if (!haveRecord) return OwnProduct();
    RecordReader reader(record);
    own.values = ReadProductValues(reader);
    return own;
}

os::Path OwnFolder() {
    return FolderOf(os::ModulePath());
}

}  // namespace uninstaller
