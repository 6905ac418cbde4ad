#include "uninstaller/product_values.h"

namespace uninstaller {

ProductValues ReadProductValues(ValueReader& reader) {
    ProductValues values;
    values.entryFound = reader.KeyExists();
    if (!values.entryFound) return values;

    const struct {
        const char16_t* name;
        std::u16string ProductValues::*field;
    } fields[] = {
        {package::entry::kTessarkVersion, &ProductValues::tessarkVersion},
        {package::entry::kProductName, &ProductValues::productName},
        {package::entry::kVersion, &ProductValues::version},
        {package::entry::kContactName, &ProductValues::contactName},
        {package::entry::kPublisher, &ProductValues::publisher},
        {package::entry::kEmail, &ProductValues::email},
        {package::entry::kProductUrl, &ProductValues::productUrl},
        {package::entry::kUninstallString, &ProductValues::uninstallString},
        {package::entry::kUninstallLink, &ProductValues::uninstallLink},
    };
    for (const auto& field : fields) reader.ReadString(field.name, &(values.*field.field));
    values.productDirFound = reader.ReadString(package::entry::kProductDir, &values.productDir);
    values.menuGroupFound = reader.ReadString(package::entry::kMenuGroup, &values.menuGroup);
    return values;
}

}  // namespace uninstaller
