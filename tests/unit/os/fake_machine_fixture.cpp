#include "tests/unit/os/fake_machine_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

void FakeMachineTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "os-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
    root_ = pattern;
    os::fake::SetRoot(root_);
    os::fake::ClearFaults();
}

void FakeMachineTest::TearDown() {
    os::fake::ClearFaults();
    os::fake::SetRoot("");
    os::fake::SetModulePath(u"");
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void FakeMachineTest::WriteHostFile(const os::Path& path, const std::string& bytes) const {
    std::ofstream out(Host(path), std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << Host(path);
}

std::string FakeMachineTest::ReadHostFile(const os::Path& path) const {
    std::ifstream in(Host(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FakeMachineTest::HostExists(const os::Path& path) const {
    std::error_code ignored;
    return std::filesystem::exists(Host(path), ignored);
}
