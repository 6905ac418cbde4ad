#include "wine_install.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "file_compare.h"

namespace bench {

namespace fs = std::filesystem;

WineSession::WineSession(std::string script, std::string folder)
    : script_(std::move(script)), folder_(std::move(folder)) {}

WineSession::~WineSession() {
    if (started_) RunProgram({script_, "stop", folder_ + "/wine-session"});
}

std::string WineSession::Start() {
    RunOptions options;
    options.outputFile = folder_ + "/wine-session.log";
    const RunResult run =
        RunProgram({script_, "start", folder_ + "/wine-session", folder_ + "/wineprefix"}, options);
    started_ = run.started;
    if (!run.Succeeded()) return "the Wine session did not start: " + run.output;
    std::ifstream env(folder_ + "/wine-session/session.env");
    std::string line;
    while (std::getline(env, line)) {
        if (line.rfind("DISPLAY=", 0) == 0 || line.rfind("WINEPREFIX=", 0) == 0) {
            variables_.push_back(line);
        }
        if (line.rfind("WINEPREFIX=", 0) == 0) prefix_ = line.substr(11);
    }
    variables_.push_back("WINEDEBUG=-all");
    if (prefix_.empty()) return "the Wine session wrote no prefix";
    return {};
}

std::string WineSession::HostPath(const std::string& windowsPath) const {
    std::string path = prefix_ + "/drive_c/" + windowsPath.substr(3);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

RunResult WineSession::Run(const std::vector<std::string>& args, double timeoutSeconds) const {
    std::vector<std::string> command = {"wine"};
    command.insert(command.end(), args.begin(), args.end());
    RunOptions options;
    options.variables = variables_;
    options.timeoutSeconds = timeoutSeconds;
    options.outputFile = folder_ + "/wine-run.log";
    return RunProgram(command, options);
}

namespace {

// The product folder as a 32-bit program sees Program Files in this prefix.
std::string ProductFolderHost(const WineSession& session, const InstallPlaces& places) {
    const std::string wow = session.HostPath("C:\\Program Files (x86)\\" + places.productFolder);
    const std::string plain = session.HostPath("C:\\Program Files\\" + places.productFolder);
    if (fs::exists(session.HostPath("C:\\Program Files (x86)"))) return wow;
    return plain;
}

}  // namespace

bool PrepareTerminal(const WineSession& session, const InstallPlaces& places) {
    const fs::path terminal = session.HostPath(places.metatraderFolder);
    std::error_code error;
    fs::remove_all(terminal, error);
    fs::remove_all(ProductFolderHost(session, places), error);
    for (const char* sub : {"experts/indicators", "experts/scripts", "experts/libraries",
                            "experts/files", "sounds", "config"}) {
        fs::create_directories(terminal / sub, error);
        if (error) return false;
    }
    std::ofstream(terminal / "terminal.exe", std::ios::binary) << "MZ stand-in terminal";
    return fs::exists(terminal / "terminal.exe");
}

std::vector<std::string> MisplacedFiles(const WineSession& session, const Product& product,
                                        const InstallPlaces& places) {
    std::vector<std::string> misplaced;
    const std::string terminal = session.HostPath(places.metatraderFolder);
    const std::string app = ProductFolderHost(session, places);
    for (const ProductFile& file : product.files) {
        std::string sub = InstallSubfolder(file.category);
        for (char& c : sub) {
            if (c == '\\') c = '/';
        }
        const std::string installed = (sub.empty() ? app : terminal + "/" + sub) + "/" + file.name;
        if (!SameFile(file.path, installed)) misplaced.push_back(file.name);
    }
    return misplaced;
}

}  // namespace bench
