#include "uninstaller/win/uninstall_modes.h"

#include <windows.h>

#include "uninstaller/page_texts.h"
#include "uninstaller/unattended_removal.h"
#include "uninstaller/uninstall_command_line.h"
#include "uninstaller/win/page_translations.h"
#include "uninstaller/win/product_registry.h"
#include "widgets/win/wide.h"
#include "translations/active_texts.h"
#include "translations/win/switches_box.h"

namespace uninstaller {

using translations::MessageId;
using translations::Text;

namespace {

// Lines go nowhere; the registry entry is deleted without any window.
class SilentReport : public RemovalReport {
  public:
    void AddLine(const std::u16string&) override {}
    void FileDone() override {}
    bool DeleteProductKey() override {
        return DeleteProductKeyFromRegistry(CNtRegistry::Errors::Silent);
    }
};

}  // namespace

bool RunWithoutPages(const wchar_t* commandLine, int* exitStatus) {
    const UninstallCommandLine line = ParseUninstallCommandLine(win::U16(commandLine));
    switch (line.mode) {
        case UninstallCommandLine::Mode::Wizard:
            return false;
        case UninstallCommandLine::Mode::Help:
            UseOwnTexts();
            translations::ShowSwitchesBox(Text(MessageId::UninstallSwitchesText, nullptr),
                                          kUninstallSwitchesText,
                                          Text(MessageId::UninstallCaption, kMessageCaption));
            *exitStatus = kRemoved;
            return true;
        case UninstallCommandLine::Mode::UsageError:
            *exitStatus = kWrongCommandLine;
            return true;
        case UninstallCommandLine::Mode::Unattended: {
            SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
            SilentReport report;
            const os::Path ownFolder = OwnFolder();
            *exitStatus = RunUnattendedRemoval(
                FindOwnProductInRegistry(ownFolder, CNtRegistry::Errors::Silent), ownFolder,
                report);
            return true;
        }
    }
    return false;
}

}  // namespace uninstaller
