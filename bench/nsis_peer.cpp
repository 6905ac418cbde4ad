#include "nsis_peer.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "process.h"

namespace bench {

namespace {

bool HaveMakensis() {
    return RunProgram({"sh", "-c", "command -v makensis"}).Succeeded();
}

// The script's file list: each category's folder, then its files.
std::string Script(const Product& product, const InstallPlaces& places,
                   const std::string& license) {
    std::string script =
        "Unicode true\n"
        "SetCompressor zlib\n"
        "Name \"Tessark Bench Product\"\n"
        "OutFile \"peer-setup.exe\"\n"
        "InstallDir \"" +
        places.metatraderFolder +
        "\"\n"
        "RequestExecutionLevel admin\n"
        "Page directory\nPage instfiles\n"
        "Section\n";
    const std::string app = "$PROGRAMFILES\\" + places.productFolder;
    std::string folder = "?";
    for (const ProductFile& file : product.files) {
        const std::string sub = InstallSubfolder(file.category);
        const std::string target = sub.empty() ? app : "$INSTDIR\\" + sub;
        if (target != folder) {
            script += "  SetOutPath \"" + target + "\"\n";
            folder = target;
        }
        script += "  File \"" + file.path + "\"\n";
    }
    // What our installer also does: the license into the product folder, an uninstaller with
    // its entry among the installed programs and a Start Menu shortcut.
    const std::string key =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + places.productFolder;
    script += "  SetOutPath \"" + app + "\"\n";
    script += "  File \"/oname=License.rtf\" \"" + license + "\"\n";
    script += "  WriteUninstaller \"" + app + "\\Uninstall.exe\"\n";
    script += "  WriteRegStr HKLM \"" + key + "\" \"DisplayName\" \"Tessark Bench Product\"\n";
    script +=
        "  WriteRegStr HKLM \"" + key + "\" \"UninstallString\" '\"" + app + "\\Uninstall.exe\"'\n";
    script += "  CreateDirectory \"$SMPROGRAMS\\" + places.productFolder + "\"\n";
    script += "  CreateShortCut \"$SMPROGRAMS\\" + places.productFolder + "\\Uninstall.lnk\" \"" +
              app + "\\Uninstall.exe\"\n";
    script += "SectionEnd\n\nSection \"Uninstall\"\n  RMDir /r \"" + app + "\"\nSectionEnd\n";
    return script;
}

}  // namespace

PeerBuild BuildPeerInstaller(const Product& product, const InstallPlaces& places,
                             const std::string& license, const std::string& folder) {
    PeerBuild build;
    if (!HaveMakensis() && geteuid() == 0) {
        RunOptions quiet;
        quiet.outputFile = folder + "/apt.log";
        quiet.variables = {"DEBIAN_FRONTEND=noninteractive"};
        RunProgram({"apt-get", "install", "-y", "-q", "nsis"}, quiet);
    }
    if (!HaveMakensis()) {
        build.missing = "makensis is missing (Debian package nsis: apt-get install nsis)";
        return build;
    }
    const std::string script = folder + "/peer.nsi";
    {
        std::ofstream out(script, std::ios::binary);
        out << Script(product, places, license);
        if (!out) {
            build.missing = "cannot write " + script;
            return build;
        }
    }
    RunOptions options;
    options.workingFolder = folder;
    options.outputFile = folder + "/makensis.log";
    const RunResult run = RunProgram({"makensis", "-V2", script}, options);
    build.installer = folder + "/peer-setup.exe";
    if (!run.Succeeded() || !std::filesystem::exists(build.installer)) {
        build.missing = "makensis failed (see " + options.outputFile + ")";
        return build;
    }
    build.seconds = run.seconds;
    build.bytes = std::filesystem::file_size(build.installer);
    return build;
}

}  // namespace bench
