#include "installer/unattended_install.h"

#include "base/text.h"
#include "installer/finish_actions.h"
#include "installer/terminal_discovery.h"
#include "installer/package_check.h"
#include "installer/page_texts.h"

namespace installer {

namespace {

constexpr char16_t kTerminalProcess[] = u"terminal.exe";

// The log lines, in UTF-8, each ended by a line break, written as they come.
class LogFile : public InstallationObserver {
  public:
    // Creates the file, and its folder when that is missing.
    bool Open(const os::Path& path) {
        const size_t separator = path.find_last_of(u"\\/");
        if (separator != os::Path::npos && separator > 0) {
            os::CreateFolderTree(path.substr(0, separator));
        }
        return file_.Create(path);
    }

    void FileInstalled() override {}
    void LogLine(const std::u16string& line) override {
        if (!file_.IsOpen()) return;
        std::string bytes = text::ToUtf8(line);
        if (bytes.empty() || bytes.back() != '\n') bytes += "\r\n";
        if (!file_.Write(bytes.data(), static_cast<uint32_t>(bytes.size()))) whole_ = false;
    }

    // False when a line could not be written.
    bool Close() {
        if (!file_.IsOpen()) return whole_;
        const bool flushed = file_.Flush();
        return file_.Close() && flushed && whole_;
    }

  private:
    os::File file_;
    bool whole_ = true;
};

int Install(const SetupOptions& options, InstallSession& session, UninstallerSetup& uninstaller,
            LogFile& log) {
    if (CheckPackage(session.packageReader, nullptr) != PackageCheck::Sound) {
        log.LogLine(kDamagedSetupMessage);
        return kDamagedSetup;
    }
    if (os::IsProcessRunning(kTerminalProcess)) {
        log.LogLine(kTerminalRunningLine);
        return kTerminalRunning;
    }
    std::vector<TerminalTarget> terminals;
    const std::vector<TerminalTarget> dataFolders = ProfileDataFolders();
    for (const os::Path& folder : options.metaTraderFolders) {
        const std::vector<TerminalTarget> found = TerminalsOfFolder(folder, dataFolders);
        if (found.empty()) {
            log.LogLine(NotMetaTraderFolderLine(folder));
            return kNotMetaTraderFolder;
        }
        AppendNewTerminals(found, &terminals);
    }
    if (options.metaTraderFolders.empty()) terminals = DiscoverTerminals();
    if (terminals.empty()) {
        log.LogLine(kNoMetaTraderFolderLine);
        return kNoMetaTraderFolder;
    }

    OpenPackage(&session);
    session.chosenTerminals = terminals;
    const int32_t result = RunInstallation(session, log, uninstaller);
    if (result != SFX_OK) {
        log.LogLine(InstallFailureMessage(result));
        return result == SFX_ERR_WRITE ? kWriteFailed : kDamagedSetup;
    }
    if (options.run) {
        StartTerminal(terminals.front());
        StartPostExecutePrograms(session);
    }
    return kInstalled;
}

}  // namespace

std::u16string NotMetaTraderFolderLine(const os::Path& folder) {
    return text::Format(u"%s is no MetaTrader 4 terminal's folder; nothing was installed.",
                        {folder});
}

int RunUnattendedInstall(const SetupOptions& options, InstallSession& session,
                         UninstallerSetup& uninstaller) {
    LogFile log;
    if (!options.logFile.empty() && !log.Open(options.logFile)) return kWriteFailed;
    const int status = Install(options, session, uninstaller, log);
    if (!log.Close() && status == kInstalled) return kWriteFailed;
    return status;
}

}  // namespace installer
