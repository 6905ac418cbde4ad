// The uninstaller from outside bytes: the product folder and Start Menu group names of the
// registry entry and the product's "Install.log", made into a removal plan and carried out on
// the fake machine. Input: a 16-bit unit count and the units of "ProductDir", the same for
// "MenuGroup", a byte whose lowest bit puts an empty original part (52004 bytes) in front of
// the rest, so that short inputs reach the list's extension, then the bytes of "Install.log".
//
// What must hold: a trusted plan names folders strictly below Program Files and the Start Menu
// programs folder (by Windows' own reading of the path), the removal deletes only listed files
// and what lies in the product folder, "Uninstall.exe" stays, and the log ends with "Done.".
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_machine.h"
#include "os/posix/fake_machine.h"
#include "package/install_log.h"
#include "package/folder_name.h"
#include "uninstaller/removal.h"
#include "uninstaller/removal_plan.h"

namespace {

const os::Path kProgramFiles = u"C:\\Program Files (x86)";
const os::Path kPrograms = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
// Files that belong to nothing the product installed.
const std::vector<os::Path> kBystanders = {
    u"C:\\Program Files (x86)\\Other Product\\other.exe",
    u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Other\\Other.lnk",
    u"C:\\windows\\system32\\kernel32.dll",
    u"C:\\users\\tester\\Documents\\notes.txt",
};

class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    std::u16string Text() {
        if (size_ - at_ < 2) return u"";
        const size_t units = data_[at_] | (data_[at_ + 1] << 8);
        at_ += 2;
        const size_t bytes = std::min(2 * units, size_ - at_);
        const std::u16string text = fuzz::UnitsOf(data_ + at_, bytes);
        at_ += bytes;
        return text;
    }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    const uint8_t* Rest() const { return data_ + at_; }
    size_t RestSize() const { return size_ - at_; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// The levels of a path as Windows reads them: separators of both kinds, "." and empty levels
// dropped, trailing dots and blanks cut, ".." taking away the level before.
std::vector<std::u16string> WindowsLevels(const std::u16string& path) {
    std::vector<std::u16string> levels;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && path[end] != u'\\' && path[end] != u'/') ++end;
        std::u16string level = path.substr(start, end - start);
        const bool dots = level == u"." || level == u"..";
        if (!dots) {
            while (!level.empty() && (level.back() == u'.' || level.back() == u' ')) {
                level.pop_back();
            }
        }
        if (level == u"..") {
            if (!levels.empty()) levels.pop_back();
        } else if (!level.empty() && level != u".") {
            levels.push_back(level);
        }
        start = end + 1;
    }
    return levels;
}

bool StrictlyBelow(const os::Path& folder, const os::Path& base) {
    const std::vector<std::u16string> inner = WindowsLevels(folder);
    const std::vector<std::u16string> outer = WindowsLevels(base);
    if (inner.size() <= outer.size()) return false;
    for (size_t i = 0; i < outer.size(); ++i) {
        if (inner[i] != outer[i]) return false;
    }
    return true;
}

class CountingReport : public uninstaller::RemovalReport {
  public:
    void AddLine(const std::u16string& line) override { lines.push_back(line); }
    void FileDone() override { ++filesDone; }
    bool DeleteProductKey() override {
        ++keyDeletions;
        return true;
    }
    std::vector<std::u16string> lines;
    size_t filesDone = 0;
    int keyDeletions = 0;
};

bool Put(const os::Path& path) {
    return fuzz::PutFile(path, "x", 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FreshMachine();
    Input input(data, size);
    uninstaller::OwnProduct product;
    uninstaller::ProductValues& values = product.values;
    values.entryFound = true;
    values.productDirFound = true;
    values.menuGroupFound = true;
    product.entryIsOwn = true;
    values.productDir = input.Text();
    values.menuGroup = input.Text();
    std::vector<uint8_t> bytes;
    if (input.Byte() & 1) bytes.resize(package::kInstallLogBytes, 0);
    bytes.insert(bytes.end(), input.Rest(), input.Rest() + input.RestSize());

    const package::InstallLog log = package::InstallLog::FromBytes(bytes.data(), bytes.size());
    for (const package::LogEntry& entry : log.All()) {
        FUZZ_CHECK(!entry.path.empty() && entry.path.size() < package::kInstallLogSlotUnits);
        FUZZ_CHECK(static_cast<uint16_t>(entry.kind) <= 2);
        FUZZ_CHECK(entry.path.find(u'\0') == std::u16string::npos);
    }

    const os::Path ownFolder = kProgramFiles + u"\\" + values.productDir;
    const uninstaller::RemovalPlan folders =
        uninstaller::PlanFolders(product, ownFolder, kProgramFiles, kPrograms);
    if (!folders.trusted) return 0;
    FUZZ_CHECK(StrictlyBelow(folders.productFolder, kProgramFiles));
    FUZZ_CHECK(StrictlyBelow(folders.menuGroupFolder, kPrograms));

    // A machine with the product installed among other things.
    // A name too long for the host's folders leaves the product folder unfurnished.
    for (const os::Path& bystander : kBystanders) FUZZ_CHECK(Put(bystander));
    const os::Path uninstaller = folders.productFolder + u"\\Uninstall.exe";
    const bool furnished = Put(uninstaller) && Put(folders.productFolder + u"\\data\\x.dat") &&
                           Put(folders.menuGroupFolder + u"\\Uninstall.lnk");
    fuzz::PutFile(folders.productFolder + u"\\" + package::kInstallLogName, bytes.data(),
                  bytes.size());

    const uninstaller::RemovalPlan plan = uninstaller::MakeRemovalPlan(product, ownFolder);
    FUZZ_CHECK(plan.trusted);
    FUZZ_CHECK(plan.files.size() <= static_cast<size_t>(log.Count()));
    for (const os::Path& file : plan.files) FUZZ_CHECK(package::IsFullPath(file));

    CountingReport report;
    FUZZ_CHECK(uninstaller::RunRemoval(plan, report));
    FUZZ_CHECK(report.filesDone == plan.files.size());
    FUZZ_CHECK(report.keyDeletions == 1);
    FUZZ_CHECK(!report.lines.empty() && report.lines.back() == uninstaller::kDoneLine);

    for (const os::Path& bystander : kBystanders) {
        bool listed = false;
        for (const os::Path& file : plan.files) {
            listed = listed || os::fake::HostPath(file) == os::fake::HostPath(bystander);
        }
        // Of the group, only the product's own Uninstall shortcut goes unlisted.
        const bool inProduct = StrictlyBelow(bystander, folders.productFolder);
        FUZZ_CHECK(listed || inProduct || os::GetPathKind(bystander) == os::PathKind::File);
    }
    bool uninstallerListed = false;
    for (const os::Path& file : plan.files) {
        uninstallerListed =
            uninstallerListed || os::fake::HostPath(file) == os::fake::HostPath(uninstaller);
    }
    FUZZ_CHECK(!furnished || uninstallerListed ||
               os::GetPathKind(uninstaller) == os::PathKind::File);
    return 0;
}
