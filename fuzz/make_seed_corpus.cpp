// Writes the seed corpora of the fuzz targets: files made by our own writers (a built setup,
// saved projects, an installation's "Install.log", a terminal's settings file) and a few edge
// cases next to them.
//
//   make_seed_corpus OUT_DIR     writes OUT_DIR/<target>/<seed>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/le.h"
#include "base/text.h"
#include "builder/build/build_setup.h"
#include "builder/build/rich_text_file.h"
#include "builder/project/file_categories.h"
#include "builder/project/project_record.h"
#include "fuzz/fuzz_machine.h"
#include "installer/expert_settings.h"
#include "package/install_log.h"
#include "package/product_record.h"
#include "translations/setup_languages.h"
#include "package/self_extractor.h"

namespace {

std::filesystem::path g_out;

void Save(const std::string& target, const std::string& name, const std::string& bytes) {
    const std::filesystem::path folder = g_out / target;
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", (folder / name).c_str());
        std::exit(1);
    }
}

std::string Bytes(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::string MachineFile(const os::Path& path) {
    std::string bytes;
    if (!fuzz::GetFile(path, &bytes)) {
        std::fprintf(stderr, "cannot read %s from the machine\n", text::ToUtf8(path).c_str());
        std::exit(1);
    }
    return bytes;
}

void Put(const os::Path& path, const std::string& bytes) {
    if (!fuzz::PutFile(path, bytes.data(), bytes.size())) {
        std::fprintf(stderr, "cannot write %s on the machine\n", text::ToUtf8(path).c_str());
        std::exit(1);
    }
}

// Bytes with runs and noise, from a fixed seed.
std::string Pattern(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes[i] = (seed >> 29) < 3 ? 'a' : static_cast<char>(seed >> 24);
    }
    return bytes;
}

