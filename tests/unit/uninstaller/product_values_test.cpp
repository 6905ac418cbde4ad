// Reading the registry entry's values with their defaults.
#include "uninstaller/product_values.h"

#include <gtest/gtest.h>

#include <map>

#include "base/text.h"
#include "package/product_entry.h"
#include "package/product_record.h"

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

namespace {

// What the installation records, through the entry and through the record file, is what the
// uninstaller reads back, value for value.
TEST(ProductEntry, WhatTheInstallationRecordsIsWhatTheUninstallerReads) {
    ProjectStrings strings;
    strings.productName = u"Candle Scout";
    strings.productDirectory = u"Candle Scout";
    strings.startMenuGroup = u"Scout Tools";
    strings.builderVersion = u"129";
    strings.versionText = u"1.2.0.7";
    strings.publisher = u"Scout Labs";
    strings.productUrl = u"https://scout.example.com/";
    strings.contactName = u"Jane Doe";
    strings.contactEmail = u"jane@scout.example.com";
    const os::Path program = u"C:\\Program Files (x86)\\Candle Scout\\Uninstall.exe";

    TableReader entry;
    package::ProductRecord record;
    for (const package::EntryValue& value : package::ProductEntryValues(program, strings)) {
        entry.values[value.name] = value.data;
        record.Set(value.name, value.data);
    }
    EXPECT_EQ(entry.values.size(), 11u) << "eleven values, each its own name";
    package::ProductRecord read;
    ASSERT_TRUE(
        package::ProductRecord::FromBytes(record.Bytes().data(), record.Bytes().size(), &read));
    TableReader fromRecord;
    for (const auto& [name, data] : entry.values) {
        ASSERT_TRUE(read.Get(name, &fromRecord.values[name])) << text::ToUtf8(name);
    }
    for (TableReader* reader : {&entry, &fromRecord}) {
        const ProductValues values = ReadProductValues(*reader);
        EXPECT_TRUE(values.entryFound && values.productDirFound && values.menuGroupFound);
        EXPECT_EQ(values.tessarkVersion, strings.builderVersion);
        EXPECT_EQ(values.productName, strings.productName);
        EXPECT_EQ(values.productDir, strings.productDirectory);
        EXPECT_EQ(values.menuGroup, strings.startMenuGroup);
        EXPECT_EQ(values.version, strings.versionText);
        EXPECT_EQ(values.contactName, strings.contactName);
        EXPECT_EQ(values.publisher, strings.publisher);
        EXPECT_EQ(values.email, strings.contactEmail);
        EXPECT_EQ(values.productUrl, strings.productUrl);
        EXPECT_EQ(values.uninstallString, program);
    }
}

}  // namespace
