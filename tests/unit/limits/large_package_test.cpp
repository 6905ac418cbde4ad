// A package of 256 records, one of them a file above 1 GiB (sparse, made here), built and
// extracted by real programs in processes of their own, whose peak resident memory must stay
// under a fixed bound: every file is streamed through fixed buffers, so memory never depends
// on a file's size.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Peak resident memory any of the programs may reach.
constexpr long kMemoryBoundKiB = 16 * 1024;
constexpr uint64_t kLargeSize = 1100ull * 1024 * 1024 + 12345;
constexpr int kSmallFiles = 255;
// Blocks of the large file that hold bytes of their own; the rest is a hole of zeros.
constexpr uint64_t kMarkedBlocks[] = {0, 600ull * 1024 * 1024, kLargeSize - 4096};

struct Outcome {
    int status = -1;     // the exit status, -1 when the program did not exit normally
    long peakKiB = 0;    // peak resident memory of the program
    std::string errors;  // what it wrote on standard error
};

// Runs a program with standard output discarded, and measures it when it has ended.
Outcome RunMeasured(const std::vector<std::string>& args, const fs::path& errorFile) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    Outcome outcome;
    const pid_t pid = fork();
    if (pid < 0) return outcome;
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        const int errors = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (devNull < 0 || errors < 0) _exit(126);
        dup2(devNull, STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    if (wait4(pid, &status, 0, &usage) != pid) return outcome;
    if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    outcome.peakKiB = usage.ru_maxrss;
    std::ifstream in(errorFile);
    outcome.errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return outcome;
}

std::string Marker(uint64_t block) {
    std::string bytes(4096, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((block / 4096 + i * 31) % 251 + 1);
    }
    return bytes;
}

std::string BytesAt(const fs::path& file, uint64_t offset, size_t size) {
    std::string bytes(size, '\0');
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(&bytes[0], static_cast<std::streamsize>(size));
    return in ? bytes : std::string();
}

class LargePackageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "large-package-XXXXXX").string();
        ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
        dir_ = pattern;
        fs::create_directories(dir_ / "src");
        {
            std::ofstream stub(dir_ / "stub.exe", std::ios::binary);
            stub << "MZ stand-in installer";
        }
        large_ = dir_ / "src" / "large.bin";
        {
            std::ofstream out(large_, std::ios::binary);
            out << "";
        }
        fs::resize_file(large_, kLargeSize);
        {
            std::fstream out(large_, std::ios::binary | std::ios::in | std::ios::out);
            for (const uint64_t block : kMarkedBlocks) {
                out.seekp(static_cast<std::streamoff>(block));
                out << Marker(block);
            }
            ASSERT_TRUE(out.good());
        }
        for (int i = 0; i < kSmallFiles; ++i) {
            const fs::path path = dir_ / "src" / ("small" + std::to_string(i) + ".txt");
            std::ofstream out(path, std::ios::binary);
            for (int line = 0; line <= i % 17; ++line) out << "file " << i << " line " << line;
            small_.push_back(path);
        }
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    Outcome Run(const std::vector<std::string>& args) {
        const Outcome outcome = RunMeasured(args, dir_ / "errors.txt");
        std::cout << "[ MEMORY   ] " << fs::path(args[0]).filename().string() << " "
                  << (args.size() > 1 ? args[1] : "") << ": " << outcome.peakKiB << " KiB\n";
        return outcome;
    }

    fs::path dir_;
    fs::path large_;
    std::vector<fs::path> small_;
};

TEST_F(LargePackageTest, AFullTableWithAFileAboveOneGibibyteIsBuiltAndExtractedInFlatMemory) {
    const std::string setup = (dir_ / "setup.exe").string();
    std::vector<std::string> pack = {PACK_FILES_PATH, setup, (dir_ / "stub.exe").string(),
                                     large_.string()};
    for (const fs::path& path : small_) pack.push_back(path.string());
    ASSERT_EQ(pack.size() - 3, 256u);
    const Outcome packed = Run(pack);
    ASSERT_EQ(packed.status, 0) << packed.errors;
    EXPECT_LT(packed.peakKiB, kMemoryBoundKiB);
    EXPECT_LT(fs::file_size(setup), kLargeSize / 100);

    const fs::path out = dir_ / "out";
    const Outcome extracted = Run({TESSARK_PATH, "extract", setup, out.string()});
    ASSERT_EQ(extracted.status, 0) << extracted.errors;
    EXPECT_LT(extracted.peakKiB, kMemoryBoundKiB);

    ASSERT_EQ(fs::file_size(out / "large.bin"), kLargeSize);
    for (const uint64_t block : kMarkedBlocks) {
        EXPECT_EQ(BytesAt(out / "large.bin", block, 4096), Marker(block)) << block;
    }
    EXPECT_EQ(BytesAt(out / "large.bin", 4096, 4096), std::string(4096, '\0'));
    fs::remove(out / "large.bin");
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), kSmallFiles);
    for (const fs::path& path : small_) {
        std::ifstream original(path, std::ios::binary);
        std::ifstream copy(out / path.filename(), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(original), {}),
                  std::string(std::istreambuf_iterator<char>(copy), {}))
            << path;
    }
}

TEST_F(LargePackageTest, TheBuildCommandPacksAndVerifiesAFileAboveOneGibibyteInFlatMemory) {
    const std::string project = (dir_ / "large.eas").string();
    ASSERT_EQ(RunMeasured({TESSARK_PATH, "new", project}, dir_ / "errors.txt").status, 0);
    std::vector<std::string> add = {TESSARK_PATH, "add", project, "experts"};
    for (int i = 0; i < 10; ++i) add.push_back(small_[i].string());
    ASSERT_EQ(RunMeasured(add, dir_ / "errors.txt").status, 0);
    ASSERT_EQ(
        RunMeasured({TESSARK_PATH, "add", project, "other", large_.string()}, dir_ / "errors.txt")
            .status,
        0);

    const std::string setup = (dir_ / "built.exe").string();
    const Outcome built =
        Run({TESSARK_PATH, "build", project, "-o", setup, "--stub", (dir_ / "stub.exe").string()});
    ASSERT_EQ(built.status, 0) << built.errors;
    EXPECT_LT(built.peakKiB, kMemoryBoundKiB);

    const Outcome verified = Run({TESSARK_PATH, "verify", setup});
    EXPECT_EQ(verified.status, 0) << verified.errors;
    EXPECT_LT(verified.peakKiB, kMemoryBoundKiB);
}

}  // namespace
