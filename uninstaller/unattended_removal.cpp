#include "uninstaller/unattended_removal.h"

namespace uninstaller {

namespace {

constexpr char16_t kTerminalProcess[] = u"terminal.exe";

// Passes everything on and remembers whether the registry entry went.
class KeyWatchingReport : public RemovalReport {
  public:
    explicit KeyWatchingReport(RemovalReport& inner) : inner_(inner) {}
    void AddLine(const std::u16string& line) override { inner_.AddLine(line); }
    void FileDone() override { inner_.FileDone(); }
    bool DeleteProductKey() override {
        keyDeleted = inner_.DeleteProductKey();
        return keyDeleted;
    }

    bool keyDeleted = false;

  private:
    RemovalReport& inner_;
};

bool Gone(const os::Path& path) {
    return os::GetPathKind(path) == os::PathKind::Missing;
}

}  // namespace

int RunUnattendedRemoval(const OwnProduct& product, const os::Path& ownFolder,
                         RemovalReport& report) {
    if (os::IsProcessRunning(kTerminalProcess)) return kTerminalRunning;
    const RemovalPlan plan = MakeRemovalPlan(product, ownFolder);
    if (!plan.trusted) return kNoProductEntry;

    KeyWatchingReport watching(report);
    RunRemoval(plan, watching);
    bool whole = (watching.keyDeleted || !plan.mayDeleteKey) && Gone(plan.uninstallLink);
    for (const os::Path& file : plan.files) whole = whole && Gone(file);
    return whole ? kRemoved : kNotAllRemoved;
}

}  // namespace uninstaller
