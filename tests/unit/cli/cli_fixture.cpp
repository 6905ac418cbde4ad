#include "tests/unit/cli/cli_fixture.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/text.h"
#include "builder/project/project_file.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

[[noreturn]] void Exec(const std::vector<std::string>& args, const std::string& cwd,
                       const std::string& tmpdir) {
    if (chdir(cwd.c_str()) != 0) _exit(126);
    setenv("TMPDIR", tmpdir.c_str(), 1);
    std::vector<char*> argv;
    static std::string program = TESSARK_PATH;
    argv.push_back(&program[0]);
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

int ExitStatus(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace

void CliTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "cli-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
    dir_ = pattern;
    fs::create_directory(dir_ + "/.tmp");
}

void CliTest::TearDown() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

CommandOutcome CliTest::Run(const std::vector<std::string>& args, const std::string& cwd,
                            bool terminal) const {
    const std::string folder = cwd.empty() ? dir_ : Path(cwd);
    const std::string tmpdir = dir_ + "/.tmp";
    const std::string outPath = dir_ + "/.stdout";
    const std::string errPath = dir_ + "/.stderr";
    CommandOutcome outcome;
    if (terminal) {
        int master = -1;
        const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
        if (child < 0) {
            outcome.status = kNoTerminal;
            return outcome;
        }
        if (child == 0) Exec(args, folder, tmpdir);
        char buffer[4096];
        for (;;) {
            const ssize_t n = read(master, buffer, sizeof(buffer));
            if (n <= 0) break;  // EIO once the child has closed the terminal
            outcome.out.append(buffer, static_cast<size_t>(n));
        }
        close(master);
        outcome.status = ExitStatus(child);
        return outcome;
    }
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
        Exec(args, folder, tmpdir);
    }
    if (child < 0) return outcome;
    outcome.status = ExitStatus(child);
    outcome.out = Slurp(outPath);
    outcome.err = Slurp(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return outcome;
}

CommandOutcome CliTest::RunOk(const std::vector<std::string>& args, const std::string& cwd) const {
    CommandOutcome outcome = Run(args, cwd);
    std::string command;
    for (const std::string& arg : args) command += " " + arg;
    EXPECT_EQ(outcome.status, 0) << "tessark" << command << "\n" << outcome.out << outcome.err;
    return outcome;
}

void CliTest::Write(const std::string& relative, const std::string& bytes) const {
    fs::create_directories(fs::path(Path(relative)).parent_path());
    std::ofstream out(Path(relative), std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << relative;
}

std::string CliTest::Read(const std::string& relative) const {
    return Slurp(Path(relative));
}

bool CliTest::Exists(const std::string& relative) const {
    std::error_code ignored;
    return fs::exists(Path(relative), ignored);
}

std::vector<std::string> CliTest::TemporaryLeftovers() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir_ + "/.tmp")) {
        names.push_back(entry.path().string());
    }
    return names;
}

project::ProjectModel CliTest::LoadProject(const std::string& relative) const {
    project::ProjectModel model;
    EXPECT_EQ(project::LoadProjectFile(text::FromUtf8(Path(relative)), &model),
              project::ProjectFileResult::Ok)
        << relative;
    return model;
}

void CliTest::MakeSampleProject() const {
    Write("stub.exe", std::string("MZ stand-in installer\0\0", 23));
    Write("src/Cross.ex4", "expert advisor");
    Write("src/Bands.ex4", "indicator");
    Write("src/Close.ex4", "script");
    Write("src/alert.wav", "RIFF sound");
    Write("src/math.dll", "MZ library");
    Write("src/Manual.txt", std::string(50000, 'm'));
    Write("art/setup.ico", "icon placeholder");
    Write("art/banner.jpg", "\xFF\xD8 banner placeholder \xFF\xD9");
    Write("src/license.rtf", "{\\rtf1\\ansi License for everyone.\\par}");
    RunOk({"new", "p.eas"});
    RunOk({"set", "p.eas", "productName", "Moving Cross"});
    RunOk({"set", "p.eas", "version", "2.1.0.15"});
    RunOk({"set", "p.eas", "publisher", "Tessark Samples"});
    RunOk({"set", "p.eas", "allowDllImports", "0"});
    RunOk({"set", "p.eas", "licenseRtf", "src/license.rtf"});
    RunOk({"set", "p.eas", "iconPath", "art/setup.ico"});
    RunOk({"set", "p.eas", "bannerPath", "art/banner.jpg"});
    RunOk({"set", "p.eas", "targetFile", "out/Setup.exe"});
    RunOk({"add", "p.eas", "experts", "src/Cross.ex4"});
    RunOk({"add", "p.eas", "indicators", "src/Bands.ex4"});
    RunOk({"add", "p.eas", "scripts", "src/Close.ex4"});
    RunOk({"add", "p.eas", "sounds", "src/alert.wav"});
    RunOk({"add", "p.eas", "dlls", "src/math.dll"});
    RunOk({"add", "p.eas", "other", "src/Manual.txt"});
    RunOk({"entry", "p.eas", "src/Manual.txt", "--shortcut", "Cross Manual", "--parameters",
           "/view", "--post-execute", "yes"});
    fs::create_directories(Path("out"));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    size_t i = row.find_first_not_of(' ');
    while (i != std::string::npos && i < row.size()) {
        size_t end = row.find("  ", i);
        if (end == std::string::npos) end = row.size();
        cells.push_back(row.substr(i, end - i));
        i = row.find_first_not_of(' ', end);
    }
    return cells;
}
