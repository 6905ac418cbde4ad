// The package format's limits at their edges: a full table of 256 records, and the signed
// 32-bit offsets that keep a setup below 2^31 bytes (checked with sparse files, so nothing
// near 2 GiB is ever written).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/text.h"
#include "package/install_log.h"
#include "tests/unit/package/package_fixture.h"
#include "uninstaller/removal.h"
#include "uninstaller/removal_plan.h"

namespace {

const os::Path kSetup = u"C:\\out\\setup.exe";
const os::Path kProduct = u"C:\\Program Files (x86)\\Full";

class NullReport : public uninstaller::RemovalReport {
  public:
    void AddLine(const std::u16string&) override {}
    void FileDone() override {}
    bool DeleteProductKey() override { return true; }
};

class FormatLimitsTest : public PackageTest {
  protected:
    // A file of `size` bytes that takes no room on the disk.
    os::Path SparseFile(const std::u16string& name, uint64_t size) {
        const os::Path path = sourceFolder_ + name;
        MakeFile(path, "");
        std::filesystem::resize_file(Host(path), size);
        return path;
    }
};

TEST_F(FormatLimitsTest, AFullTableOf256RecordsInThreeTerminalsIsListedAndRemovedWhole) {
    CSelfExtractor writer;
    for (int i = 0; i < package::kMaxFiles; ++i) {
        const std::u16string name = u"file" + text::FromInt(i) + u".ex4";
        AddFile(writer, name, text::ToUtf8(name), u"{metatrader}\\experts\\");
    }
    writer.SetProjectInfo(u"Full", u"Full", u"Full", u"129", u"1.0.0.0", u"", u"", u"", u"", u"");
    EXPECT_FALSE(writer.AddFile(sourceFolder_ + u"file0.ex4", u"", u"", u"", u"", u"", u"", u""));
    CreateSetup(writer, kSetup);

    CSelfExtractor installer;
    ASSERT_EQ(installer.ReadTrailer(kSetup), SFX_OK);
    ASSERT_EQ(installer.GetFileCount(), 256);
    EXPECT_EQ(installer.GetFileRecord(255)->name, u"file255.ex4");
    EXPECT_EQ(installer.GetFileRecord(256), nullptr);

    installer.SetModulePath(kSetup);
    const std::vector<os::Path> terminals = {u"C:\\MT4 A", u"D:\\MT4 B", u"E:\\MT4 C"};
    ASSERT_EQ(installer.ExtractAll(u"C:\\users\\tester\\Temp", nullptr, 0, &terminals), SFX_OK);
    for (int i = 0; i < 256; i += 51) {
        EXPECT_EQ(Read(u"D:\\MT4 B\\experts\\file" + text::FromInt(i) + u".ex4"),
                  "file" + std::to_string(i) + ".ex4");
    }
    // Every copy is listed, and the uninstaller takes every one of them.
    uninstaller::OwnProduct product;
    product.values.entryFound = product.values.productDirFound = true;
    product.values.menuGroupFound = product.entryIsOwn = true;
    product.values.productDir = product.values.menuGroup = u"Full";
    const uninstaller::RemovalPlan plan = uninstaller::MakeRemovalPlan(product, kProduct);
    ASSERT_EQ(plan.files.size(), 3u * 256u);
    EXPECT_EQ(plan.files.front(), u"C:\\MT4 A\\experts\\file255.ex4");
    EXPECT_EQ(plan.files.back(), u"E:\\MT4 C\\experts\\file0.ex4");
    NullReport report;
    ASSERT_TRUE(uninstaller::RunRemoval(plan, report));
    // The installation made the three folders; the removal leaves nothing of them.
    for (const os::Path& terminal : terminals) {
        EXPECT_EQ(os::GetPathKind(terminal), os::PathKind::Missing) << Host(terminal);
    }
}

TEST_F(FormatLimitsTest, AFileIsAddedUpToTheLargestSignedSize) {
    CSelfExtractor extractor;
    const os::Path largest = SparseFile(u"largest.bin", INT32_MAX);
    ASSERT_TRUE(extractor.AddFile(largest, u"", u"", u"", u"", u"", u"", u""));
    EXPECT_EQ(extractor.GetFileRecord(0)->uncompressedSize, INT32_MAX);
    const os::Path tooLarge = SparseFile(u"too large.bin", 1ull + INT32_MAX);
    EXPECT_FALSE(extractor.AddFile(tooLarge, u"", u"", u"", u"", u"", u"", u""));
    EXPECT_EQ(extractor.GetFileCount(), 1);
}

// The writer itself refuses to pass 2^31 - 1 bytes, whatever checks came before it: here the
// package starts where a setup would have almost no room left.
TEST_F(FormatLimitsTest, APackageThatWouldEndBeyondTheSignedLimitIsNotWritten) {
    CSelfExtractor extractor;
    AddFile(extractor, u"small.txt", "a small file");
    const auto packFrom = [&](int64_t start) {
        os::File output;
        EXPECT_TRUE(output.Create(kSetup));
        EXPECT_TRUE(output.Seek(start, os::SeekOrigin::Begin));
        return extractor.WritePackage(output, nullptr, 0);
    };
    // The stream fits, the trailer does not.
    EXPECT_EQ(packFrom(INT32_MAX - 40), SFX_ERR_WRITE);
    // Not even the stream's offset fits.
    EXPECT_EQ(packFrom(1ll + INT32_MAX), SFX_ERR_WRITE);

    // Ending just below the limit is a package like any other.
    ASSERT_EQ(packFrom(INT32_MAX - 400), SFX_PACKAGE_WRITTEN);
    EXPECT_LE(std::filesystem::file_size(Host(kSetup)), static_cast<uintmax_t>(INT32_MAX));
    CSelfExtractor reader;
    reader.SetModulePath(kSetup);
    ASSERT_EQ(reader.ReadTrailer(kSetup), SFX_OK);
    EXPECT_EQ(reader.GetFileRecord(0)->offset, INT32_MAX - 400);
    ASSERT_EQ(reader.ExtractByIndex(0, u"C:\\dest"), SFX_OK);
    EXPECT_EQ(Read(u"C:\\dest\\small.txt"), "a small file");
}

}  // namespace
