#include "uninstaller/win/product_registry.h"

#include "registry/win/nt_registry.h"

namespace uninstaller {

namespace {

class RegistryReader : public ValueReader {
  public:
    explicit RegistryReader(CNtRegistry::Errors errors) : registry_(errors) {
        registry_.SelectRoot(HKEY_LOCAL_MACHINE);
    }

    bool KeyExists() override {
        return registry_.OpenKey(package::ProductEntryKeyPath(), false, true);
    }
    bool ReadString(std::u16string_view name, std::u16string* text) override {
        return registry_.ReadString(std::u16string(name), text);
    }

  private:
    CNtRegistry registry_;
};

}  // namespace

OwnProduct FindOwnProductInRegistry(const os::Path& ownFolder, CNtRegistry::Errors errors) {
    RegistryReader reader(errors);
    return FindOwnProduct(ownFolder, reader);
}

bool DeleteProductKeyFromRegistry(CNtRegistry::Errors errors) {
    CNtRegistry registry(errors);
    registry.SelectRoot(HKEY_LOCAL_MACHINE);
    return registry.DeleteKey(package::ProductEntryKeyPath());
}

}  // namespace uninstaller