std::string Units(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

const os::Path kSource = u"C:\\author\\Cross\\";
const std::string kStub = "MZ stub of the seed corpus";

project::ProjectModel SampleProject() {
    project::ProjectModel model;
    project::ResetProject(&model);
    model.productName = u"Moving Cross";
    model.productDirectory = u"Moving Cross";
    model.publisher = u"Tessark Samples";
    model.contactEmail = u"support@example.com";
    model.version = {u"2", u"4", u"0", u"17"};
    model.licenseRtf = u"{\\rtf1\\ansi\\deff0 Use at your own risk.\\par}";
    model.readmeRtf = u"{\\rtf1\\ansi Read me \\u1092?.\\par}";
    model.expertOptions[project::kAllowDllImports] = project::OptionState::On;
    model.expertOptions[project::kAllowLiveTrading] = project::OptionState::Off;
    model.targetFile = u"C:\\out\\CrossSetup.exe";
    const char16_t* names[] = {u"Cross.ex4", u"Bands.ex4", u"CloseAll.ex4", u"cross.wav",
                               u"crossmath.dll"};
    for (int c = 0; c < project::kPathCategoryCount; ++c) {
        project::AddFile(&model, static_cast<project::CategoryId>(c), kSource + names[c]);
    }
    project::AddFile(&model, project::CategoryId::OtherFiles, kSource + u"Manual.txt");
    project::FileEntry manual = model.otherFiles[0];
    manual.destination = u"{app}\\docs";
    manual.shortcut = u"Manual";
    manual.autostart = u"Yes";
    project::EditEntry(&model, 0, manual);
    return model;
}

// A setup whose stub has a PE header, signed after it was built: zero padding to a multiple of
// 8 bytes, then a certificate table that data directory 4 of the header names.
std::string SignedSetup() {
    constexpr uint32_t kPe = 0x40;
    constexpr uint32_t kOptional = kPe + 4 + 20;
    constexpr uint32_t kCertificateEntry = kOptional + 96 + 4 * 8;
    std::string stub(512, '\0');
    stub[0] = 'M';
    stub[1] = 'Z';
    uint8_t* header = reinterpret_cast<uint8_t*>(&stub[0]);
    le::PutI32(header + 0x3C, kPe);
    stub.replace(kPe, 4, std::string("PE\0\0", 4));
    le::PutU16(header + kPe + 4 + 16, 224);   // the size of a PE32 optional header
    le::PutU16(header + kOptional, 0x10B);    // PE32
    le::PutI32(header + kOptional + 92, 16);  // data directories

    fuzz::PutFile(kSource + u"signed.txt", "signed payload", 14);
    CSelfExtractor extractor;
    extractor.AddFile(kSource + u"signed.txt", u"{app}\\", u"", u"", u"", u"", u"", u"");
    extractor.CreateSetup(stub.data(), static_cast<uint32_t>(stub.size()), u"C:\\out\\signed.exe",
                          nullptr, 0);
    std::string setup = MachineFile(u"C:\\out\\signed.exe");
    setup.resize((setup.size() + 7) / 8 * 8, '\0');
    const std::string table = std::string("\x10\0\0\0\0\x02\x02\0", 8) + "certific";
    le::PutI32(reinterpret_cast<uint8_t*>(&setup[kCertificateEntry]),
               static_cast<int32_t>(setup.size()));
    le::PutI32(reinterpret_cast<uint8_t*>(&setup[kCertificateEntry + 4]),
               static_cast<int32_t>(table.size()));
    return setup + table;
}

void PackageSeeds() {
    fuzz::FreshMachine();
    const project::ProjectModel model = SampleProject();
    for (const auto& list : model.paths) {
        for (const std::u16string& path : list) Put(path, Pattern(700, path.size()));
    }
    Put(model.otherFiles[0].fileName, std::string(3000, 'm'));
    const os::Path temp = u"C:\\users\\tester\\Temp";
    build::WriteRichTextFiles(model, temp);
    os::CreateFolderTree(u"C:\\out");
    const uint8_t icon[] = {'i', 'c', 'o', 'n'};
    const uint8_t banner[] = {0xFF, 0xD8, 0xFF, 0xD9};
    build::BuildRequest request;
    request.model = &model;
    request.temporaryFolder = temp;
    request.stub = kStub.data();
    request.stubSize = static_cast<uint32_t>(kStub.size());
    request.builderVersion = u"129";
    request.builtInIcon.bytes = icon;
    request.builtInIcon.size = sizeof icon;
    request.builtInIcon.width = 32;
    request.builtInIcon.height = 32;
    request.builtInBanner = banner;
    request.builtInBannerSize = sizeof banner;
    CSelfExtractor extractor;
    const build::BuildResult built = build::BuildSetup(request, &extractor, nullptr);
    if (built.status != build::BuildStatus::Built) {
        std::fprintf(stderr, "the sample build failed: %s %s\n",
                     text::ToUtf8(built.message).c_str(), text::ToUtf8(built.detail).c_str());
        std::exit(1);
    }
    Save("package_trailer", "built-setup.exe", MachineFile(model.targetFile));

    // Two records with every kind of destination text, and one with unsafe names.
    CSelfExtractor small;
    Put(kSource + u"a.txt", "alpha");
    Put(kSource + u"b.txt", "");
    small.AddFile(kSource + u"a.txt", u"{metatrader}\\experts\\sounds\\", u"Alpha", u"/x", u"Yes",
                  u"Yes", u"Yes", u"Yes");
    small.AddFile(kSource + u"b.txt", u"{bootdir}\\b\\", u"", u"", u"", u"", u"Yes", u"");
    small.SetProjectInfo(u"P", u"D", u"", u"129", u"1.0.0.0", u"", u"", u"", u"", u"");
    small.CreateSetup(kStub.data(), static_cast<uint32_t>(kStub.size()), u"C:\\out\\small.exe",
                      nullptr, 0);
    Save("package_trailer", "two-records.exe", MachineFile(u"C:\\out\\small.exe"));

    // A package whose table is empty, as no builder writes one.
    CSelfExtractor empty;
    {
        os::File out;
        out.Create(u"C:\\out\\empty.exe");
        out.Write(kStub.data(), static_cast<uint32_t>(kStub.size()));
        empty.WritePackage(out, nullptr, 0);
    }
    Save("package_trailer", "empty-table.exe", MachineFile(u"C:\\out\\empty.exe"));
    Save("package_trailer", "markers-only", Units(u"1.10!VOSK_SFX!"));
    Save("package_trailer", "signed-setup.exe", SignedSetup());
}

void ProjectSeeds() {
    Save("project_record", "new-project.eas", Bytes(project::EncodeProjectRecord([] {
             project::ProjectModel model;
             project::ResetProject(&model);
             return model;
         }())));
    project::ProjectModel full = SampleProject();
    for (int c = 0; c < project::kCategoryCount; ++c) {
        for (int i = 0; i < 10; ++i) {
            project::AddFile(&full, static_cast<project::CategoryId>(c),
                             kSource + text::FromInt(c) + u"-" + text::FromInt(i) + u".bin");
        }
    }
    const std::vector<uint8_t> record = project::EncodeProjectRecord(full);
    Save("project_record", "ten-files-each.eas", Bytes(record));
    Save("project_record", "cut-short.eas", Bytes(record).substr(0, 7000));
    // Counts outside 0..10 and an unterminated name.
    std::vector<uint8_t> damaged = record;
    le::PutI32(damaged.data() + project::record::kScriptsBlock, -1);
    le::PutI32(damaged.data() + project::record::kOtherFilesBlock, 11);
    for (uint32_t i = 0; i < 2 * project::kNameCapacity; ++i) damaged[i] = 'N';
    Save("project_record", "counts-out-of-range.eas", Bytes(damaged));
}

// The uninstaller's input: ProductDir and MenuGroup as counted units, whether an empty
// original part comes first, then "Install.log" (or, with it, the list's extension).
std::string UninstallInput(std::u16string_view productDir, std::u16string_view menuGroup,
                           const std::string& log, bool emptyOriginal = false) {
    std::string bytes;
    for (const std::u16string_view text : {productDir, menuGroup}) {
        bytes.push_back(static_cast<char>(text.size() & 0xFF));
        bytes.push_back(static_cast<char>(text.size() >> 8));
        bytes += Units(text);
    }
    bytes.push_back(emptyOriginal ? 1 : 0);
    return bytes + log;
}

// A list cut after its used slots: the reader takes a short file as one padded with zeros.
std::string UsedSlots(const package::InstallLog& log) {
    return Bytes(log.Bytes()).substr(0, 4 + 2 * package::kInstallLogSlotUnits * log.Count());
}

void InstallLogSeeds() {
    const os::Path product = u"C:\\Program Files (x86)\\Moving Cross";
    package::InstallLog log;
    log.Add(product + u"\\License.rtf");
    log.Add(u"C:\\Program Files (x86)\\MetaTrader 4\\experts\\Cross.ex4");
    log.Add(
        u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Moving Cross\\"
        u"ReadMe.lnk");
    Save("install_log", "three-entries",
         UninstallInput(u"Moving Cross", u"Moving Cross", UsedSlots(log)));

    package::InstallLog full;
    for (int i = 0; i < package::kInstallLogSlots; ++i) {
        full.Add(product + u"\\file" + text::FromInt(i) + u".txt");
    }
    Save("install_log", "hundred-entries",
         UninstallInput(u"Moving Cross", u"Cross Tools", Bytes(full.Bytes())));

    // A count far above the slots, an unterminated slot, and names that must not be trusted.
    std::string damaged = UsedSlots(log);
    le::PutI32(reinterpret_cast<uint8_t*>(&damaged[0]), 5000);
    for (size_t i = 4 + 520; i < 4 + 2 * 520; i += 2) damaged[i] = 'x';
    Save("install_log", "damaged-list", UninstallInput(u"Moving Cross", u"Moving Cross", damaged));
    Save("install_log", "unsafe-names", UninstallInput(u"..\\windows", u"\\", UsedSlots(log)));

    // The extension of a list with a kept file, a created folder and an entry past the slots.
    package::InstallLog extended = log;
    extended.Add(product + u"\\settings.ini", package::LogEntryKind::Keep);
    extended.Add(u"C:\\Program Files (x86)\\MetaTrader 4\\experts\\include\\Cross",
                 package::LogEntryKind::CreatedFolder);
    Save("install_log", "extension",
         UninstallInput(u"Moving Cross", u"Moving Cross",
                        Bytes(extended.Bytes()).substr(package::kInstallLogBytes), true));

    package::ProductRecord record;
    record.Set(u"ProductName", u"Moving Cross");
    record.Set(u"ProductDir", u"Moving Cross");
    record.Set(u"UninstallLink",
               u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\"
               u"Moving Cross\\Uninstall.lnk");
    Save("product_record", "three-values", Bytes(record.Bytes()));
    Save("product_record", "empty", Bytes(package::ProductRecord().Bytes()));
}

void ExpertSettingsSeeds() {
    const std::string states = {0, 1, 2, 0, 1, 2, 2, 1};
    const installer::ExpertSettingsRecord record = installer::DefaultExpertSettings();
    Save("expert_settings", "default-record", states + std::string(record.begin(), record.end()));
    Save("expert_settings", "forty-bytes", std::string(8, 1) + std::string(40, '\x7f'));
    Save("expert_settings", "long-file", std::string("\0\0\0\0\0\0\0\0", 8) + Pattern(5000, 3));
}

void TextPageSeeds() {
    const project::ProjectModel model = SampleProject();
    Save("text_page", "readme.rtf", build::RtfFileBytes(model.readmeRtf + u"\u00e9\u20ac"));
    Save("text_page", "plain-cp1252.txt", "line one\r\nline two\nlone\rcr \x80\x93\x9f\xe9\xff");
    Save("text_page", "utf8-bom.txt", "\xEF\xBB\xBF{\\rtf1 caf\xC3\xA9 \xF0\x9F\x98\x80}");
}

void CommandLineSeeds() {
    const std::vector<std::pair<std::string, std::vector<std::string>>> lines = {
        {"build", {"build", "p.eas", "-o", "setup.exe", "--stub", "extractor.exe"}},
        {"set-version", {"set", "p.eas", "version", "1.2.3.4"}},
        {"set-option", {"set", "p.eas", "allowDllImports", "1"}},
        {"set-text", {"set", "p.eas", "productName", "Moving Cross"}},
        {"set-dash-value", {"set", "p.eas", "--", "publisher", "-x-"}},
        {"entry", {"entry", "p.eas", "C:\\a.txt", "--destination", "{app}", "--autostart", "yes"}},
        {"add", {"add", "p.eas", "indicators", "a.ex4", "b.ex4"}},
        {"extract", {"extract", "setup.exe", "out", "1", "2"}},
        {"help", {"help", "build"}},
        {"command-help", {"list", "--help"}},
        {"version", {"--version"}},
    };
    for (const auto& line : lines) {
        std::string bytes;
        for (size_t i = 0; i < line.second.size(); ++i) {
            if (i > 0) bytes.push_back('\0');
            bytes += line.second[i];
        }
        Save("command_line", line.first, bytes);
    }
}

void SetupCommandLineSeeds() {
    const std::vector<std::pair<std::string, std::u16string>> lines = {
        {"silent", u"/S /MT4=\"C:\\Program Files (x86)\\MT4\\\" /RUN /LOG=C:\\setup.log"},
        {"quotes", u"/s \"/mt4=D:\\Trading\\MT4 Two\" /mt4=\\\\server\\mt4 a\\\\\\\"b \"\"\"\""},
        {"help", u"/?"},
        {"wizard", u"some words\tthe wizard never reads"},
    };
    for (const auto& line : lines) Save("setup_command_line", line.first, Units(line.second));
    // A /MT4 folder with a wildcard, a blank and zero units, once taken as a full path.
    const char16_t zeroUnits[] =
        u"/S /MT4=\"C://* ?M\u2F54\0\0\0\u2000\u3F00\0Program /s \"/m"
        u"\u7200\u6C00\u6F00\u6700";
    Save("setup_command_line", "mt4-wildcard-zero-units",
         Units(std::u16string_view(zeroUnits, std::size(zeroUnits) - 1)));
}

}  // namespace

void LanguagePackSeeds() {
    std::vector<uint8_t> pack;
    std::u16string error;
    translations::BuildSetupLanguagePack(u"", &pack, &error);
    // A Russian user, then a Portuguese user of Portugal (falls back to Brazil's).
    Save("language_pack", "all-russian-user", std::string("\x19\x04", 2) + Bytes(pack));
    Save("language_pack", "all-portugal-user", std::string("\x16\x08", 2) + Bytes(pack));
    translations::BuildSetupLanguagePack(u"ja", &pack, &error);
    Save("language_pack", "forced-japanese", std::string("\x09\x04", 2) + Bytes(pack));
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seed_corpus OUT_DIR\n");
        return 2;
    }
    g_out = argv[1];
    PackageSeeds();
    ProjectSeeds();
    InstallLogSeeds();
    ExpertSettingsSeeds();
    TextPageSeeds();
    CommandLineSeeds();
    SetupCommandLineSeeds();
    LanguagePackSeeds();
    return 0;
}
