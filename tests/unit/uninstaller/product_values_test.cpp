// Reading the registry entry's values with their defaults.
#include "uninstaller/product_values.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using uninstaller::ProductValues;
using uninstaller::ReadProductValues;

class TableReader : public uninstaller::ValueReader {
  public:
    bool keyExists = true;
    std::map<std::u16string, std::u16string> values;

    bool KeyExists() override { return keyExists; }
    bool ReadString(std::u16string_view name, std::u16string* text) override {
        auto found = values.find(std::u16string(name));
        if (!keyExists || found == values.end()) return false;
        *text = found->second;
        return true;
    }
};

void ExpectDefaults(const ProductValues& values) {
    EXPECT_EQ(values.tessarkVersion, u"111");
    EXPECT_EQ(values.productName, u"_");
    EXPECT_EQ(values.version, u"_");
    EXPECT_EQ(values.productDir, uninstaller::kPlaceholderFolder);
    EXPECT_EQ(values.menuGroup, uninstaller::kPlaceholderFolder);
    EXPECT_EQ(values.contactName, u"none");
    EXPECT_EQ(values.publisher, u"none");
    EXPECT_EQ(values.email, u"none");
    EXPECT_EQ(values.productUrl, u"none");
    EXPECT_FALSE(values.productDirFound);
    EXPECT_FALSE(values.menuGroupFound);
}

TEST(ProductValues, MissingKeyOrValuesGiveTheDefaults) {
    TableReader reader;
    reader.keyExists = false;
    reader.values[u"ProductName"] = u"Ignored";
    ProductValues values = ReadProductValues(reader);
    EXPECT_FALSE(values.entryFound);
    ExpectDefaults(values);

    reader.keyExists = true;
    reader.values.clear();
    values = ReadProductValues(reader);
    EXPECT_TRUE(values.entryFound);
    ExpectDefaults(values);
}

TEST(ProductValues, StoredValuesReplaceTheDefaultsOneByOne) {
    TableReader reader;
    reader.values = {{u"TessarkVersion", u"129"}, {u"ProductName", u"Acme Robot"},
                     {u"ProductDir", u"Acme"},    {u"MenuGroup", u"Acme Group"},
                     {u"Version", u"1.0.0.1"},    {u"Publisher", u""},
                     {u"DisplayName", u"Tessark"}};
    const ProductValues values = ReadProductValues(reader);
    EXPECT_EQ(values.tessarkVersion, u"129");
    EXPECT_EQ(values.productName, u"Acme Robot");
    EXPECT_EQ(values.productDir, u"Acme");
    EXPECT_EQ(values.menuGroup, u"Acme Group");
    EXPECT_TRUE(values.productDirFound);
    EXPECT_TRUE(values.menuGroupFound);
    EXPECT_EQ(values.version, u"1.0.0.1");
    EXPECT_EQ(values.publisher, u"") << "an empty stored value is a value, not a default";
    EXPECT_EQ(values.contactName, u"none");
    EXPECT_EQ(values.email, u"none");
    EXPECT_EQ(values.productUrl, u"none");
}

}  // namespace
