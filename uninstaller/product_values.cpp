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
        {u"TessarkVersion", &ProductValues::tessarkVersion},
        {u"ProductName", &ProductValues::productName},
        {u"Version", &ProductValues::version},
        {u"ContactName", &ProductValues::contactName},
        {u"Publisher", &ProductValues::publisher},
        {u"Email", &ProductValues::email},
        {u"ProductURL", &ProductValues::productUrl},
        {u"UninstallString", &ProductValues::uninstallString},
        {installer::kUninstallLinkValue, &ProductValues::uninstallLink},
    };
    for (const auto& field : fields) reader.ReadString(field.name, &(values.*field.field));
    values.productDirFound = reader.ReadString(u"ProductDir", &values.productDir);
    values.menuGroupFound = reader.ReadString(u"MenuGroup", &values.menuGroup);
    return values;
}

}  // namespace uninstaller
